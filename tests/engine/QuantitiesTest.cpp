// SPDX-License-Identifier: GPL-3.0-or-later
// Quantities and cost of a rectangular wall measured by hand.
#include <gtest/gtest.h>

#include <numbers>

#include "ServiceTestSupport.h"
#include "engine/ConcreteDesign.h"
#include "engine/Quantities.h"
#include "engine/WallGeometry.h"

using namespace kelvadrome;

namespace {

// A block 0.5 wide and 4.0 high: no toe, no heel, no batter, no taper; stem heights 3.4 and
// edge thicknesses 0.6 on both sides. Bars of column c: diameter c cm at 20 cm, cover 5 cm.
ProjectData RectangularWall() {
  ProjectData p = test::DefaultProject();
  p.toeLength = p.stemFrontBatter = p.stemBackBatter = p.heelLength = 0;
  p.stemTopWidth = p.baseWidth = 0.5f;
  p.toeTaper = p.heelTaper = 0;
  p.stemFrontHeight = p.stemBackHeight = 3.4f;
  p.toeEdgeThickness = p.heelEdgeThickness = 0.6f;
  p.concreteCover = 5;
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    p.barDiameters[static_cast<std::size_t>(c)] = float(c);
    p.barPitches[static_cast<std::size_t>(c)] = 20;
  }
  return p;
}

Quantities Measure(const ProjectData& p) {
  AnalysisResults outline;
  ComputeWallOutline(p, outline);
  return ComputeQuantities(p, outline);
}

double BarMass(double diameter, double pitch, double length, double density) {
  return std::numbers::pi * diameter * diameter / 4 / pitch * length * density;
}

}  // namespace

TEST(Quantities, RectangularWallByHand) {
  const Quantities q = Measure(RectangularWall());
  EXPECT_NEAR(q.concrete, 0.5 * 4.0, 1e-6);
  EXPECT_NEAR(q.formwork, 3.4 + 3.4 + 0.6 + 0.6, 1e-6);  // both faces of the stem and both edges
  // Stem: D − 2·cover = 3.9 m; toe: x8 − 2·cover = 0.4 m; heel: B − x1 − 2·cover = 0.4 m.
  const double lengths[] = {0, 3.9, 3.9, 0.4, 0.4, 0.4, 0.4};
  double main = 0;
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    const double expected = BarMass(c / 100.0, 0.2, lengths[c], 7850);
    EXPECT_NEAR(q.mainSteel[static_cast<std::size_t>(c)], expected, expected * 1e-6) << c;
    main += expected;
  }
  EXPECT_NEAR(q.distributionSteel, 0.0018 * 2.0 * 7850, 1e-4);
  EXPECT_NEAR(q.steel, main + 28.26, 1e-3);
  EXPECT_NEAR(q.cost, 2.0 * 150 + 8.0 * 35 + (main + 28.26) * 1.3, 1e-2);

}
