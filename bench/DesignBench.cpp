// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the concrete design run on the default project (budget: 50 µs median).
#include <benchmark/benchmark.h>

#include "engine/ConcreteDesign.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {
namespace {

// Steady state: the bars chosen by a first run are in the project, so one run analyses the
// twelve cases once.
void BM_RunConcreteDesign_DefaultProject_Budget50us(benchmark::State& state) {
  ProjectData project;
  SetDefaults(project);
  AnalysisResults results;
  DesignResults design;
  RecordingSink sink;
  ComputeWallOutline(project, results);
  RunConcreteDesign(project, results, design, sink);
  for (auto _ : state) {
    ComputeWallOutline(project, results);
    RunConcreteDesign(project, results, design, sink);
    benchmark::DoNotOptimize(design.colMomentCapacity);
  }
}
BENCHMARK(BM_RunConcreteDesign_DefaultProject_Budget50us)
    ->Name("RunConcreteDesign/DefaultProject (budget 50 us)")
    ->Unit(benchmark::kMicrosecond);

// Right after start-up no bar is chosen yet: the toe's bar changes and the twelve cases run twice.
void BM_RunConcreteDesign_FreshDefaultProject(benchmark::State& state) {
  ProjectData fresh;
  SetDefaults(fresh);
  AnalysisResults results;
  DesignResults design;
  RecordingSink sink;
  for (auto _ : state) {
    ProjectData project = fresh;
    ComputeWallOutline(project, results);
    RunConcreteDesign(project, results, design, sink);
    benchmark::DoNotOptimize(design.colMomentCapacity);
  }
}
BENCHMARK(BM_RunConcreteDesign_FreshDefaultProject)
    ->Name("RunConcreteDesign/FreshDefaultProject (reference, no budget)")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvadrome
