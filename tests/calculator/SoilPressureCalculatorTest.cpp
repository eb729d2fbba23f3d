// Checks of the soil-pressure calculator against hand results of simple layers.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/SoilPressureCalculator.h"
#include "engine/EngineError.h"

namespace kelvadrome {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// A level layer against a vertical smooth face: the textbook Rankine case.
CalculatorInputs RankineLayer() {
  CalculatorInputs in{};
  in[kCalcWetDensity] = 1.8f;
  in[kCalcSaturatedDensity] = 2.0f;
  in[kCalcWaterDensity] = 1.0f;
  in[kCalcFrictionAngle] = 30.0f;
  in[kCalcSoilDepth] = 6.0f;
  in[kCalcWaterDepth] = 2.0f;
  in[kCalcSurcharge] = 1.0f;
  return in;
}

// Depth of the centroid of a trapezoid of ordinates a (top) and b (bottom) over height h.
double TrapezoidCentroid(double a, double b, double h) { return h * (a + 2 * b) / (3 * (a + b)); }

TEST(SoilPressureCalculator, RankineCoefficientsForThirtyDegrees) {
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(RankineLayer(), sink);
  EXPECT_NEAR(r.cases[kCaseA1].K, 1.0 / 3, 1e-6);
  EXPECT_NEAR(r.cases[kCaseP1].K, 3.0, 1e-5);
  EXPECT_NEAR(r.cases[kCaseR].K, 0.5, 1e-6);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(r.slopeAdjusted);
  EXPECT_FLOAT_EQ(r.inclination, 0.0f);
}

TEST(SoilPressureCalculator, ActiveDiagramMatchesHandCalculation) {
  RecordingSink sink;
  const CalculatorCaseResult a = ComputeSoilPressure(RankineLayer(), sink).cases[kCaseA1];
  const double k = 1.0 / 3;
  const double top = 1.0 * k, atWater = top + k * 1.8 * 2, bottom = atWater + k * (2.0 - 1.0) * 4;
  EXPECT_NEAR(a.pTop, top, 1e-5);
  EXPECT_NEAR(a.pWt, atWater, 1e-5);
  EXPECT_FLOAT_EQ(a.pWt2, a.pWt);
  EXPECT_NEAR(a.pBot, bottom, 1e-5);
  EXPECT_NEAR(a.F1, (top + atWater) * 2 / 2, 1e-5);
  EXPECT_NEAR(a.F2, (atWater + bottom) * 4 / 2, 1e-5);
  EXPECT_NEAR(a.F, a.F1 + a.F2, 1e-5);
  EXPECT_NEAR(a.z1, TrapezoidCentroid(top, atWater, 2), 1e-5);
  EXPECT_NEAR(a.z2, 2 + TrapezoidCentroid(atWater, bottom, 4), 1e-5);
  EXPECT_NEAR(a.z, (a.F1 * a.z1 + a.F2 * a.z2) / a.F, 1e-5);
}

TEST(SoilPressureCalculator, WaterResults) {
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(RankineLayer(), sink);
  EXPECT_FLOAT_EQ(r.waterPressure, 4.0f);
  EXPECT_FLOAT_EQ(r.waterForce, 8.0f);
  EXPECT_NEAR(r.waterDepth, 2 + 8.0 / 3, 1e-6);
}

TEST(SoilPressureCalculator, WaterTableAtTopSubmergesTheWholeLayer) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWaterDepth] = 0;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  for (const CalculatorCaseResult& c : r.cases) {
    EXPECT_FLOAT_EQ(c.F1, 0.0f);
    EXPECT_FLOAT_EQ(c.z1, 0.0f);  // the tiny divisor keeps 0/0 away
    EXPECT_TRUE(std::isfinite(c.z));
  }
  EXPECT_FLOAT_EQ(r.waterPressure, 6.0f);
  EXPECT_FLOAT_EQ(r.waterDepth, 4.0f);
}

TEST(SoilPressureCalculator, WaterTableAtBottomLeavesNoWater) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWaterDepth] = in[kCalcSoilDepth];
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  for (const CalculatorCaseResult& c : r.cases) {
    EXPECT_FLOAT_EQ(c.F2, 0.0f);
    EXPECT_FLOAT_EQ(c.z2, 6.0f);
  }
  EXPECT_FLOAT_EQ(r.waterPressure, 0.0f);
  EXPECT_FLOAT_EQ(r.waterForce, 0.0f);
  EXPECT_FLOAT_EQ(r.waterDepth, 6.0f);
}

TEST(SoilPressureCalculator, WithoutSeismicLoadTheSeismicColumnsEqualTheNormalOnes) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWallFriction] = 15;
  in[kCalcSoilSlope] = 10;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  for (const auto [seismic, normal] : {std::pair{kCaseA2, kCaseA1}, std::pair{kCaseP2, kCaseP1}}) {
    const CalculatorCaseResult& s = r.cases[seismic];
    const CalculatorCaseResult& n = r.cases[normal];
    ASSERT_TRUE(s.available);
    EXPECT_EQ(s.K, n.K);
    EXPECT_EQ(s.pTop, n.pTop);
    EXPECT_EQ(s.pWt, n.pWt);
    EXPECT_EQ(s.pWt2, s.pWt);
    EXPECT_EQ(s.pBot, n.pBot);
    EXPECT_EQ(s.F, n.F);
    EXPECT_EQ(s.z, n.z);
  }
}

