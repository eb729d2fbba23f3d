// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the concrete design run: the stop on a case that is not stable, the envelopes,
// degenerate sections and a negative slope ratio.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/Analysis.h"
#include "engine/CombinationFactors.h"
#include "engine/ConcreteDesign.h"
#include "engine/DesignColumns.h"
#include "engine/InternalForces.h"
#include "engine/LoadFactors.h"
#include "model/Units.h"

namespace kelvadrome {
namespace {

// A design as the concrete command keeps it: each run starts from the previous design, and the
// project takes the slope and the bars the run found.
struct Design {
  ProjectData project;
  AnalysisResults results;
  DesignResults design;
  RecordingSink sink;
  void Run() {
    const DesignRun run = RunDesign(project, {&design});
    ASSERT_FALSE(run.fault) << *run.fault;
    results = run.results;
    design = run.design;
    for (const std::string& message : run.messages) sink.Warn(message);
    project = WithFindings(std::move(project), run);
  }
};

// The section forces of one case analysed on its own, with a fresh results object.
SectionForces CaseForces(ProjectData p, const double* f) {
  AnalysisResults r;
  SectionForces forces;
  RecordingSink sink;
  SetLoadFactors(r, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  EXPECT_TRUE(AnalyseFactoredCase(p, r, forces, sink));
  EXPECT_TRUE(sink.messages.empty());
  return forces;
}

Design DefaultDesign(bool run = false) {
  Design d;
  SetDefaults(d.project);
  if (run) d.Run();
  return d;
}

TEST(DesignRun, StopsAtTheFirstCaseThatIsNotStable) {
  Design d = DefaultDesign();
  d.project.lineLoadCount = 1;  // a structural push towards the toe, which only cases 9 to 11 carry
  d.project.lineLoads[1] = {60.0f, 3.0f, 9.0f, 270, LoadCase::structural};
  for (auto& row : d.design.caseMoment) row.fill(-999.0f);
  d.design.envMaxMoment.fill(-7.0f);
  d.design.colMoment.fill(-8.0f);
  d.design.minimumRatio = -9.0f;
  d.Run();
  EXPECT_FALSE(d.design.completed);
  ASSERT_EQ(d.sink.messages.size(), 1u);
  EXPECT_EQ(d.sink.messages[0], "The structure is not stable with the factored loads, concrete design cancelled.");
  EXPECT_FALSE(d.results.stability.wallStable);
  for (int k = 1; k <= 8; ++k) EXPECT_NE(d.design.caseMoment[1][k], -999.0f) << k;
  for (int k = 9; k <= 12; ++k) EXPECT_EQ(d.design.caseMoment[1][k], -999.0f) << k;
  EXPECT_EQ(d.design.envMaxMoment[1], -7.0f);
  EXPECT_EQ(d.design.colMoment[1], -8.0f);
  EXPECT_EQ(d.design.minimumRatio, -9.0f);
}

TEST(DesignRun, EnvelopeTiesKeepTheSmallerNormalForce) {
  DesignResults d;
  // Section 1: all moments negative, two cases share the smallest one.
  for (int k = 1; k <= 11; ++k) {
    d.caseMoment[1][k] = -float(k);
    d.caseNormal[1][k] = 10.0f + k;
    d.caseShear[1][k] = float(k) - 20;
  }
  d.caseMoment[1][11] = -10.0f;
  d.caseNormal[1][11] = 5.0f;  // ties with case 10 (normal 20): the smaller is kept
  d.caseMoment[1][12] = -3.5f;
  d.caseNormal[1][12] = 4.0f;
  FormEnvelopes(d, 1);
  EXPECT_EQ(d.envMinMoment[1], -10.0f);
  EXPECT_EQ(d.envMinMomentNormal[1], 5.0f);
  EXPECT_EQ(d.envMaxMoment[1], 0.0f);  // never positive: stays at its start
  EXPECT_EQ(d.envMaxMomentNormal[1], 0.0f);
  EXPECT_EQ(d.envMaxShear[1], 19.0f);  // largest absolute shear, case 1
  EXPECT_EQ(d.envMaxShearNormal[1], 11.0f);
  EXPECT_EQ(d.serviceMoment[1], -3.5f);
  EXPECT_EQ(d.serviceNormal[1], 4.0f);

  // Section 2: a moment of exactly 0 ties with the start and brings its normal force only
  // when that is smaller than 0.
  DesignResults z;
  z.caseMoment[2].fill(-1.0f);
  z.caseMoment[2][3] = 0.0f;
  z.caseNormal[2][3] = 6.0f;
  z.caseMoment[2][4] = 0.0f;
  z.caseNormal[2][4] = -2.0f;
  FormEnvelopes(z, 2);
  EXPECT_EQ(z.envMaxMoment[2], 0.0f);
  EXPECT_EQ(z.envMaxMomentNormal[2], -2.0f);
}

TEST(DesignRun, TwoRunsFromStartUpGiveTheSameResults) {
  Design first = DefaultDesign(true);
  Design second = first;  // the project now holds the chosen bars
  second.sink.messages.clear();
  second.Run();
  EXPECT_EQ(first.project.barDiameters, second.project.barDiameters);
  EXPECT_EQ(first.project.barPitches, second.project.barPitches);
  EXPECT_EQ(first.design, second.design);
  // The toe's shear section uses the toe bar the design chose, not the empty one of start-up.
  EXPECT_EQ(first.design.caseShear[kToeSection][8],
            CaseForces(first.project, kCaseFactors[8].data()).sectionShear[kToeSection]);
}

TEST(DesignRun, DegenerateSectionIsNotAvailableInsteadOfNaN) {
  Design d = DefaultDesign(true);
  d.project.barDiameters[3] = 1.6f;  // user bars without a pitch
  d.project.barPitches[3] = 0;
  d.project.userReinforcement = true;
  RecomputeDesignColumn(d.project, d.design, 3);
  const auto& a = d.design.available[3];
  EXPECT_FALSE(a.steelArea || a.momentCapacity || a.steelRatio || a.crackZ);
  EXPECT_TRUE(a.requiredArea);
  EXPECT_EQ(d.design.colMomentCapacity[3], 0.0f);
  EXPECT_TRUE(std::isfinite(d.design.sectionShearCapacity[2]));

  // A heel no thicker than the cover: no effective depth for either face.
  Design thin = DefaultDesign();
  thin.project.heelTaper = 0;
  thin.project.heelEdgeThickness = 0.05f;
  thin.project.stemBackHeight = static_cast<float>(10.0 - 0.05);
  thin.Run();
  ASSERT_TRUE(thin.design.completed);
  for (const int c : {5, 6}) {
    EXPECT_FALSE(thin.design.available[c].momentCapacity) << c;
    EXPECT_FALSE(thin.design.available[c].requiredArea) << c;
    EXPECT_TRUE(thin.design.available[c].steelArea) << c;
    EXPECT_TRUE(std::isfinite(thin.design.colCrackZ[c])) << c;
  }
  EXPECT_TRUE(std::isfinite(thin.design.sectionShearCapacity[3]));
}

// A negative slope ratio (older files hold them) is a level backfill for the outline and the
// pressures; the stem's own earth coefficient and surcharge ordinate must see the same level
// surface, or the stem is designed for less than the wall it stands in.
TEST(DesignRun, NegativeSlopeRatioDesignsLikeALevelBackfill) {
  for (const UnitSystem system : {kMetric, kSI, kBritish}) {
    Design level = DefaultDesign();
    level.project.unitSystem = system;
    ConvertUnits(level.project, kMetric);
    level.project.backfillSlope = 0;
    Design falling = level;
    falling.project.backfillSlope = -2.0f;
    level.Run();
    falling.Run();
    ASSERT_TRUE(level.design.completed && falling.design.completed) << UnitSystemName(system);
    EXPECT_EQ(level.design, falling.design) << UnitSystemName(system);
    EXPECT_EQ(level.project.barDiameters, falling.project.barDiameters) << UnitSystemName(system);
    EXPECT_EQ(level.project.barPitches, falling.project.barPitches) << UnitSystemName(system);
  }
}

}  // namespace
}  // namespace kelvadrome
