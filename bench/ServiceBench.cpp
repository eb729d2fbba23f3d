// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one service analysis of the default wall (outline and stability), which the main
// window repeats at every refresh. Budget: 5 microseconds.
#include <benchmark/benchmark.h>

#include "engine/AnalysisResults.h"
#include "engine/MessageSink.h"
#include "engine/Stability.h"
#include "model/ProjectData.h"

namespace {

struct NoMessages final : kelvadrome::MessageSink {
  void Warn(std::string_view) override {}
};

void ServiceAnalysisOfTheDefaultWall(benchmark::State& state) {
  kelvadrome::ProjectData project;
  kelvadrome::SetDefaults(project);
  kelvadrome::AnalysisResults results;
  NoMessages sink;
  for (auto _ : state) {
    kelvadrome::RunServiceAnalysis(project, results, sink);
    benchmark::DoNotOptimize(results.stability.resultantX);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(ServiceAnalysisOfTheDefaultWall)
    ->Name("ServiceAnalysis/DefaultWall (budget 5 us)")
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
