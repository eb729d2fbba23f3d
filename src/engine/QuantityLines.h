// SPDX-License-Identifier: GPL-3.0-or-later
// The lines in which the quantities and the prices are shown, the same in the reinforcement
// window, the report and the command line: caption, value and unit label.
#pragma once

#include <string>
#include <vector>

#include "engine/Quantities.h"
#include "model/ProjectData.h"

namespace kelvadrome {

struct QuantityLine {
  std::string caption;  // "Concrete"
  float value = 0;
  std::string unit;  // "m³/m"
};

// Concrete, formwork, the main steel of each column, the distribution steel, all steel, cost.
[[nodiscard]] std::vector<QuantityLine> QuantityLines(const Quantities& quantities, UnitSystem unitSystem);

// The three unit prices of the project, with their units ("per m³").
[[nodiscard]] std::vector<QuantityLine> PriceLines(const UnitPrices& prices, UnitSystem unitSystem);

// "per m³", "per m²" and "per kg" (or ft³, ft², lb): the unit of each price, in the order of
// UnitPrices.
[[nodiscard]] std::vector<std::string> PriceUnits(UnitSystem unitSystem);

}  // namespace kelvadrome
