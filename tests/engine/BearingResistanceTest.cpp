// SPDX-License-Identifier: GPL-3.0-or-later
// The bearing resistance of the base: the capacity factors against their published values, the
// effective width and inclination rules, the soil beside and under the base, independence of
// the unit system, and every case in which the base carries nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ServiceTestSupport.h"
#include "engine/BearingResistance.h"
#include "engine/Stability.h"
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

void ExpectNothingCarried(const BearingResults& b) {
  EXPECT_TRUE(b.computed);
  EXPECT_FALSE(b.hasResistance);
  EXPECT_EQ(b.ultimatePressure, 0.0f);
  EXPECT_EQ(b.resistance, 0.0f);
  EXPECT_EQ(b.safetyFactor, 0.0f);
}

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

TEST(BearingResistance, EccentricityNarrowsTheBaseAndInclinationFactorsTendToOne) {
  BaseCase c;
  c.project.baseCohesion = 0.3f;  // kg/cm²: 3 T/m²
  c.results.stability.eccentricity = -0.75f;
  c.results.stability.slidingForce = 1e-4f;
  const BearingResults b = c.Run();  // a copy: the next run overwrites the results
  EXPECT_EQ(b.effectiveWidth, 4.5f);
  EXPECT_EQ(b.eccentricity, -0.75f);
  EXPECT_NEAR(b.iq, 1, 1e-5);
  EXPECT_NEAR(b.ic, 1, 1e-5);
  EXPECT_NEAR(b.igamma, 1, 1e-5);
  // With every factor 1 the three terms add up by hand.
  const double expected = 3 * b.Nc + 1.8 * b.Nq + 0.5 * 2.0 * 4.5 * b.Ngamma;
  EXPECT_NEAR(b.ultimatePressure, expected, 1e-3 * expected);
  EXPECT_NEAR(b.resistance, b.ultimatePressure * 4.5, 1e-3 * b.resistance);
  EXPECT_NEAR(b.safetyFactor, b.resistance / 100.0, 1e-6);

  // A horizontal load reduces every term, the cohesion one by its own rule.
  c.results.stability.slidingForce = 30;
  const BearingResults& inclined = c.Run();
  const double ratio = 30 / (100 + 4.5 * 3 / std::tan(kPi / 6));
  EXPECT_NEAR(inclined.iq, std::pow(1 - ratio, 2), 1e-6);
  EXPECT_NEAR(inclined.igamma, std::pow(1 - ratio, 3), 1e-6);
  EXPECT_NEAR(inclined.ic, inclined.iq - (1 - inclined.iq) / (inclined.Nc * std::tan(kPi / 6)), 1e-6);
  EXPECT_LT(inclined.resistance, b.resistance);
}

TEST(BearingResistance, HorizontalLoadIsWhatTheOtherResistancesLeave) {
  BaseCase c;
  c.results.stability.slidingForce = 40;
  c.results.pressure.passiveForce = {0, 5, 7, 11};
  c.project.restraintForce = 6;
  EXPECT_EQ(c.Run().horizontalLoad, 40.0f);  // every option off

  c.project.toePassiveOption = true;
  EXPECT_EQ(c.Run().horizontalLoad, 28.0f);
  c.project.shearKeyOption = true;
  EXPECT_EQ(c.Run().horizontalLoad, 17.0f);
  c.project.restraintForceOption = true;
  EXPECT_EQ(c.Run().horizontalLoad, 11.0f);
  c.project.toePassiveOption = false;
  EXPECT_EQ(c.Run().horizontalLoad, 23.0f);

  c.project.restraintForce = 60;  // more resistance than load: the base carries none of it
  const BearingResults& b = c.Run();
  EXPECT_EQ(b.horizontalLoad, 0.0f);
  EXPECT_FALSE(std::signbit(b.horizontalLoad));
  EXPECT_EQ(b.iq, 1.0f);
}

