// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the global stability result, shared by the stability dialog, the report, the
// drawing and the command line. Numbers through FormatNumber.
#pragma once

#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"

namespace kelvadrome {

inline constexpr const char* kGlobalStabilityNote =
    "The global stability safety factor is less than 1.5.";
inline constexpr double kGlobalStabilityLimit = 1.5;

// "1.52" ("#0.#0"), "10000000000.00" when nothing drives, "N/A" without a factor.
[[nodiscard]] std::string GlobalSafetyFactorText(const GlobalStabilityResults& global);

// The drawing's label beside the centre: "F = 1.52".
[[nodiscard]] std::string GlobalFactorLabel(const GlobalStabilityResults& global);

// True when the note applies: a stable wall whose factor is below 1.5.
[[nodiscard]] bool GlobalStabilityNoteApplies(const StabilityResults& stability,
                                              const GlobalStabilityResults& global);

// The value lines of the report and the command line: centre, radius, exit and entry points,
// the circles tried and admissible, and F, each as caption, value and unit.
struct GlobalStabilityLine {
  std::string caption;
  std::string value;
  std::string unit;
};
[[nodiscard]] std::vector<GlobalStabilityLine> GlobalStabilityLines(
    const GlobalStabilityResults& global, UnitSystem unitSystem);

}  // namespace kelvadrome
