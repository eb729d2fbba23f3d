// SPDX-License-Identifier: GPL-3.0-or-later
// The load factors of the analysis in progress.
#include "engine/LoadFactors.h"

#include "engine/EngineError.h"
#include "engine/EngineNumerics.h"

namespace kelvadrome {

void SetLoadFactors(AnalysisResults& results, double dead, double live, double soil, double water,
                    double structural, double impact, double seismic) {
  results.loadFactor = {0.0f,         Single(dead),   Single(live),  Single(soil),
                        Single(water), Single(structural), Single(impact), Single(seismic)};
}

void SetServiceLoadFactors(AnalysisResults& results) {
  SetLoadFactors(results, 1, 1, 1, 1, 1, 1, 1);
}

double LoadFactorOf(const AnalysisResults& results, LoadCase loadCase) {
  if (loadCase < LoadCase::dead || loadCase > LoadCase::seismic) {
    throw EngineError("Load case " + std::to_string(static_cast<int>(loadCase)) + " does not exist (1 to 7).");
  }
  return results.loadFactor[LoadCaseIndex(loadCase)];
}

}  // namespace kelvadrome