TEST(SoilPressureCalculator, SeismicIncrementBuildsOnTheFullTopOrdinate) {
  CalculatorInputs in = RankineLayer();
  in[kCalcSeismicCoefficient] = 0.15f;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  const CalculatorCaseResult& s = r.cases[kCaseA2];
  const CalculatorCaseResult& n = r.cases[kCaseA1];
  ASSERT_TRUE(s.available);
  const double increment = double(s.K) - n.K;
  EXPECT_GT(increment, 0);
  EXPECT_NEAR(s.pTop, n.pTop + increment * 1.8 * 6, 1e-5);
  // Below the water table the increment uses the saturated density instead of the wet one.
  EXPECT_NEAR(double(s.pWt2) - s.pWt, increment * (2.0 - 1.8) * 4, 1e-5);
  EXPECT_NEAR(double(s.pBot) - s.pWt2, double(n.pBot) - n.pWt, 1e-5);
}

TEST(SoilPressureCalculator, InclinedFaceScalesForcesAndDepths) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWallInclination] = 10;
  in[kCalcWallFriction] = 5;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  const CalculatorCaseResult& a = r.cases[kCaseA1];
  const double cosTheta = std::cos(10 * kDeg);
  EXPECT_NEAR(a.F1, (double(a.pTop) + a.pWt) / 2 * 2 / cosTheta, 1e-5);
  EXPECT_NEAR(a.z1, TrapezoidCentroid(a.pTop, a.pWt, 2) * cosTheta, 1e-5);
  EXPECT_NEAR(r.waterForce, 4.0 * 4 / 2 / cosTheta, 1e-5);
  EXPECT_FLOAT_EQ(r.inclination, 15.0f);
}

TEST(SoilPressureCalculator, SteepSlopeIsSetToTheFrictionAngle) {
  CalculatorInputs in = RankineLayer();
  in[kCalcSoilSlope] = 40;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], "The soil slope is steeper than the internal friction angle. Soil slope adjusted");
  EXPECT_TRUE(r.slopeAdjusted);
  EXPECT_FLOAT_EQ(r.slopeUsed, 30.0f);
  // With β = φ the active coefficient is cos²φ (level face, no wall friction).
  EXPECT_NEAR(r.cases[kCaseA1].K, 0.75, 1e-6);
  EXPECT_TRUE(r.cases[kCaseA2].available);
}

TEST(SoilPressureCalculator, SteepSlopeWithSeismicLoadLeavesOnlyTheSeismicColumnsOut) {
  CalculatorInputs in = RankineLayer();
  in[kCalcSoilSlope] = 40;
  in[kCalcSeismicCoefficient] = 0.1f;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  EXPECT_FALSE(r.cases[kCaseA2].available);
  EXPECT_FALSE(r.cases[kCaseP2].available);
  for (const int c : {kCaseA1, kCaseP1, kCaseR}) {
    EXPECT_TRUE(r.cases[c].available);
    EXPECT_TRUE(std::isfinite(r.cases[c].F));
  }
  EXPECT_FLOAT_EQ(r.waterForce, 8.0f);
}

TEST(SoilPressureCalculator, StaticCoefficientThatCannotBeFormedIsAFault) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWallFriction] = 70;
  in[kCalcWallInclination] = 30;
  RecordingSink sink;
  EXPECT_THROW((void)ComputeSoilPressure(in, sink), EngineError);
}

TEST(SoilPressureCalculator, InitialValuesComeFromTheProject) {
  ProjectData p;
  SetDefaults(p);
  const CalculatorInputs in = CalculatorInitialValues(p);
  EXPECT_EQ(in[kCalcWetDensity], p.backfillUnitWeight);
  EXPECT_EQ(in[kCalcWallFriction], p.wallFrictionConcrete);
  EXPECT_NEAR(in[kCalcSoilSlope], std::atan(1 / 5.0) / kDeg, 1e-5);
  EXPECT_NEAR(in[kCalcWallInclination], std::atan(0.5 / 7.73) / kDeg, 1e-5);
  EXPECT_EQ(in[kCalcSoilDepth], p.stemBackHeight);
  EXPECT_EQ(in[kCalcSeismicCoefficient], p.seismicCoefficient);

  p.backfillSlope = 0;
  p.stemBackBatter = 0;
  p.stemBackHeight = 0;
  const CalculatorInputs level = CalculatorInitialValues(p);
  EXPECT_EQ(level[kCalcSoilSlope], 0.0f);
  EXPECT_EQ(level[kCalcWallInclination], 0.0f);
}

}  // namespace
}  // namespace kelvadrome
