// SPDX-License-Identifier: GPL-3.0-or-later
// The bearing resistance of the base: the capacity factors against their published values,
// independence of the unit system, and every case in which the base carries nothing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "ServiceTestSupport.h"
#include "engine/BearingResistance.h"
#include "model/Units.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

constexpr double kPi = std::numbers::pi;

// A stable service result on a base 6 wide whose toe edge runs from y = 9 to D = 10, set by
// hand, with dry toe earth of 1.8 and dry earth of 2.0 under the base, no cohesion.
struct BaseCase {
  ProjectData project = DefaultProject();
  AnalysisResults results;

  BaseCase() {
    project.waterOption = false;
    project.baseFrictionAngle = 30;
    project.baseCohesion = 0;
    project.toeUnitWeight = 1.8f;
    project.foundationUnitWeight = 2.0f;
    results.wallOutlineY[3] = 9;
    results.wallOutlineY[4] = 10;
    StabilityResults& s = results.stability;
    s.wallStable = true;
    s.baseWidthUsed = 6;
    s.sumVertical = 100;
    s.eccentricity = 0;
    s.slidingForce = 0;
  }
  const BearingResults& Run() {
    ComputeBearingResistance(project, results);
    return results.stability.bearing;
  }
};

}  // namespace

TEST(BearingFactors, PublishedValuesForStripFootings) {
  struct Published {
    float phi;
    double Nq, Nc, Ngamma;
  };
  // Bearing capacity factor tables for a strip, 3 significant digits.
  for (const Published row : {Published{0, 1.00, 5.14, 0.00}, {20, 6.40, 14.8, 3.93},
                              {30, 18.4, 30.1, 20.1}, {40, 64.2, 75.3, 106}}) {
    BaseCase c;
    c.project.baseFrictionAngle = row.phi;
    const BearingResults& b = c.Run();
    EXPECT_NEAR(b.Nq, row.Nq, 0.005 * row.Nq + 1e-6) << row.phi;
    EXPECT_NEAR(b.Nc, row.Nc, 0.005 * row.Nc) << row.phi;
    EXPECT_NEAR(b.Ngamma, row.Ngamma, 0.005 * row.Ngamma + 1e-6) << row.phi;
  }
}

TEST(BearingResistance, CasesWhereTheBaseCarriesNothingAreResultsNotFaults) {
  const auto expectNothingCarried = [](const char* why, auto&& setUp) {
    BaseCase c;
    setUp(c);
    const BearingResults& b = c.Run();
    EXPECT_TRUE(b.computed) << why;
    EXPECT_FALSE(b.hasResistance) << why;
    EXPECT_EQ(b.ultimatePressure, 0.0f) << why;
    EXPECT_EQ(b.resistance, 0.0f) << why;
    EXPECT_EQ(b.safetyFactor, 0.0f) << why;
  };
  expectNothingCarried("resultant at the edge", [](BaseCase& c) { c.results.stability.eccentricity = 3; });
  expectNothingCarried("H = V without cohesion", [](BaseCase& c) { c.results.stability.slidingForce = 100; });
  expectNothingCarried("undrained, H above c B'", [](BaseCase& c) {
    c.project.baseFrictionAngle = 0;
    c.project.baseCohesion = 0.1f;
    c.results.stability.slidingForce = 6.5f;
  });
  expectNothingCarried("ic below zero", [](BaseCase& c) {  // high cohesion, load near the limit
    c.project.baseCohesion = 1;
    c.project.toeUnitWeight = c.project.foundationUnitWeight = 0;
    c.results.stability.slidingForce = 0.99f * float(100 + 6 * 10 / std::tan(kPi / 6));
  });
  // No downward load, a wall that is not stable, factors beyond single precision: nothing computed.
  for (int k = 0; k < 5; ++k) {
    BaseCase c;
    if (k == 0) c.results.stability.sumVertical = -5;
    if (k == 1) c.results.stability.wallStable = false;
    if (k >= 2) c.project.baseFrictionAngle = std::array{89.5f, 90.0f, 120.0f}[std::size_t(k - 2)];
    EXPECT_FALSE(c.Run().computed) << k;
  }
  BaseCase tiny;  // an angle too small to divide by is the undrained limit, not 0 / 0
  tiny.project.baseFrictionAngle = 1e-12f;
  EXPECT_TRUE(tiny.Run().hasResistance);
  EXPECT_FLOAT_EQ(tiny.Run().Nc, float(kPi + 2));
}

// A weightless wall with an inclined line load, water between the toe edge top and the base,
// cohesion and friction, entered in each system with exactly converted values.
TEST(BearingResistance, DoesNotDependOnTheUnitSystem) {
  ProjectData metric = WeightlessWall();
  metric.waterUnitWeight = 1.0f;
  metric.waterDepthFront = 9.5f;
  metric.toeUnitWeight = 1.8f;
  metric.toeSaturatedDensity = 2.1f;
  metric.foundationSaturatedDensity = 2.05f;
  metric.baseFrictionAngle = 25;
  metric.baseCohesion = 0.5f;
  AddLineLoad(metric, 30, 2.5f, 2, 200);
  const BearingResults base = Analyse(metric).stability.bearing;
  ASSERT_TRUE(base.hasResistance);
  ASSERT_GT(base.horizontalLoad, 0);
  ASSERT_NE(base.eccentricity, 0);
  for (const UnitSystem system : {kSI, kBritish}) {
    const ConversionFactors f = ConversionFactorsFor(kMetric, system);
    ProjectData p = Converted(metric, system);
    const BearingResults b = Analyse(p).stability.bearing;
    SCOPED_TRACE(UnitSystemName(system));
    ASSERT_TRUE(b.hasResistance);
    EXPECT_NEAR(b.safetyFactor, base.safetyFactor, 1e-3 * base.safetyFactor);
    EXPECT_NEAR(b.resistance, base.resistance * f.ForcePerLength(), 1e-3 * b.resistance);
    EXPECT_NEAR(b.ultimatePressure, base.ultimatePressure * f.pressure, 1e-3 * b.ultimatePressure);
    EXPECT_NEAR(b.effectiveWidth, base.effectiveWidth * f.length, 1e-3 * b.effectiveWidth);
    EXPECT_NEAR(b.ic, base.ic, 1e-3);
  }
}
