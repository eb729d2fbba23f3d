// SPDX-License-Identifier: GPL-3.0-or-later
// The sizing optimiser: the cheapest wall within the bounds of the project's optimiser variables
// that meets every target, with the next cheapest feasible walls found on the way.
//
// The result is the same on any number of threads, and it is a local optimum of the grid: no
// wall one step away in any one or any two varied dimensions is cheaper and feasible.
#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "engine/OptimiserChecks.h"
#include "engine/WallCandidate.h"
#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr int kOptimiserWallCount = 10;

struct OptimiserProgress {
  long long evaluated = 0;
  long long feasible = 0;
  std::optional<double> bestCost;
  double fraction = 0;  // 0..1, an estimate
};

struct OptimisedWall {
  WallDimensions dimensions{};
  CandidateEvaluation evaluation;
  std::optional<float> globalFactor;  // when the global check was made
  CheckId governing = CheckId::design;
};

struct OptimiserResult {
  std::vector<OptimisedWall> walls;  // cheapest first, at most ten; walls[0] is the best
  long long evaluated = 0;           // distinct candidates analysed
  long long feasible = 0;            // of them, those meeting every target
  bool cancelled = false;            // stopped early: walls hold the best found so far
  std::string message;               // why there is no wall; empty when there is one
  std::optional<CheckId> mostFailed;  // among the near-misses, when no wall was found
  ActiveTargets targets;
};

struct OptimiserOptions {
  unsigned threads = 0;  // 0: every hardware thread
  // Grid points of the exhaustive first pass at most: a grid this small is searched whole.
  int coarseBudget = 80000;
  std::stop_token stop;  // checked between batches of candidates
  // Called on the calling thread between batches.
  std::function<void(const OptimiserProgress&)> progress;
};

// What keeps the settings from being used (a minimum above its maximum, no dimension varied,
// a range of too many steps), as a sentence; empty when they can be used.
[[nodiscard]] std::string OptimiserSettingsProblem(const ProjectData& project);

// Searches the grid of the varied dimensions (each from its minimum in steps of
// OptimiserStep up to its maximum; the others keep the project's values). The project itself is
// not changed.
[[nodiscard]] OptimiserResult OptimiseWall(const ProjectData& project, const OptimiserOptions& options = {});

}  // namespace kelvadrome
