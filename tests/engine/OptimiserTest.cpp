// SPDX-License-Identifier: GPL-3.0-or-later
// The sizing optimiser: its result against brute force on a small grid, the local-optimum
// property, the same result on one and four threads, Cancel, and walls that cannot be found.
#include <gtest/gtest.h>

#include <stop_token>

#include "ServiceTestSupport.h"
#include "engine/Optimiser.h"
#include "engine/OptimiserGrid.h"
#include "model/OptimiserDefaults.h"

using namespace kelvadrome;

namespace {

constexpr auto kToe = static_cast<std::size_t>(OptimisedDimension::toeLength);
constexpr auto kHeel = static_cast<std::size_t>(OptimisedDimension::heelLength);
constexpr auto kKey = static_cast<std::size_t>(OptimisedDimension::shearKeyDepth);

// The default wall with only the listed dimensions varied, between the given bounds; the toe is
// held at a length on which the base can bear the wall unless the list varies it.
ProjectData VaryOnly(std::initializer_list<std::tuple<std::size_t, float, float>> varied) {
  ProjectData p = test::DefaultProject();
  for (OptimiserVariable& v : p.optimiserVariables) v.vary = false;
  p.optimiserVariables[kToe] = {true, 3.5f, 3.5f};
  for (const auto& [d, lo, hi] : varied) p.optimiserVariables[d] = {true, lo, hi};
  return p;
}

// Every neighbour one step away in one or two varied dimensions, evaluated afresh: none may be
// cheaper and feasible.
void ExpectLocalOptimum(const ProjectData& p, const OptimisedWall& best) {
  const OptimiserGrid grid(p);
  const ActiveTargets targets = ActiveTargetsOf(p);
  GridIndex at{};
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    const auto s = static_cast<std::size_t>(d);
    while (grid.Dimensions(at)[s] != best.dimensions[s]) ++at[s];
  }
  for (const GridIndex& n : grid.Neighbours(at, 1)) {
    const CandidateEvaluation e = EvaluateCandidate(p, grid.Dimensions(n), targets);
    EXPECT_FALSE(e.PassesAnalysis() && e.cost < best.evaluation.cost)
        << "a cheaper feasible neighbour: cost " << e.cost << " below " << best.evaluation.cost;
  }
}

}  // namespace

TEST(Optimiser, SmallGridGivesTheBruteForceMinimum) {
  const ProjectData p = VaryOnly({{kHeel, 10.0f, 11.5f}, {kKey, 1.5f, 2.0f}});
  const OptimiserGrid grid(p);
  const ActiveTargets targets = ActiveTargetsOf(p);
  std::optional<std::pair<double, WallDimensions>> brute;
  int feasible = 0;
  for (int h = 0; h < grid.Size(int(kHeel)); ++h) {
    for (int k = 0; k < grid.Size(int(kKey)); ++k) {
      GridIndex index{};
      index[kHeel] = h;
      index[kKey] = k;
      const WallDimensions dims = grid.Dimensions(index);
      const CandidateEvaluation e = EvaluateCandidate(p, dims, targets);
      if (!e.PassesAnalysis()) continue;
      ++feasible;
      if (!brute || e.cost < brute->first) brute = {{e.cost, dims}};
    }
  }
  ASSERT_TRUE(brute) << "the grid must hold a feasible wall";

  const OptimiserResult r = OptimiseWall(p);
  ASSERT_FALSE(r.walls.empty()) << r.message;
  EXPECT_EQ(r.walls[0].evaluation.cost, brute->first);
  EXPECT_EQ(r.walls[0].dimensions, brute->second);
  EXPECT_EQ(r.feasible, feasible);
  EXPECT_EQ(r.evaluated, grid.Size(int(kHeel)) * grid.Size(int(kKey)));
  // Ten distinct walls, cheapest first.
  ASSERT_EQ(r.walls.size(), 10u);
  for (std::size_t i = 1; i < r.walls.size(); ++i) {
    EXPECT_LE(r.walls[i - 1].evaluation.cost, r.walls[i].evaluation.cost);
    EXPECT_NE(r.walls[i - 1].dimensions, r.walls[i].dimensions);
  }
}

TEST(Optimiser, SameResultOnOneAndFourThreadsAndALocalOptimum) {
  const ProjectData p = VaryOnly({{kToe, 2.5f, 4.0f}, {kHeel, 9.0f, 11.5f}, {kKey, 1.0f, 2.0f}});
  OptimiserOptions one;
  one.threads = 1;
  one.coarseBudget = 200;
  OptimiserOptions four = one;
  four.threads = 4;
  const OptimiserResult a = OptimiseWall(p, one);
  const OptimiserResult b = OptimiseWall(p, four);
  ASSERT_FALSE(a.walls.empty()) << a.message;
  EXPECT_EQ(a.evaluated, b.evaluated);
  EXPECT_EQ(a.feasible, b.feasible);
  ASSERT_EQ(a.walls.size(), b.walls.size());
  for (std::size_t i = 0; i < a.walls.size(); ++i) {
    EXPECT_EQ(a.walls[i].dimensions, b.walls[i].dimensions) << i;
    EXPECT_EQ(a.walls[i].evaluation.quantities, b.walls[i].evaluation.quantities) << i;
  }
  ExpectLocalOptimum(p, a.walls[0]);
}

TEST(Optimiser, CancelKeepsTheBestFoundSoFar) {
  const ProjectData p = test::DefaultProject();
  std::stop_source stop;
  OptimiserOptions options;
  options.stop = stop.get_token();
  int reports = 0;
  options.progress = [&](const OptimiserProgress& progress) {
    ++reports;
    if (progress.bestCost) stop.request_stop();
  };
  const OptimiserResult r = OptimiseWall(p, options);
  EXPECT_TRUE(r.cancelled);
  ASSERT_FALSE(r.walls.empty());
  EXPECT_GT(reports, 0);
  // The wall kept is feasible when analysed again.
  const CandidateEvaluation again = EvaluateCandidate(p, r.walls[0].dimensions, ActiveTargetsOf(p));
  EXPECT_TRUE(again.PassesAnalysis());
  EXPECT_EQ(again.cost, r.walls[0].evaluation.cost);
}

TEST(Optimiser, ImpossibleTargetsAndUnusableSettingsGiveAClearMessage) {
  ProjectData p = VaryOnly({{kHeel, 6.0f, 7.0f}, {kKey, 1.0f, 2.0f}});
  p.optimiserTargets.withSeismic.sliding = 100;
  const OptimiserResult r = OptimiseWall(p);
  EXPECT_TRUE(r.walls.empty());
  EXPECT_EQ(r.feasible, 0);
  EXPECT_EQ(r.mostFailed, CheckId::sliding);
  EXPECT_EQ(r.message, "No wall within the bounds meets every target; the check that failed most often among "
                       "the near-misses: sliding.");

  ProjectData none = p;
  for (OptimiserVariable& v : none.optimiserVariables) v.vary = false;
  EXPECT_EQ(OptimiserSettingsProblem(none), "No dimension is set to vary.");
  ProjectData wide = p;
  wide.optimiserVariables[kHeel] = {true, 0.0f, 1e6f};
  EXPECT_NE(OptimiserSettingsProblem(wide).find("more than 10000 steps"), std::string::npos);
}
