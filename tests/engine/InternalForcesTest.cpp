// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the internal forces at the stem, toe and heel sections against hand results of
// simple walls and against the direction each load must bend a section.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/InternalForces.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// A wall with a vertical rectangular stem 0.5 wide and 5 high on a flat base 0.5 thick, level
// backfill, no water, no surcharge, no seismic load.
ProjectData PlainWall() {
  ProjectData p;
  SetDefaults(p);
  p.toeLength = 1.0f;
  p.heelLength = 2.0f;
  p.baseWidth = 3.5f;
  p.stemTopWidth = p.toeEdgeThickness = p.heelEdgeThickness = 0.5f;
  p.stemFrontHeight = p.stemBackHeight = 5.0f;
  p.waterDepthFront = p.waterDepthBack = 5.5f;
  p.stemFrontBatter = p.stemBackBatter = p.toeTaper = p.heelTaper = 0;
  p.backfillSlope = p.surchargeLoad = p.seismicCoefficient = 0;
  return p;
}

struct CaseRun {
  bool stable = false;
  SectionForces forces;
  AnalysisResults results;
  RecordingSink sink;
};

CaseRun Analyse(ProjectData p, std::array<double, 7> f) {
  CaseRun run;
  SetLoadFactors(run.results, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  run.stable = AnalyseFactoredCase(p, run.results, run.forces, run.sink);
  return run;
}

constexpr std::array<double, 7> kDeadOnly{1, 0, 0, 0, 0, 0, 0};
constexpr std::array<double, 7> kDeadAndSoil{1, 0, 1, 0, 0, 0, 0};

TEST(InternalForces, BackfillPressureBendsTheStemWithTheBackFaceInTension) {
  const CaseRun run = Analyse(PlainWall(), kDeadAndSoil);
  ASSERT_TRUE(run.stable);
  const double phi = 30 * kDeg, delta = 15 * kDeg;  // δ: concrete on earth
  const double ka = std::pow(std::cos(phi), 2) /
                    (std::cos(delta) * std::pow(1 + std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta)), 2));
  const double height = 5, thrust = std::cos(delta) * ka * 1.7 * height * height / 2;
  const double stemWeight = 0.5 * 5 * 2.4;
  // The horizontal thrust acts at a third of the height; its vertical part on the back face,
  // half the stem width behind the centre; the rectangular stem's own weight is centred.
  EXPECT_NEAR(run.forces.sectionMoment[kStemSection], -thrust * height / 3 + thrust * std::tan(delta) * 0.25, 1e-4);
  EXPECT_NEAR(run.forces.sectionShear[kStemSection], -thrust, 1e-5);
  EXPECT_NEAR(run.forces.sectionNormal[kStemSection], stemWeight + thrust * std::tan(delta), 1e-5);
  EXPECT_LT(run.forces.sectionMoment[kStemSection], 0);
  // The soil factor scales the earth pressure's share of the stem shear.
  const double none = Analyse(PlainWall(), kDeadOnly).forces.sectionShear[1];
  const double earth = double(run.forces.sectionShear[1]) - none;
  EXPECT_LT(earth, 0);
  EXPECT_NEAR(Analyse(PlainWall(), {1, 0, 1.7, 0, 0, 0, 0}).forces.sectionShear[1] - none, 1.7 * earth, 1e-5);
}

TEST(InternalForces, DefaultWallStemHangsUnderItsOwnWeight) {
  ProjectData p;
  SetDefaults(p);
  const CaseRun run = Analyse(p, {1, 1, 1, 1, 1, 1, 0});
  ASSERT_TRUE(run.stable);
  // The three stem pieces and their backfill count with their magnitudes (+31.5, not -17.5).
  EXPECT_NEAR(run.forces.sectionNormal[kStemSection], 31.53, 0.01);
  // The backfill over the long heel outweighs the base reaction under it: top face in tension.
  EXPECT_LT(run.forces.sectionMoment[kHeelSection], 0);
  EXPECT_LT(run.forces.sectionShear[kHeelSection], 0);
  // The base reaction under the toe outweighs the toe's own weight: bottom face in tension.
  EXPECT_GT(run.forces.sectionMoment[kToeSection], 0);
  EXPECT_FLOAT_EQ(run.forces.sectionNormal[kHeelSection], 0.0f);
}

struct LineLoadCase {
  float x, y, direction;
};

CaseRun WithLineLoad(const LineLoadCase& l, float load = 10) {
  ProjectData p = PlainWall();
  p.lineLoadCount = 1;
  p.lineLoads[1] = {load, l.x, l.y, l.direction, LoadCase::dead};
  return Analyse(p, kDeadAndSoil);
}

