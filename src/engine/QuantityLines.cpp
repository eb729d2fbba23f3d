// SPDX-License-Identifier: GPL-3.0-or-later
// Captions and unit labels of the quantity and price lines.
#include "engine/QuantityLines.h"

#include <array>

#include "model/Units.h"

namespace kelvadrome {

namespace {

constexpr std::array<const char*, kDesignColumnCount + 1> kColumnNames{
    "", "Stem M-", "Stem M+", "Toe M-", "Toe M+", "Heel M-", "Heel M+"};

std::string PerLength(UnitQuantity quantity, UnitSystem system) {
  return UnitLabel(quantity, system) + "/" + UnitLabel(UnitQuantity::length, system);
}

}  // namespace

std::vector<QuantityLine> QuantityLines(const Quantities& q, UnitSystem system) {
  const std::string steel = PerLength(UnitQuantity::mass, system);
  std::vector<QuantityLine> lines{
      {"Concrete", q.concrete, PerLength(UnitQuantity::volume, system)},
      {"Formwork", q.formwork, PerLength(UnitQuantity::area, system)},
  };
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    lines.push_back({std::string("Main steel, ") + kColumnNames[static_cast<std::size_t>(c)],
                     q.mainSteel[static_cast<std::size_t>(c)], steel});
  }
  lines.push_back({"Distribution steel", q.distributionSteel, steel});
  lines.push_back({"Steel, total", q.steel, steel});
  lines.push_back({"Cost", q.cost, "per " + UnitLabel(UnitQuantity::length, system)});
  return lines;
}

std::vector<std::string> PriceUnits(UnitSystem system) {
  return {"per " + UnitLabel(UnitQuantity::volume, system), "per " + UnitLabel(UnitQuantity::area, system),
          "per " + UnitLabel(UnitQuantity::mass, system)};
}

std::vector<QuantityLine> PriceLines(const UnitPrices& prices, UnitSystem system) {
  const std::vector<std::string> units = PriceUnits(system);
  return {{"Concrete price", prices.concretePrice, units[0]},
          {"Formwork price", prices.formworkPrice, units[1]},
          {"Steel price", prices.steelPrice, units[2]}};
}

}  // namespace kelvadrome
