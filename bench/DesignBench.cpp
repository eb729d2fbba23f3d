// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the concrete design run on the default project (budget: 30 µs median).
#include <benchmark/benchmark.h>

#include "engine/Analysis.h"
#include "model/ProjectData.h"

namespace kelvadrome {
namespace {

// Steady state, as in the program: the project holds the bars a first run chose, so one run
// analyses the twelve cases once.
void BM_RunDesign_DefaultProject_Budget30us(benchmark::State& state) {
  ProjectData project;
  SetDefaults(project);
  const DesignRun first = RunDesign(project);
  project = WithFindings(std::move(project), first);
  for (auto _ : state) {
    const DesignRun run = RunDesign(project);
    benchmark::DoNotOptimize(run.design.colMomentCapacity);
  }
}
BENCHMARK(BM_RunDesign_DefaultProject_Budget30us)
    ->Name("RunDesign/DefaultProject (budget 30 us)")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Right after start-up no bar is chosen yet: the toe's bar changes and the twelve cases run twice.
void BM_RunDesign_FreshDefaultProject(benchmark::State& state) {
  ProjectData project;
  SetDefaults(project);
  for (auto _ : state) {
    const DesignRun run = RunDesign(project);
    benchmark::DoNotOptimize(run.design.colMomentCapacity);
  }
}
BENCHMARK(BM_RunDesign_FreshDefaultProject)
    ->Name("RunDesign/FreshDefaultProject (reference, no budget)")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvadrome
