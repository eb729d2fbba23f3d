// SPDX-License-Identifier: GPL-3.0-or-later
// Quantities and cost of the wall, from its outline points and the design's bars.
#include "engine/Quantities.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/EngineNumerics.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

double Distance(const AnalysisResults& r, int from, int to) {
  const auto a = static_cast<std::size_t>(from), b = static_cast<std::size_t>(to);
  return std::hypot(double(r.wallOutlineX[b]) - r.wallOutlineX[a], double(r.wallOutlineY[b]) - r.wallOutlineY[a]);
}

// The area of the concrete outline 1..8.
double OutlineArea(const AnalysisResults& r) {
  std::array<PlanePoint, 8> outline{};
  for (std::size_t i = 1; i <= outline.size(); ++i) outline[i - 1] = {r.wallOutlineX[i], r.wallOutlineY[i]};
  return std::fabs(PolygonAreaCentroid(outline).area);
}

// Bar sizes and the cover are held in cm (Metric, SI) or in (British); lengths in m or ft.
double StoredToProjectLength(double stored, UnitSystem unitSystem) {
  return unitSystem == kBritish ? stored / 12 : stored / 100;
}

double BarLength(const ProjectData& p, const AnalysisResults& r, int column) {
  const double cover = StoredToProjectLength(p.concreteCover, p.unitSystem);
  double length = 0;
  switch (SectionOfColumn(column)) {
    case kStemSection: length = r.wallOutlineY[4]; break;                    // D
    case kToeSection: length = r.wallOutlineX[8]; break;                     // toe edge to x8
    default: length = double(p.baseWidth) - r.wallOutlineX[1]; break;        // x1 to heel edge
  }
  return std::max(0.0, length - 2 * cover);
}

double Cost(const ProjectData& p, double concrete, double formwork, double steel) {
  return concrete * p.prices.concretePrice + formwork * p.prices.formworkPrice +
         steel * p.prices.steelPrice;
}

}  // namespace

double SteelDensity(UnitSystem unitSystem) { return unitSystem == kBritish ? 490.0 : 7850.0; }

double ColumnSteelMass(const ProjectData& p, const AnalysisResults& r, int column) {
  const auto c = static_cast<std::size_t>(column);
  const double diameter = StoredToProjectLength(p.barDiameters[c], p.unitSystem);
  const double pitch = StoredToProjectLength(p.barPitches[c], p.unitSystem);
  if (!(diameter > 0) || !(pitch > 0)) return 0;
  const double areaPerLength = std::numbers::pi * diameter * diameter / 4 / pitch;
  return areaPerLength * BarLength(p, r, column) * SteelDensity(p.unitSystem);
}

namespace {

// The outline's quantities in double precision, so that the cost with main steel never falls
// below the cost without it by a rounding.
struct OutlineQuantities {
  double concrete = 0;
  double formwork = 0;
  double distribution = 0;
};

OutlineQuantities MeasureOutline(const ProjectData& p, const AnalysisResults& r) {
  OutlineQuantities o;
  o.concrete = OutlineArea(r);
  if (p.shearKeyOption) o.concrete += double(p.stemTopWidth) * p.shearKeyDepth;
  o.formwork = Distance(r, 2, 1) + Distance(r, 8, 7) + Distance(r, 3, 4) + Distance(r, 6, 5);
  o.distribution = kDistributionSteelRatio * o.concrete * SteelDensity(p.unitSystem);
  return o;
}

// Huge bars or prices can take a quantity or the cost beyond single precision: that ends the
// computation as any other overflow of the analysis does.
Quantities Stored(const ProjectData& p, const OutlineQuantities& o, double mainSteel) {
  Quantities q;
  q.concrete = Single(o.concrete);
  q.formwork = Single(o.formwork);
  q.distributionSteel = Single(o.distribution);
  q.steel = Single(o.distribution + mainSteel);
  q.cost = Single(Cost(p, o.concrete, o.formwork, o.distribution + mainSteel));
  return q;
}

}  // namespace

Quantities ComputeConcreteQuantities(const ProjectData& p, const AnalysisResults& r) {
  return Stored(p, MeasureOutline(p, r), 0);
}

Quantities ComputeQuantities(const ProjectData& p, const AnalysisResults& r) {
  std::array<float, kDesignColumnCount + 1> columns{};
  double mainSteel = 0;
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    const double mass = ColumnSteelMass(p, r, c);
    columns[static_cast<std::size_t>(c)] = Single(mass);
    mainSteel += mass;
  }
  Quantities q = Stored(p, MeasureOutline(p, r), mainSteel);
  q.mainSteel = columns;
  return q;
}

}  // namespace kelvadrome
