// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the search for the critical slip circle of the default wall: the base grid of
// 25 × 25 centres with 20 radii each, on one thread and on every thread, and the whole search
// with its refinement. Budget: 50 ms wall clock for the base grid on the 2-core development machine.
#include <benchmark/benchmark.h>

#include "engine/Analysis.h"
#include "engine/GlobalStability.h"
#include "engine/SlipSection.h"
#include "model/ProjectData.h"

namespace {

kelvadrome::SlipSection DefaultSection() {
  kelvadrome::ProjectData project;
  kelvadrome::SetDefaults(project);
  // The circle is taken through the wall as analysed: with a flattened slope, should a rule fire.
  const kelvadrome::ServiceAnalysis service = kelvadrome::AnalyseService(project);
  project = WithFindings(std::move(project), service);
  return kelvadrome::BuildSlipSection(project);
}

void Search(benchmark::State& state, unsigned threads, bool refine) {
  const kelvadrome::SlipSection section = DefaultSection();
  int circles = 0;
  for (auto _ : state) {
    const kelvadrome::GlobalStabilityResults r =
        kelvadrome::SearchCriticalCircle(section, threads, refine);
    circles = r.circlesTried;
    benchmark::DoNotOptimize(r.safetyFactor);
  }
  state.counters["circles"] = circles;
  state.counters["circles/s"] =
      benchmark::Counter(double(circles) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BaseGridOneThread(benchmark::State& state) { Search(state, 1, false); }
void BaseGridAllThreads(benchmark::State& state) { Search(state, 0, false); }
void WholeSearchAllThreads(benchmark::State& state) { Search(state, 0, true); }

}  // namespace

BENCHMARK(BaseGridOneThread)
    ->Name("GlobalStability/BaseGrid/1 thread (budget 50 ms)")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BaseGridAllThreads)
    ->Name("GlobalStability/BaseGrid/all threads (budget 50 ms)")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WholeSearchAllThreads)
    ->Name("GlobalStability/BaseGridAndRefinement/all threads")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
