// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities as readable lines of the command line: caption, value ("#0.#0") and unit.
#pragma once

#include <string>

#include "engine/Quantities.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// A heading and one line per quantity, then the prices.
[[nodiscard]] std::string QuantitiesSummaryText(const ProjectData& project, const Quantities& quantities);

}  // namespace kelvadrome
