// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the calculator's result columns.
#include "ui/calculator/CalculatorDisplay.h"

#include "format/NumberFormat.h"

namespace kelvadrome {

bool IsSeismicCase(int caseIndex) { return caseIndex == kCaseA2 || caseIndex == kCaseP2; }

std::array<std::string, kCalculatorResultRows> CalculatorCaseTexts(const CalculatorCaseResult& r, bool seismic) {
  std::array<std::string, kCalculatorResultRows> texts;
  if (!r.available) {
    texts.fill("N/A");
    return texts;
  }
  const auto f = [](float value) { return FormatNumber(value, "#0.#0"); };
  texts[0] = FormatNumber(r.K, "#0.##0");
  texts[1] = f(r.pTop);
  texts[2] = seismic ? f(r.pWt) + "/" + f(r.pWt2) : f(r.pWt);
  texts[3] = f(r.pBot);
  texts[4] = f(r.F1);
  texts[5] = f(r.z1);
  texts[6] = f(r.F2);
  texts[7] = f(r.z2);
  texts[8] = f(r.F);
  texts[9] = f(r.z);
  return texts;
}

std::array<std::string, 4> CalculatorCommonTexts(const CalculatorResults& results) {
  return {FormatNumber(results.inclination, "#0.#0"), FormatNumber(results.waterPressure, "#0.#0"),
          FormatNumber(results.waterForce, "#0.#0"), FormatNumber(results.waterDepth, "#0.#0")};
}

}  // namespace kelvadrome
