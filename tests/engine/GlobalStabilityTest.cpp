// SPDX-License-Identifier: GPL-3.0-or-later
// Global stability: the slip section, one circle by Bishop's simplified method and the search
// for the critical circle, checked against physics rather than against the code's own formulas.
#include <gtest/gtest.h>

#include "ServiceTestSupport.h"
#include "engine/GlobalStability.h"
#include "engine/SlipCircle.h"
#include "engine/SlipSection.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

namespace kelvadrome {
namespace {

using test::AddLineLoad;
using test::Analyse;
using test::DefaultProject;

// The default wall without water or cohesion.
ProjectData DryWall() {
  ProjectData p = DefaultProject();
  p.waterOption = false;
  p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
  return p;
}

// The analysed project (a slope rule may have flattened its slope) and its slip section.
struct Analysed {
  ProjectData project;
  AnalysisResults results = Analyse(project);
  SlipSection section = BuildSlipSection(project);
};

Analysed Prepare(const ProjectData& p) { return {p}; }

double SearchFactor(const ProjectData& p) {
  const Analysed a = Prepare(p);
  const GlobalStabilityResults g = ComputeGlobalStability(a.project, a.results);
  EXPECT_EQ(g.status, GlobalStabilityResults::Status::found);
  return g.safetyFactor;
}

TEST(GlobalStability, SameFactorInEveryUnitSystem) {
  ProjectData metric = DryWall();
  metric.backfillSlope = 0;  // the slope in the file is a ratio and needs no conversion either way
  AddLineLoad(metric, 3.0f, 6.5f, 9.0f, 200.0f);
  const double expected = SearchFactor(metric);
  for (const UnitSystem system : {kSI, kBritish}) {
    EXPECT_NEAR(SearchFactor(test::Converted(metric, system)), expected, 1e-4 * expected)
        << UnitSystemName(system);
  }
}

TEST(GlobalStability, CircleThatCutsTheConcreteIsRefused) {
  ProjectData p = DryWall();
  const Analysed a = Prepare(p);
  // Through the middle of the stem.
  EXPECT_EQ(EvaluateCircle(a.section, {3.0, -2.0, 5.0}).refusal, CircleRefusal::cutsConcrete);
  // Holds the base but not the stem top.
  EXPECT_EQ(EvaluateCircle(a.section, {3.6, 12.0, 11.9}).refusal, CircleRefusal::cutsConcrete);

  // A circle that passes just under the base but above the bottom of the key: admitted
  // without the key, refused with it.
  const SlipCircle shallow{3.6, -8.0, 18.5};
  ASSERT_TRUE(EvaluateCircle(a.section, shallow).Admissible());
  p.shearKeyOption = true;
  p.shearKeyDepth = 0.67f;
  EXPECT_EQ(EvaluateCircle(Prepare(p).section, shallow).refusal, CircleRefusal::cutsConcrete);
}

// On this wall the first trial of one circle makes a steep slice's m negative and the next trial
// factor negative; the iteration recovers and converges, like its neighbour's.
TEST(GlobalStability, IterationRecoversFromANegativeTrialFactor) {
  const Analysed a = Prepare(ReadProjectFile(KELVADROME_TEST_DATA "/trial-factor-below-zero.kvi"));
  const CircleResult r = EvaluateCircle(a.section, {8.73, -3.56, 18.55});
  ASSERT_TRUE(r.Admissible()) << CircleRefusalText(r.refusal);
  EXPECT_NEAR(r.safetyFactor, 5.463612, 1e-5);
  const CircleResult neighbour = EvaluateCircle(a.section, {8.78, -3.56, 18.57});
  ASSERT_TRUE(neighbour.Admissible());
  EXPECT_NEAR(neighbour.safetyFactor, 5.516367, 1e-5);
}

TEST(GlobalStability, SearchFindsTheMinimumOfEveryCircleItReports) {
  ProjectData p = DefaultProject();
  const Analysed a = Prepare(p);
  const GlobalStabilityResults g = SearchCriticalCircle(a.section, 1);
  ASSERT_EQ(g.status, GlobalStabilityResults::Status::found);
  // The reported circle, evaluated again, gives the reported factor and ends.
  const CircleResult again = EvaluateCircle(a.section, {g.centreX, g.centreY, g.radius});
  ASSERT_TRUE(again.Admissible());
  EXPECT_NEAR(again.safetyFactor, g.safetyFactor, 1e-4 * g.safetyFactor);
  EXPECT_NEAR(*again.ends.exitX, g.exitX, 1e-3);
  EXPECT_NEAR(*again.ends.entryX, g.entryX, 1e-3);
  // No admissible circle of a coarse independent scan does better.
  for (double xc = -5; xc <= 12; xc += 1.7) {
    for (double yc = -14; yc <= -1; yc += 1.3) {
      for (double R = 5; R <= 40; R += 1.1) {
        const CircleResult r = EvaluateCircle(a.section, {xc, yc, R});
        if (r.Admissible()) EXPECT_GE(r.safetyFactor, g.safetyFactor * (1 - 1e-6));
      }
    }
  }
  // Threads change nothing.
  EXPECT_EQ(SearchCriticalCircle(a.section, 3), g);
}

}  // namespace
}  // namespace kelvadrome
