// SPDX-License-Identifier: GPL-3.0-or-later
// Readable quantity lines for `analyse` and `optimise`.
#include "cli/QuantitiesSummary.h"

#include <sstream>

#include "engine/QuantityLines.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

void Write(std::ostream& out, const QuantityLine& line) {
  out << "  " << line.caption << std::string(line.caption.size() < 22 ? 22 - line.caption.size() : 1, ' ')
      << FormatNumber(line.value, "#0.#0") << " " << line.unit << "\n";
}

}  // namespace

std::string QuantitiesSummaryText(const ProjectData& p, const Quantities& q) {
  std::ostringstream out;
  out << "\nQuantities per 1 " << UnitLabel(UnitQuantity::length, p.unitSystem) << " of wall:\n";
  for (const QuantityLine& line : QuantityLines(q, p.unitSystem)) Write(out, line);
  for (const QuantityLine& line : PriceLines(p.prices, p.unitSystem)) Write(out, line);
  return out.str();
}

}  // namespace kelvadrome
