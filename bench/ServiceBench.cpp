// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one service analysis of the default wall (outline and stability), which the main
// window repeats at every refresh, with everything it hands back. Budget: 2 microseconds.
#include <benchmark/benchmark.h>

#include "engine/Analysis.h"
#include "model/ProjectData.h"

namespace {

void ServiceAnalysisOfTheDefaultWall(benchmark::State& state) {
  kelvadrome::ProjectData project;
  kelvadrome::SetDefaults(project);
  for (auto _ : state) {
    const kelvadrome::ServiceAnalysis run = kelvadrome::AnalyseService(project);
    benchmark::DoNotOptimize(run.results.stability.resultantX);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(ServiceAnalysisOfTheDefaultWall)
    ->Name("ServiceAnalysis/DefaultWall (budget 2 us)")
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
