// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the number formatter and of reading and writing a project file in memory.
#include <benchmark/benchmark.h>

#include "format/NumberFormat.h"
#include "model/ProjectFile.h"

namespace {

void BM_FormatNumber(benchmark::State& state) {
  double value = 1234.5678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvadrome::FormatNumber(value, "#0.#0"));
    value += 0.001;
  }
}
BENCHMARK(BM_FormatNumber)->Name("FormatNumber (reference, no budget)");

void BM_FormatGeneral(benchmark::State& state) {
  float value = 0.15f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvadrome::FormatGeneral(value));
    value += 0.01f;
  }
}
BENCHMARK(BM_FormatGeneral)->Name("FormatGeneral (reference, no budget)");

void BM_EncodeDecodeProject(benchmark::State& state) {
  kelvadrome::ProjectData project;
  kelvadrome::SetDefaults(project);
  project.lineLoadCount = 10;
  for (auto _ : state) {
    const auto bytes = kelvadrome::EncodeProjectFile(project);
    benchmark::DoNotOptimize(kelvadrome::DecodeProjectFile(bytes, "bench.kvi"));
  }
}
BENCHMARK(BM_EncodeDecodeProject)->Name("EncodeDecodeProject (reference, no budget)");

}  // namespace
