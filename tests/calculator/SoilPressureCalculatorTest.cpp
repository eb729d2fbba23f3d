// SPDX-License-Identifier: GPL-3.0-or-later
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

// Results of inputs whose messages the test does not look at.
CalculatorResults Compute(const CalculatorInputs& in) {
  RecordingSink sink;
  return ComputeSoilPressure(in, sink);
}

// Depth of the centroid of a trapezoid of ordinates a (top) and b (bottom) over height h.
double TrapezoidCentroid(double a, double b, double h) { return h * (a + 2 * b) / (3 * (a + b)); }

TEST(SoilPressureCalculator, RankineCoefficientsForThirtyDegrees) {
  const CalculatorResults r = Compute(RankineLayer());
  EXPECT_NEAR(r.cases[kCaseA1].K, 1.0 / 3, 1e-6);
  EXPECT_NEAR(r.cases[kCaseP1].K, 3.0, 1e-5);
  EXPECT_NEAR(r.cases[kCaseR].K, 0.5, 1e-6);
  EXPECT_FALSE(r.slopeAdjusted);
  EXPECT_NEAR(r.waterDepth, 2 + 8.0 / 3, 1e-6);
}

TEST(SoilPressureCalculator, ActiveDiagramMatchesHandCalculation) {
  const CalculatorCaseResult a = Compute(RankineLayer()).cases[kCaseA1];
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

// A water table at the top submerges the whole layer, one at the bottom leaves no water; the
// empty part of the diagram gets no force and no 0/0 depth.
TEST(SoilPressureCalculator, WaterTableAtTopOrBottom) {
  for (const float waterDepth : {0.0f, 6.0f}) {
    CalculatorInputs in = RankineLayer();
    in[kCalcWaterDepth] = waterDepth;
    const CalculatorResults r = Compute(in);
    for (const CalculatorCaseResult& c : r.cases) {
      EXPECT_FLOAT_EQ(waterDepth == 0 ? c.F1 : c.F2, 0.0f);
      EXPECT_FLOAT_EQ(waterDepth == 0 ? c.z1 : c.z2, waterDepth);
      EXPECT_TRUE(std::isfinite(c.z));
    }
    EXPECT_FLOAT_EQ(r.waterPressure, 6.0f - waterDepth);
    EXPECT_FLOAT_EQ(r.waterForce, (6.0f - waterDepth) * (6.0f - waterDepth) / 2);
    EXPECT_FLOAT_EQ(r.waterDepth, waterDepth == 0 ? 4.0f : 6.0f);
  }
}

TEST(SoilPressureCalculator, SeismicIncrementBuildsOnTheFullTopOrdinate) {
  CalculatorInputs in = RankineLayer();
  in[kCalcSeismicCoefficient] = 0.15f;
  const CalculatorResults r = Compute(in);
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
  const CalculatorResults r = Compute(in);
  const CalculatorCaseResult& a = r.cases[kCaseA1];
  const double cosTheta = std::cos(10 * kDeg);
  EXPECT_NEAR(a.F1, (double(a.pTop) + a.pWt) / 2 * 2 / cosTheta, 1e-5);
  EXPECT_NEAR(a.z1, TrapezoidCentroid(a.pTop, a.pWt, 2) * cosTheta, 1e-5);
  EXPECT_NEAR(r.waterForce, 4.0 * 4 / 2 / cosTheta, 1e-5);
  EXPECT_FLOAT_EQ(r.inclination, 15.0f);
}

// A slope steeper than φ is set to φ; without a seismic load no column is left out. (With one,
// the golden-file suite has the left-out seismic columns.)
TEST(SoilPressureCalculator, SteepSlopeIsSetToTheFrictionAngle) {
  CalculatorInputs in = RankineLayer();
  in[kCalcSoilSlope] = 40;
  RecordingSink sink;
  const CalculatorResults r = ComputeSoilPressure(in, sink);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(r.slopeAdjusted);
  EXPECT_FLOAT_EQ(r.slopeUsed, 30.0f);
  // With β = φ the active coefficient is cos²φ (level face, no wall friction).
  EXPECT_NEAR(r.cases[kCaseA1].K, 0.75, 1e-6);
  for (const CalculatorCaseResult& c : r.cases) EXPECT_TRUE(c.available && std::isfinite(c.F));
}

TEST(SoilPressureCalculator, StaticCoefficientThatCannotBeFormedIsAFault) {
  CalculatorInputs in = RankineLayer();
  in[kCalcWallFriction] = 70;
  in[kCalcWallInclination] = 30;
  EXPECT_THROW((void)Compute(in), EngineError);
}

// A stem without a back height and batter has no face inclination to divide out.
TEST(SoilPressureCalculator, InitialValuesOfALevelWallWithoutBackStem) {
  ProjectData p;
  SetDefaults(p);
  p.backfillSlope = 0;
  p.stemBackBatter = 0;
  p.stemBackHeight = 0;
  const CalculatorInputs level = CalculatorInitialValues(p);
  EXPECT_EQ(level[kCalcSoilSlope], 0.0f);
  EXPECT_EQ(level[kCalcWallInclination], 0.0f);
}

}  // namespace
}  // namespace kelvadrome