TEST(InternalForces, LineLoadsOnTheStemCountOnlyAboveItsSection) {
  const CaseRun base = Analyse(PlainWall(), kDeadAndSoil);
  const double es = 0.5;  // the stem section lies on the base top
  const double xm = 1.25;
  const auto stemDelta = [&](const CaseRun& r, auto member) {
    return double((r.forces.*member)[kStemSection]) - (base.forces.*member)[kStemSection];
  };
  // Downward load at the front edge of the stem (X = T), high up: compression and a moment.
  const CaseRun front = WithLineLoad({1.0f, 3.0f, 180});
  EXPECT_NEAR(stemDelta(front, &SectionForces::sectionNormal), 10, 1e-5);
  EXPECT_NEAR(stemDelta(front, &SectionForces::sectionMoment), 10 * (1.0 - xm), 1e-4);
  EXPECT_FLOAT_EQ(front.forces.sectionNormal[kToeSection], 0.0f);
  // At the back edge of the stem (X = x7) it is still the stem's.
  const CaseRun back = WithLineLoad({1.5f, 3.0f, 180});
  EXPECT_NEAR(stemDelta(back, &SectionForces::sectionNormal), 10, 1e-5);
  // Below the stem section it reaches the base directly: no section takes it.
  for (const float x : {1.0f, 1.25f, 1.5f}) {
    const CaseRun low = WithLineLoad({x, float(es) - 0.2f, 180});
    EXPECT_NEAR(stemDelta(low, &SectionForces::sectionNormal), 0, 1e-5) << x;
    EXPECT_NEAR(stemDelta(low, &SectionForces::sectionMoment), 0, 1e-5) << x;
    EXPECT_FLOAT_EQ(low.forces.sectionNormal[kToeSection], 0.0f) << x;
  }
  // A horizontal push towards the heel at 2 above the section bends the front face.
  const CaseRun push = WithLineLoad({1.25f, 2.5f, 90}, 5);
  EXPECT_NEAR(stemDelta(push, &SectionForces::sectionShear), 5, 1e-5);
  EXPECT_NEAR(stemDelta(push, &SectionForces::sectionMoment), 10, 1e-4);
}

TEST(InternalForces, ToeShearSectionStaysOnTheToe) {
  ProjectData p;
  SetDefaults(p);  // toe 2.0 thick, cover 5 cm, no bar yet: one effective depth of 1.95
  EXPECT_NEAR(ToeShearSectionX(p), 2.0 - 1.95, 1e-6);
  p.barDiameters[4] = 2.0f;
  EXPECT_NEAR(ToeShearSectionX(p), 2.0 - (2.0 - 0.07), 1e-6);
  p.toeTaper = 0;
  p.toeEdgeThickness = 0.03f;  // thinner than the cover and the bar
  EXPECT_DOUBLE_EQ(ToeShearSectionX(p), 2.0);
  p.toeEdgeThickness = 5.0f;  // deeper than the toe is long
  EXPECT_DOUBLE_EQ(ToeShearSectionX(p), 0.0);
  p.toeLength = 0;
  EXPECT_DOUBLE_EQ(ToeShearSectionX(p), 0.0);
}

TEST(InternalForces, ToeShearFromTheBaseReactionFollowsTheContactWhenTheHeelLifts) {
  ProjectData p = PlainWall();
  p.toeEdgeThickness = p.heelEdgeThickness = 0.3f;
  p.stemFrontHeight = p.stemBackHeight = 5.2f;
  p.lineLoadCount = 1;
  p.lineLoads[1] = {6.0f, 1.25f, 5.5f, 270, LoadCase::dead};  // pushes the stem top towards the toe
  const CaseRun run = Analyse(p, kDeadAndSoil);
  ASSERT_TRUE(run.stable);
  const StabilityResults& s = run.results.stability;
  ASSERT_EQ(s.heelPressure, 0.0f);
  ASSERT_LT(s.contactWidth, s.baseWidthUsed);
  const double xv = ToeShearSectionX(p), t = 1.0;
  ASSERT_GT(xv, 0);
  ASSERT_LT(xv, s.contactWidth);
  // Toe block weight on the toe beyond the shear section, and the triangle of contact pressure.
  const double toeWeight = run.results.polygonWeight[8] * xv / t;
  const double reaction = xv * (s.toePressure + s.toePressure * (1 - xv / s.contactWidth)) / 2;
  EXPECT_NEAR(run.forces.sectionShear[kToeSection], -toeWeight + reaction, 1e-4);
}

}  // namespace
}  // namespace kelvadrome
