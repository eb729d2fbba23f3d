// SPDX-License-Identifier: GPL-3.0-or-later
// The load factors of the twelve analysis cases of the concrete design: the eleven factored
// combinations and the service case used for crack control.
#pragma once

#include <array>

#include "engine/DesignResults.h"

namespace kelvadrome {

// Factors by load case: Dead (D), Live (L), Soil (H), Water (F), Structural (T), Impact (L),
// Seismic (E). Impact always takes the live-load factor; cases 7 and 8 carry the soil with 1.4
// although their texts do not name it; the service case leaves the seismic load out.
using CaseFactors = std::array<double, kLoadCaseCount>;
inline constexpr std::array<CaseFactors, kAnalysisCaseCount + 1> kCaseFactors{{
    {0, 0, 0, 0, 0, 0, 0},
    {1.4, 1.7, 0, 0, 0, 1.7, 0},
    {1.4, 1.7, 1.7, 0, 0, 1.7, 0},
    {0.9, 0, 1.7, 0, 0, 0, 0},
    {1.4, 1.7, 0, 1.4, 0, 1.7, 0},
    {1.4, 1.7, 1.7, 1.4, 0, 1.7, 0},
    {0.9, 0, 0, 1.4, 0, 0, 0},
    {1.05, 1.28, 1.4, 0, 0, 1.28, 1.4},
    {1.05, 1.28, 1.4, 1.05, 0, 1.28, 1.4},
    {1.05, 1.28, 0, 0, 1.05, 1.28, 0},
    {1.4, 0, 0, 0, 1.4, 0, 0},
    {1.05, 1.28, 0, 1.05, 1.05, 1.28, 0},
    {1, 1, 1, 1, 1, 1, 0},
}};

}  // namespace kelvadrome