TEST(BearingResistance, WaterTablesSubmergeTheEarthBesideAndUnderTheBase) {
  BaseCase c;
  c.project.waterOption = true;
  c.project.waterUnitWeight = 1.0f;
  c.project.toeSaturatedDensity = 2.1f;
  c.project.foundationSaturatedDensity = 2.2f;
  c.project.waterDepthFront = 9.25f;  // between the toe edge top and the base
  const BearingResults& b = c.Run();
  EXPECT_NEAR(b.overburden, 1.8 * 0.25 + 1.1 * 0.75, 1e-6);
  EXPECT_NEAR(b.effectiveUnitWeight, 1.2, 1e-6);

  c.project.waterDepthFront = 5;  // above the toe: all submerged
  EXPECT_NEAR(c.Run().overburden, 1.1, 1e-6);
  c.project.waterDepthFront = 10;  // at the base: all moist
  EXPECT_NEAR(c.Run().overburden, 1.8, 1e-6);

  c.project.waterDepthFront = 5;
  c.project.waterOption = false;  // no water: moist throughout whatever the depth says
  EXPECT_NEAR(c.Run().overburden, 1.8, 1e-6);
  EXPECT_EQ(c.Run().effectiveUnitWeight, 2.0f);
}

TEST(BearingResistance, UndrainedBaseWithoutFrictionAngle) {
  for (const float phi : {0.0f, -5.0f}) {  // a negative angle is taken as 0
    BaseCase c;
    c.project.baseFrictionAngle = phi;
    c.project.baseCohesion = 0.5f;  // 5 T/m²
    c.results.stability.slidingForce = 15;
    const BearingResults& b = c.Run();
    EXPECT_EQ(b.Nq, 1.0f);
    EXPECT_FLOAT_EQ(b.Nc, float(kPi + 2));
    EXPECT_EQ(b.Ngamma, 0.0f);
    EXPECT_EQ(b.iq, 1.0f);
    EXPECT_EQ(b.igamma, 1.0f);
    const double ic = 0.5 * (1 + std::sqrt(1 - 15.0 / (6 * 5)));
    EXPECT_NEAR(b.ic, ic, 1e-6);
    EXPECT_NEAR(b.ultimatePressure, (kPi + 2) * 5 * ic + 1.8, 1e-4);
  }
  BaseCase bare;  // no cohesion and no horizontal load: the overburden alone
  bare.project.baseFrictionAngle = 0;
  const BearingResults& b = bare.Run();
  EXPECT_EQ(b.ic, 1.0f);
  EXPECT_NEAR(b.ultimatePressure, 1.8, 1e-6);
}

TEST(BearingResistance, CasesWhereTheBaseCarriesNothingAreResultsNotFaults) {
  {  // the resultant at the edge: no effective width
    BaseCase c;
    c.results.stability.eccentricity = 3;
    ExpectNothingCarried(c.Run());
    EXPECT_EQ(c.results.stability.bearing.effectiveWidth, 0.0f);
  }
  {  // as much horizontal as vertical load without cohesion
    BaseCase c;
    c.results.stability.slidingForce = 100;
    ExpectNothingCarried(c.Run());
    EXPECT_EQ(c.results.stability.bearing.Nq, BaseCase().Run().Nq);  // the factors stay
  }
  {  // undrained, more horizontal load than the cohesion of B' carries
    BaseCase c;
    c.project.baseFrictionAngle = 0;
    c.project.baseCohesion = 0.1f;
    c.results.stability.slidingForce = 6.5f;
    ExpectNothingCarried(c.Run());
  }
  {  // high cohesion and a load near the limit: ic turns negative and so does q_ult
    BaseCase c;
    c.project.baseCohesion = 1;
    c.project.toeUnitWeight = 0;
    c.project.foundationUnitWeight = 0;
    c.results.stability.slidingForce = 0.99f * float(100 + 6 * 10 / std::tan(kPi / 6));
    ExpectNothingCarried(c.Run());
  }
  {  // no downward load, or a wall that is not stable: nothing computed at all
    BaseCase up;
    up.results.stability.sumVertical = -5;
    EXPECT_FALSE(up.Run().computed);
    BaseCase unstable;
    unstable.results.stability.wallStable = false;
    EXPECT_FALSE(unstable.Run().computed);
  }
  for (const float phi : {89.5f, 90.0f, 120.0f}) {  // factors beyond single precision, or no soil
    BaseCase c;
    c.project.baseFrictionAngle = phi;
    EXPECT_FALSE(c.Run().computed) << phi;
  }
  {  // an angle too small to divide by is the undrained limit, not 0 / 0
    BaseCase c;
    c.project.baseFrictionAngle = 1e-12f;
    const BearingResults& b = c.Run();
    EXPECT_TRUE(b.hasResistance);
    EXPECT_EQ(b.ic, 1.0f);
    EXPECT_FLOAT_EQ(b.Nc, float(kPi + 2));
  }
}

