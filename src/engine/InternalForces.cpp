// SPDX-License-Identifier: GPL-3.0-or-later
// The factored analysis of one load combination and the line-load contributions to the three
// design sections; the other contributions are in InternalStemForces.cpp and
// InternalBaseForces.cpp.
#include "engine/InternalForces.h"

#include <algorithm>
#include <cmath>

#include "engine/EarthPressure.h"
#include "engine/InternalForcesTerms.h"
#include "engine/LoadFactors.h"
#include "engine/Stability.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

[[nodiscard]] SectionGeometry ReadSectionGeometry(const ProjectData& p, const AnalysisResults& r, float toeBar) {
  SectionGeometry g;
  g.toeLength = p.toeLength;
  g.baseWidth = p.baseWidth;
  g.heelLength = p.heelLength;
  g.baseDepth = r.wallOutlineY[4];
  g.heelSectionX = r.wallOutlineX[7];
  g.stemSectionY = r.wallOutlineY[43];
  g.stemCentreX = (double(r.wallOutlineX[43]) + r.wallOutlineX[44]) / 2;
  g.stemElevation = g.baseDepth - g.stemSectionY;
  g.toeHeight = double(p.toeTaper) + p.toeEdgeThickness;
  g.heelHeight = double(p.heelTaper) + p.heelEdgeThickness;
  g.toeShearX = ToeShearSectionX(p, toeBar);
  return g;
}

// A load on the stem counts only above the stem section; one on the stem below it, or on the
// stem foot between the toe and heel sections, reaches the base directly.
void AddLineLoads(const FactoredCase& c, SectionSums stem, SectionSums toe, SectionSums heel) {
  const SectionGeometry& g = c.g;
  for (int i = 1; i <= c.project.lineLoadCount; ++i) {
    const LineLoad& load = c.project.lineLoads[i];
    const double angle = Radians(load.direction);
    const double vertical = double(load.load) * std::cos(angle);
    const double horizontal = double(load.load) * std::sin(angle);
    const double f = LoadFactorOf(c.results, load.loadCase);
    const bool onStem = load.x >= g.toeLength && load.x <= g.heelSectionX;
    if (onStem && load.y >= g.stemElevation) {
      stem.Moment(f * (horizontal * (load.y - g.stemElevation) - vertical * (load.x - g.stemCentreX)));
      stem.Shear(f * horizontal);
      stem.Normal(-f * vertical);
    } else if (onStem) {
      continue;
    } else if (load.x > g.heelSectionX) {
      heel.Moment(f * (vertical * (load.x - g.heelSectionX) + horizontal * (load.y - g.heelHeight / 2)));
      heel.Shear(f * vertical);
    } else {
      toe.Moment(f * (vertical * (g.toeLength - load.x) + horizontal * (load.y - g.toeHeight / 2)));
      toe.Normal(f * vertical);
      toe.Shear(f * vertical);
    }
  }
}

}  // namespace

double ToeShearSectionX(const ProjectData& p) { return ToeShearSectionX(p, p.barDiameters[4]); }

double ToeShearSectionX(const ProjectData& p, float toeBar) {
  const double barUnitsPerLength = p.unitSystem == kBritish ? 12.0 : 100.0;
  const double toeHeight = double(p.toeTaper) + p.toeEdgeThickness;
  const double effectiveDepth = toeHeight - (double(p.concreteCover) + toeBar) / barUnitsPerLength;
  // A toe thinner than cover plus bar must not reach beyond the stem face for its shear.
  return std::clamp(double(p.toeLength) - effectiveDepth, 0.0, double(p.toeLength));
}

bool AnalyseFactoredCase(const ProjectData& project, AnalysisResults& results, SectionForces& forces,
                         MessageSink& sink, SlopeState slope) {
  return AnalyseFactoredCase(project, results, forces, sink, slope, project.barDiameters[4]);
}

bool AnalyseFactoredCase(const ProjectData& project, AnalysisResults& results, SectionForces& forces,
                         MessageSink& sink, SlopeState slope, float toeBar) {
  results.slopeAdjusted = false;
  results.adjustedSlope.reset();
  ComputeWallOutline(project, results);
  // The polygons and the water pressure depend only on the outline and the factors, and the
  // stability recomputes both before it reads them, so they are not run separately here. The
  // seismic pressure is, while the slope is open: the slope rules it applies first decide the
  // slope from which the stability's own seismic increment starts. Once the slope is settled it
  // too would be recomputed unchanged.
  if (slope == SlopeState::open) ComputeSeismicPressure(project, results, sink);
  ComputeStability(project, results, sink);
  if (!results.stability.wallStable) {
    sink.Warn(kNotStableFactoredMessage);
    return false;
  }

  forces = SectionForces{};
  const FactoredCase c{project, results, ReadSectionGeometry(project, results, toeBar),
                       LoadFactorOf(results, LoadCase::dead), LoadFactorOf(results, LoadCase::soil),
                       LoadFactorOf(results, LoadCase::water), LoadFactorOf(results, LoadCase::seismic)};
  const SectionSums stem(forces, kStemSection), toe(forces, kToeSection), heel(forces, kHeelSection);
  AddLineLoads(c, stem, toe, heel);
  AddStemTerms(c, stem);
  AddToeTerms(c, toe);
  AddHeelTerms(c, heel);
  return true;
}

}  // namespace kelvadrome
