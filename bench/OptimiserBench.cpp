// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the sizing optimiser on the default wall with its default variables and targets, on
// one thread and on every thread, reported with the candidates analysed per second.
// Budget: 10 s wall clock on the 2-core development machine.
#include <benchmark/benchmark.h>

#include "engine/Optimiser.h"

namespace {

void Optimise(benchmark::State& state, unsigned threads) {
  kelvadrome::ProjectData project;
  kelvadrome::SetDefaults(project);
  kelvadrome::OptimiserOptions options;
  options.threads = threads;
  long long evaluated = 0;
  double cost = 0;
  for (auto _ : state) {
    const kelvadrome::OptimiserResult r = kelvadrome::OptimiseWall(project, options);
    evaluated = r.evaluated;
    cost = r.walls.empty() ? 0 : r.walls.front().evaluation.cost;
    benchmark::DoNotOptimize(cost);
  }
  state.counters["candidates"] = double(evaluated);
  state.counters["best cost"] = cost;
  state.counters["candidates/s"] =
      benchmark::Counter(double(evaluated) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void DefaultWallOneThread(benchmark::State& state) { Optimise(state, 1); }
void DefaultWallAllThreads(benchmark::State& state) { Optimise(state, 0); }

}  // namespace

BENCHMARK(DefaultWallOneThread)
    ->Name("Optimiser/DefaultWall/1 thread")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultWallAllThreads)
    ->Name("Optimiser/DefaultWall/all threads (budget 10 s)")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
