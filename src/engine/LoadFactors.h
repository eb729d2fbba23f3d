// SPDX-License-Identifier: GPL-3.0-or-later
// The load factors of the analysis in progress: one per load case, in load-case order.
#pragma once

#include "engine/AnalysisResults.h"

namespace kelvadrome {

// Stores the seven factors of load cases 1..7: Dead (D), Live (L), Soil (H), Water (F),
// Structural (T), Impact (L), Seismic (E).
void SetLoadFactors(AnalysisResults& results, double dead, double live, double soil, double water,
                    double structural, double impact, double seismic);

// All seven factors 1: the service analysis shown by the windows and the report.
void SetServiceLoadFactors(AnalysisResults& results);

// The factor of a load case; throws EngineError for a case outside 1..7.
[[nodiscard]] double LoadFactorOf(const AnalysisResults& results, LoadCase loadCase);

}  // namespace kelvadrome
