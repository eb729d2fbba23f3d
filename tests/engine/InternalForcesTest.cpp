// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the internal forces at the stem, toe and heel sections against hand results of
// simple walls and against the direction each load must bend a section.
#include <gtest/gtest.h>

#include "engine/InternalForces.h"
#include "engine/LoadFactors.h"

namespace kelvadrome {
namespace {

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

constexpr std::array<double, 7> kDeadAndSoil{1, 0, 1, 0, 0, 0, 0};

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
