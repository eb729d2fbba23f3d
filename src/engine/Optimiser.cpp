// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser's search: an exhaustive pass over a coarse grid in the order of the outline's
// cost (which no reinforcement can lower, so the pass stops once the cheapest feasible walls
// found cost no more than the next outline), then a descent from the cheapest of them with steps
// halving down to one grid step, over all moves of one or two dimensions. Global stability,
// the dearest check, is made afterwards on the cheapest walls in order until one passes, and the
// descent is repeated from there with it.
//
// Determinism: candidates are evaluated in fixed batches, each into its own slot, and every
// choice is made afterwards on one thread by (cost, grid index).
#include "engine/Optimiser.h"

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <stdexcept>

#include "engine/OptimiserGrid.h"
#include "engine/ParallelFor.h"

namespace kelvadrome {

namespace {

constexpr int kStarts = 8;            // descents started from the cheapest coarse walls
constexpr std::size_t kBatch = 256;   // candidates between two looks at Cancel
constexpr std::size_t kOutlineBatch = 4096;
constexpr int kMaxGlobalChecks = 60;  // cheapest walls tried for global stability

struct Entry {
  CandidateEvaluation evaluation;
  std::optional<float> globalFactor;
};

struct Cancelled {};

class Search {
 public:
  Search(const ProjectData& project, const OptimiserOptions& options)
      : base_(project), options_(options), grid_(project), targets_(ActiveTargetsOf(project)) {}

  OptimiserResult Run();

 private:
  using Ranked = std::pair<double, GridIndex>;

  void CheckStop() const {
    if (options_.stop.stop_requested()) throw Cancelled{};
  }
  void Report(double fraction);
  [[nodiscard]] bool Feasible(const Entry& e) const {
    return e.evaluation.PassesAnalysis() && (!globalOn_ || (e.globalFactor && e.evaluation.globalPassed == true));
  }
  void Evaluate(const std::vector<GridIndex>& candidates, std::optional<double> ceiling);
  bool GlobalPasses(const GridIndex& index);
  std::vector<GridIndex> CoarseStarts();
  GridIndex Descend(GridIndex current, int firstScale);
  std::vector<Ranked> FeasibleRanked() const;
  OptimiserResult Collect(bool cancelled);
  void ExplainFailure(OptimiserResult& result) const;

