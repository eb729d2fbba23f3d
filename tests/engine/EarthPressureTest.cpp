// SPDX-License-Identifier: GPL-3.0-or-later
// Earth pressure coefficients against published values, the seismic increment and the two
// backfill slope rules.
#include <gtest/gtest.h>

#include <cmath>

#include "ServiceTestSupport.h"
#include "engine/EarthPressure.h"
#include "engine/LoadFactors.h"
#include "engine/SlopeRules.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {
namespace {

using test::DefaultProject;

struct PressureRun {
  AnalysisResults r;
  RecordingSink sink;
};

PressureRun Pressures(const ProjectData& p) {
  PressureRun run;
  SetServiceLoadFactors(run.r);
  ComputeWallOutline(p, run.r);
  ComputeSeismicPressure(p, run.r, run.sink);
  ComputePassivePressure(p, run.r);
  return run;
}

// Coulomb's active coefficient for a vertical back (tables of Das, Principles of Foundation
// Engineering), with δ set through the earth-on-earth friction of a wall with a heel.
TEST(ActivePressure, CoulombCoefficientMatchesPublishedValues) {
  struct Case {
    float phi, delta, expected;
  };
  for (const Case c : {Case{30, 0, 0.3333f}, Case{30, 15, 0.3014f}, Case{30, 20, 0.2973f},
                       Case{35, 0, 0.2710f}, Case{28, 20, 0.3203f}}) {
    ProjectData p = DefaultProject();
    p.backfillSlope = 0;
    p.backfillFrictionAngle = c.phi;
    p.wallFrictionEarth = c.delta;
    const PressureRun run = Pressures(p);
    EXPECT_NEAR(run.r.pressure.activeCoefficient, c.expected, 5e-5) << c.phi << " " << c.delta;
  }
}

// Mononobe-Okabe for φ = 30°, δ = 30°, level backfill, kh = 0.15: KAE from the closed form.
TEST(SeismicPressure, IncrementAndHydrodynamicThrust) {
  ProjectData p = DefaultProject();
  p.backfillSlope = 0;
  const PressureRun run = Pressures(p);
  const PressureResults& s = run.r.pressure;
  const double deg = std::atan(1.0) / 45, phi = 30 * deg, delta = 30 * deg;
  const double psi = std::atan(0.15);
  const double root = 1 + std::sqrt(std::sin(phi + delta) * std::sin(phi - psi) /
                                    std::cos(delta + psi));
  const double kae =
      std::pow(std::cos(phi - psi), 2) / (std::cos(psi) * std::cos(delta + psi) * root * root);
  EXPECT_NEAR(s.seismicIncrementCoefficient, kae - s.activeCoefficient, 1e-6);
  EXPECT_NEAR(s.seismicPressure[1], 1.7 * (kae - s.activeCoefficient) * 10 * std::cos(delta), 1e-5);
  // The inverted triangle's resultant lies a third of the height below the surface.
  EXPECT_NEAR(s.seismicForceDepth[1], 10.0 / 3, 1e-5);
  EXPECT_NEAR(s.seismicForceDepth[2], 1.5 + 8.5 / 3, 1e-5);
  // Westergaard: 7/12 γw kh h² with h = 10 - 5, at 0.4 h above the base.
  EXPECT_NEAR(s.hydrodynamicForce, 7.0 / 12 * 0.15 * 25, 1e-6);
  EXPECT_NEAR(s.hydrodynamicBasePressure, 7.0 / 8 * 0.15 * 5, 1e-6);
  EXPECT_FLOAT_EQ(s.hydrodynamicDepth, 8.0f);
}

// 45° > 30°: rule 1 gives 1.8 (29.05°); with a seismic load that is still above 30° - 8.53° and
// rule 2 takes 10·cot(30° - atan 0.15) = 25.5 up to 26. Without one rule 2 must not fire, and
// no seismic load arises.
TEST(SlopeRules, SteepSlopeIsFlattenedOnceByEachRule) {
  for (const float kh : {0.15f, 0.0f}) {
    ProjectData p = DefaultProject();
    p.backfillSlope = 1.0f;
    p.seismicCoefficient = kh;
    const ServiceAnalysis run = AnalyseService(p);
    const std::vector<std::string> both{kSlopeRule1Message, kSlopeRule2Message};
    EXPECT_EQ(run.messages, kh > 0 ? both : std::vector<std::string>{kSlopeRule1Message});
    EXPECT_TRUE(run.results.slopeAdjusted);  // the calculator window tells of it
    ASSERT_TRUE(run.adjustedSlope);
    EXPECT_FLOAT_EQ(*run.adjustedSlope, kh > 0 ? 2.6f : 1.8f);
    // A second analysis with the flattened slope fires no rule.
    p.backfillSlope = *run.adjustedSlope;
    const ServiceAnalysis again = AnalyseService(p);
    EXPECT_TRUE(again.messages.empty());
    EXPECT_FALSE(again.adjustedSlope);
    if (kh > 0) continue;
    const PressureResults& s = run.results.pressure;
    EXPECT_EQ(s.seismicIncrementCoefficient, 0.0f);
    for (const float f : s.seismicForce) EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(s.hydrodynamicForce, 0.0f);
  }
}

TEST(SlopeRules, FlattenedSlopeRoundsUpToTheNextTenth) {
  EXPECT_FLOAT_EQ(FlattenedSlope(std::atan(1.0)), 1.1f);  // 10·cot 45° is 10.000000000000002
}

// No flattening helps a zero friction angle, and a seismic angle ψ = 31° above φ = 30° leaves
// no Mononobe-Okabe coefficient: both stop the analysis before any slope is changed.
TEST(SlopeRules, HopelessAnglesAreFaults) {
  struct Case {
    float friction, slope, seismic;
    const char* error;
  };
  for (const Case c : {Case{0, 5.0f, 0.15f, kZeroFrictionSlopeError}, Case{30, 0, 0.6f, kSeismicTooLargeError}}) {
    ProjectData p = DefaultProject();
    p.backfillFrictionAngle = c.friction;
    p.backfillSlope = c.slope;
    p.seismicCoefficient = c.seismic;
    const ServiceAnalysis run = AnalyseService(p);
    EXPECT_EQ(run.fault, c.error);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_FALSE(run.adjustedSlope);
  }
}

TEST(PassivePressure, CoulombCoefficientMatchesPublishedValue) {
  // Kp = 4.977 for φ = 30°, δ = 15° (Das); the default toe earth has no water above the toe.
  ProjectData p = DefaultProject();
  const PressureRun run = Pressures(p);
  const PressureResults& s = run.r.pressure;
  const double cosDelta = std::cos(15 * std::atan(1.0) / 45);
  EXPECT_EQ(s.passivePressure[1], 0.0f);  // the water (5) lies above the toe edge top (9)
  EXPECT_NEAR(s.passivePressure[2] / ((2.0 - 1.0) * 1.0 * cosDelta), 4.977, 5e-4);
  EXPECT_FLOAT_EQ(s.passiveForceDepth[2], 9.0f + 2.0f / 3);
}

}  // namespace
}  // namespace kelvadrome