// The same wall entered in each system with exactly converted values: a weightless wall with an
// inclined line load, water between the toe edge top and the base, cohesion and friction.
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

  const auto convert = [&metric](UnitSystem system) {
    const ConversionFactors f = ConversionFactorsFor(kMetric, system);
    ProjectData p = metric;
    p.unitSystem = system;
    for (float* v : {&p.toeLength, &p.stemFrontBatter, &p.stemTopWidth, &p.stemBackBatter,
                     &p.heelLength, &p.baseWidth, &p.stemFrontHeight, &p.toeTaper,
                     &p.toeEdgeThickness, &p.stemBackHeight, &p.heelTaper, &p.heelEdgeThickness,
                     &p.waterDepthFront, &p.waterDepthBack, &p.shearKeyDepth, &p.lineLoads[1].x,
                     &p.lineLoads[1].y}) {
      *v = float(*v * f.length);
    }
    for (float* v : {&p.waterUnitWeight, &p.toeUnitWeight, &p.toeSaturatedDensity,
                     &p.foundationUnitWeight, &p.foundationSaturatedDensity}) {
      *v = float(*v * f.UnitWeight());
    }
    for (float* v : {&p.baseCohesion, &p.baseBearingCapacity, &p.concreteStrength}) {
      *v = float(*v * f.stress);
    }
    p.lineLoads[1].load = float(p.lineLoads[1].load * f.ForcePerLength());
    return std::pair{Analyse(p).results.stability.bearing, f};
  };

  const auto [base, one] = convert(kMetric);
  ASSERT_TRUE(base.hasResistance);
  ASSERT_GT(base.horizontalLoad, 0);
  ASSERT_NE(base.eccentricity, 0);
  for (const UnitSystem system : {kSI, kBritish}) {
    const auto [b, f] = convert(system);
    ASSERT_TRUE(b.hasResistance) << UnitSystemName(system);
    EXPECT_NEAR(b.safetyFactor, base.safetyFactor, 1e-3 * base.safetyFactor) << UnitSystemName(system);
    EXPECT_NEAR(b.resistance, base.resistance * f.ForcePerLength(), 1e-3 * b.resistance) << UnitSystemName(system);
    EXPECT_NEAR(b.ultimatePressure, base.ultimatePressure * f.pressure, 1e-3 * b.ultimatePressure);
    EXPECT_NEAR(b.effectiveWidth, base.effectiveWidth * f.length, 1e-3 * b.effectiveWidth);
    EXPECT_NEAR(b.ic, base.ic, 1e-3) << UnitSystemName(system);
  }
}

TEST(BearingResistance, OnlyTheServiceAnalysisComputesIt) {
  ProjectData p = DefaultProject();
  ServiceRun run = Analyse(p);
  EXPECT_TRUE(run.results.stability.bearing.computed);
  ComputeStability(p, run.results, run.sink);  // a run with whatever factors are set
  EXPECT_FALSE(run.results.stability.bearing.computed);
}