  ProjectData base_;
  const OptimiserOptions& options_;
  OptimiserGrid grid_;
  ActiveTargets targets_;
  bool globalOn_ = false;
  std::map<GridIndex, Entry> cache_;
  std::set<GridIndex> verified_;  // local optima: every neighbour one step away has been looked at
  std::optional<double> best_;
  long long feasible_ = 0;
  int spacing_ = 1;
  double fraction_ = 0;
};

void Search::Report(double fraction) {
  fraction_ = std::max(fraction_, std::min(fraction, 1.0));
  if (!options_.progress) return;
  OptimiserProgress p;
  p.evaluated = static_cast<long long>(cache_.size());
  p.feasible = feasible_;
  p.bestCost = best_;
  p.fraction = fraction_;
  options_.progress(p);
}

// Evaluates the candidates not yet known; with a ceiling, those whose outline alone costs at
// least the ceiling are passed over (they cannot be cheaper) and not recorded.
void Search::Evaluate(const std::vector<GridIndex>& candidates, std::optional<double> ceiling) {
  std::vector<GridIndex> fresh;
  std::set<GridIndex> seen;
  for (const GridIndex& c : candidates) {
    if (!cache_.contains(c) && seen.insert(c).second) fresh.push_back(c);
  }
  for (std::size_t start = 0; start < fresh.size(); start += kBatch) {
    CheckStop();
    const std::size_t count = std::min(kBatch, fresh.size() - start);
    std::vector<std::optional<CandidateEvaluation>> slots(count);
    ParallelFor(count, options_.threads, [&](std::size_t i) {
      const WallDimensions dims = grid_.Dimensions(fresh[start + i]);
      if (ceiling) {
        const std::optional<double> outline = OutlineCostOf(base_, dims);
        if (!outline || *outline >= *ceiling) return;
      }
      slots[i] = EvaluateCandidate(base_, dims, targets_);
    });
    for (std::size_t i = 0; i < count; ++i) {
      if (!slots[i]) continue;
      Entry& e = cache_[fresh[start + i]];
      e.evaluation = *slots[i];
      if (e.evaluation.PassesAnalysis() && !globalOn_) {
        ++feasible_;
        if (!best_ || e.evaluation.cost < *best_) best_ = e.evaluation.cost;
      }
    }
  }
}

bool Search::GlobalPasses(const GridIndex& index) {
  Entry& e = cache_.at(index);
  if (!e.evaluation.globalPassed) {
    CheckStop();
    e.globalFactor = GlobalFactorOf(base_, grid_.Dimensions(index), options_.threads);
    e.evaluation.globalPassed = e.globalFactor && double(*e.globalFactor) >= TargetOf(CheckId::global, targets_);
    if (*e.evaluation.globalPassed) {
      ++feasible_;
      if (!best_ || e.evaluation.cost < *best_) best_ = e.evaluation.cost;
    }
    Report(fraction_);
  }
  return *e.evaluation.globalPassed;
}

// The exhaustive pass: coarse points in order of their outline's cost until the kStarts
// cheapest feasible ones are known for certain.
std::vector<GridIndex> Search::CoarseStarts() {
  int perDimension = 2;
  const auto countFor = [&](int n) {
    double total = 1;
    for (const int d : grid_.Varied()) total *= std::min(grid_.Size(d), n);
    return total;
  };
  const double budget = options_.coarseBudget;
  while (countFor(perDimension + 1) <= budget && countFor(perDimension + 1) > countFor(perDimension)) {
    ++perDimension;
  }
  spacing_ = grid_.CoarseSpacing(perDimension);
  const std::vector<GridIndex> coarse = grid_.Coarse(perDimension);

  std::vector<std::optional<double>> outline(coarse.size());
  for (std::size_t start = 0; start < coarse.size(); start += kOutlineBatch) {
    CheckStop();
    const std::size_t count = std::min(kOutlineBatch, coarse.size() - start);
    ParallelFor(count, options_.threads, [&](std::size_t i) {
      outline[start + i] = OutlineCostOf(base_, grid_.Dimensions(coarse[start + i]));
    });
    Report(0.05 * double(start + count) / double(coarse.size()));
  }
  std::vector<Ranked> order;
  for (std::size_t i = 0; i < coarse.size(); ++i) {
    if (outline[i]) order.emplace_back(*outline[i], coarse[i]);
  }
  std::sort(order.begin(), order.end());

  std::vector<Ranked> found;  // feasible, cheapest first, at most kStarts
  for (std::size_t start = 0; start < order.size(); start += kBatch) {
    if (found.size() == kStarts && found.back().first <= order[start].first) break;
    const std::size_t count = std::min(kBatch, order.size() - start);
    std::vector<GridIndex> batch;
    for (std::size_t i = 0; i < count; ++i) batch.push_back(order[start + i].second);
    Evaluate(batch, std::nullopt);
    for (const GridIndex& index : batch) {
      const Entry& e = cache_.at(index);
      if (!e.evaluation.PassesAnalysis()) continue;
      found.emplace_back(e.evaluation.cost, index);
      std::sort(found.begin(), found.end());
      if (found.size() > kStarts) found.pop_back();
    }
    Report(0.05 + 0.3 * double(start + count) / double(order.size()));
  }
  std::vector<GridIndex> starts;
  for (const Ranked& r : found) starts.push_back(r.second);
  return starts;
}

// Moves to the cheapest feasible neighbour while there is a cheaper one, first with large
// steps, last with single steps: the wall it ends on is a local optimum of the grid.
GridIndex Search::Descend(GridIndex current, int firstScale) {
  for (int scale = firstScale; scale >= 1; scale /= 2) {
    while (true) {
      const double cost = cache_.at(current).evaluation.cost;
      const std::vector<GridIndex> neighbours = grid_.Neighbours(current, scale);
      Evaluate(neighbours, cost);
      std::vector<Ranked> cheaper;
      for (const GridIndex& n : neighbours) {
        const auto it = cache_.find(n);
        if (it == cache_.end() || !it->second.evaluation.PassesAnalysis()) continue;
        if (it->second.evaluation.cost < cost) cheaper.emplace_back(it->second.evaluation.cost, n);
      }
      std::sort(cheaper.begin(), cheaper.end());
      std::optional<GridIndex> next;
      for (const Ranked& r : cheaper) {
        if (!globalOn_ || GlobalPasses(r.second)) {
          next = r.second;
          break;
        }
      }
      if (!next) break;
      current = *next;
    }
  }
  verified_.insert(current);
  return current;
}

std::vector<Search::Ranked> Search::FeasibleRanked() const {
  std::vector<Ranked> ranked;
  for (const auto& [index, entry] : cache_) {
    if (Feasible(entry)) ranked.emplace_back(entry.evaluation.cost, index);
  }
  std::sort(ranked.begin(), ranked.end());
  return ranked;
}

OptimiserResult Search::Collect(bool cancelled) {
  OptimiserResult result;
  result.targets = targets_;
  result.cancelled = cancelled;
  result.evaluated = static_cast<long long>(cache_.size());
  const std::vector<Ranked> ranked = FeasibleRanked();
  result.feasible = static_cast<long long>(ranked.size());
  for (std::size_t i = 0; i < ranked.size() && i < kOptimiserWallCount; ++i) {
    const Entry& e = cache_.at(ranked[i].second);
    OptimisedWall wall;
    wall.dimensions = grid_.Dimensions(ranked[i].second);
    wall.evaluation = e.evaluation;
    wall.globalFactor = e.globalFactor;
    if (e.globalFactor) wall.evaluation.values.value[static_cast<std::size_t>(CheckId::global)] = e.globalFactor;
    wall.governing = GoverningCheck(wall.evaluation, targets_);
    result.walls.push_back(wall);
  }
  if (result.walls.empty() && !cancelled) ExplainFailure(result);
  return result;
}

// The near-misses are the candidates with the fewest failed checks; the check they fail most
// often is the one to relax or to give more room.
void Search::ExplainFailure(OptimiserResult& result) const {
  result.message = "No wall within the bounds meets every target";
  // Walls that pass everything but the global stability are the nearest misses there are.
  if (globalOn_ && std::any_of(cache_.begin(), cache_.end(),
                               [](const auto& e) { return e.second.evaluation.PassesAnalysis(); })) {
    result.mostFailed = CheckId::global;
    result.message += "; the check that failed most often among the near-misses: " +
                      std::string(CheckName(CheckId::global)) + ".";
    return;
  }
  int fewest = kCheckCount + 1;
  for (const auto& [index, entry] : cache_) {
    if (entry.evaluation.buildable) fewest = std::min(fewest, std::max(1, entry.evaluation.FailureCount()));
  }
  std::array<int, kCheckCount> counts{};
  for (const auto& [index, entry] : cache_) {
    const CandidateEvaluation& e = entry.evaluation;
    if (!e.buildable || std::max(1, e.FailureCount()) != fewest) continue;
    for (int c = 0; c < kCheckCount; ++c) counts[static_cast<std::size_t>(c)] += e.Failed(static_cast<CheckId>(c));
    if (e.globalPassed == false) ++counts[static_cast<std::size_t>(CheckId::global)];
  }
  const auto most = std::max_element(counts.begin(), counts.end());
  if (*most > 0) {
    result.mostFailed = static_cast<CheckId>(most - counts.begin());
    result.message += "; the check that failed most often among the near-misses: " +
                      std::string(CheckName(*result.mostFailed));
  }
  result.message += ".";
}

OptimiserResult Search::Run() {
  try {
    const std::vector<GridIndex> starts = CoarseStarts();
    const int firstScale = static_cast<int>(std::bit_floor(static_cast<unsigned>(std::max(1, spacing_ / 2))));
    for (std::size_t k = 0; k < starts.size(); ++k) {
      Descend(starts[k], firstScale);
      Report(0.35 + 0.5 * double(k + 1) / double(starts.size()));
    }
    if (targets_.globalCheck) {
      // Global stability on the cheapest walls in order until one passes; the descent from it
      // then looks at cheaper neighbours with the global check too.
      const std::vector<Ranked> ranked = FeasibleRanked();
      globalOn_ = true;
      best_.reset();
      feasible_ = 0;
      int tried = 0;
      for (const Ranked& r : ranked) {
        if (tried++ == kMaxGlobalChecks) break;
        if (GlobalPasses(r.second)) {
          Descend(r.second, 1);
          break;
        }
      }
    }
    // The cheapest wall known must itself have had its neighbours looked at (a tie in cost may
    // have put another wall first).
    while (true) {
      const std::vector<Ranked> ranked = FeasibleRanked();
      if (ranked.empty() || verified_.contains(ranked.front().second)) break;
      Descend(ranked.front().second, 1);
    }
    Report(1.0);
    return Collect(false);
  } catch (const Cancelled&) {
    return Collect(true);
  }
}

}  // namespace

std::string OptimiserSettingsProblem(const ProjectData& project) {
  try {
    const OptimiserGrid grid(project);
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return {};
}

OptimiserResult OptimiseWall(const ProjectData& project, const OptimiserOptions& options) {
  const std::string problem = OptimiserSettingsProblem(project);
  if (!problem.empty()) {
    OptimiserResult result;
    result.targets = ActiveTargetsOf(project);
    result.message = problem;
    return result;
  }
  Search search(project, options);
  return search.Run();
}

}  // namespace kelvadrome
