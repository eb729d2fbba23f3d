// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the global stability result.
#include "engine/GlobalStabilityTexts.h"

#include "engine/StabilityTexts.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

std::string GlobalSafetyFactorText(const GlobalStabilityResults& g) {
  return g.HasFactor() ? FormatNumber(g.safetyFactor, "#0.#0") : std::string(kNotApplicable);
}

std::string GlobalFactorLabel(const GlobalStabilityResults& g) {
  return "F = " + GlobalSafetyFactorText(g);
}

bool GlobalStabilityNoteApplies(const StabilityResults& s, const GlobalStabilityResults& g) {
  return s.wallStable && g.HasFactor() && g.safetyFactor < kGlobalStabilityLimit;
}

std::vector<GlobalStabilityLine> GlobalStabilityLines(const GlobalStabilityResults& g,
                                                      UnitSystem unitSystem) {
  const std::string length = UnitLabel(UnitQuantity::length, unitSystem);
  const auto number = [&g](float value) {
    return g.HasCircle() ? FormatNumber(value, "#0.#0") : std::string(kNotApplicable);
  };
  const auto count = [&g](int n) {
    return g.Computed() ? FormatNumber(n, "#0") : std::string(kNotApplicable);
  };
  const auto point = [&](float x, float y) {
    if (!g.HasCircle()) return std::string(kNotApplicable);
    // Built by appending: GCC 12 at -O3 sees a false overlap in a literal + temporary string.
    std::string text(1, '(');
    text.append(FormatNumber(x, "#0.#0")).append(", ").append(FormatNumber(y, "#0.#0")).push_back(')');
    return text;
  };
  return {
      {"- Centre (x, y) =", point(g.centreX, g.centreY), length},
      {"- Radius =", number(g.radius), length},
      {"- Exit point (x, y) =", point(g.exitX, g.exitY), length},
      {"- Entry point (x, y) =", point(g.entryX, g.entryY), length},
      {"- Circles tried =", count(g.circlesTried), ""},
      {"- Circles admissible =", count(g.circlesAdmissible), ""},
      {"- Safety factor (F) =", GlobalSafetyFactorText(g), ""},
  };
}

}  // namespace kelvadrome
