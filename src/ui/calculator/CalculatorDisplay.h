// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculator's results read on the screen (and on its printout): the ten values of a case
// column in their formats, the seismic water-table ordinates as "pWt/pWt2", "N/A" when a case
// could not be formed.
#pragma once

#include <array>
#include <string>

#include "calculator/SoilPressureCalculator.h"

namespace kelvadrome {

inline constexpr int kCalculatorResultRows = 10;

[[nodiscard]] bool IsSeismicCase(int caseIndex);

// Row 0 the coefficient K ("#0.##0"), rows 1-3 the pressures, rows 4-9 forces and depths ("#0.#0").
[[nodiscard]] std::array<std::string, kCalculatorResultRows> CalculatorCaseTexts(const CalculatorCaseResult& result,
                                                                                 bool seismic);

// Pressure inclination, water pressure at the bottom, water force and its depth ("#0.#0").
[[nodiscard]] std::array<std::string, 4> CalculatorCommonTexts(const CalculatorResults& results);

}  // namespace kelvadrome
