// SPDX-License-Identifier: GPL-3.0-or-later
// Quantities and cost of a wall: a rectangular wall measured by hand, the shear key, bars in
// British units, and a cost that is linear in each price.
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
ProjectData RectangularWall(UnitSystem system = kMetric) {
  ProjectData p = test::DefaultProject();
  p.unitSystem = system;
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
  ProjectData p = RectangularWall();
  const Quantities q = Measure(p);
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

  // The key adds stem top width × depth; a column without bars adds nothing.
  p.shearKeyOption = true;
  p.shearKeyDepth = 0.4f;
  p.barPitches[6] = 0;
  const Quantities keyed = Measure(p);
  EXPECT_NEAR(keyed.concrete, 2.2, 1e-6);
  EXPECT_EQ(keyed.formwork, q.formwork);
  EXPECT_EQ(keyed.mainSteel[6], 0.0f);
  // Bars shorter than twice the cover have no length left.
  p.concreteCover = 30;
  EXPECT_EQ(Measure(p).mainSteel[3], 0.0f);
}

TEST(Quantities, BritishUnitsUseInchBarsAndPoundsPerCubicFoot) {
  ProjectData p = RectangularWall(kBritish);
  p.stemTopWidth = p.baseWidth = 2.0f;  // ft
  p.stemFrontHeight = p.stemBackHeight = 11.0f;
  p.toeEdgeThickness = p.heelEdgeThickness = 2.0f;
  p.concreteCover = 2;        // in
  p.barDiameters[1] = 0.75f;  // in
  p.barPitches[1] = 8;        // in
  p.prices = {4.25f, 3.25f, 0.6f};
  const Quantities q = Measure(p);
  EXPECT_NEAR(q.concrete, 26.0, 1e-5);
  EXPECT_NEAR(q.mainSteel[1], BarMass(0.75 / 12, 8.0 / 12, 13.0 - 4.0 / 12, 490), 1e-3);
  EXPECT_NEAR(q.distributionSteel, 0.0018 * 26 * 490, 1e-4);
}

TEST(Quantities, CostIsLinearInEachPrice) {
  ProjectData p = test::DefaultProject();
  const DesignRun run = test::DesignAndKeep(p);
  ASSERT_TRUE(run.design.completed);
  const AnalysisResults& r = run.results;
  const Quantities base = ComputeQuantities(p, r);

  const auto costWith = [&](UnitPrices prices) {
    ProjectData q = p;
    q.prices = prices;
    return double(ComputeQuantities(q, r).cost);
  };
  EXPECT_EQ(costWith({0, 0, 0}), 0.0);
  EXPECT_NEAR(costWith({1, 0, 0}), base.concrete, 1e-4);
  EXPECT_NEAR(costWith({0, 1, 0}), base.formwork, 1e-4);
  EXPECT_NEAR(costWith({0, 0, 1}), base.steel, 1e-3);
  for (const double k : {0.5, 2.0, 7.0}) {
    EXPECT_NEAR(costWith({float(150 * k), 35, 1.3f}) - base.cost, (k - 1) * 150 * base.concrete, 0.01);
    EXPECT_NEAR(costWith({150, float(35 * k), 1.3f}) - base.cost, (k - 1) * 35 * base.formwork, 0.01);
    EXPECT_NEAR(costWith({150, 35, float(1.3 * k)}) - base.cost, (k - 1) * 1.3 * base.steel, 0.01);
  }
  // The outline alone never costs more than the wall with its bars.
  EXPECT_LT(ComputeConcreteQuantities(p, r).cost, base.cost);
}
