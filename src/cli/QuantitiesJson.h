// SPDX-License-Identifier: GPL-3.0-or-later
// The "quantities" object of `analyse --json` and of the optimiser's walls: concrete, formwork,
// the main steel of the six design columns, the distribution steel, all steel, the cost and the
// prices it was computed with, in the project's own units.
#pragma once

#include <optional>

#include "engine/Quantities.h"
#include "model/ProjectData.h"

namespace kelvadrome {

class JsonWriter;

// Writes the object's value (the caller writes the key). Without quantities (no completed
// design) every value is null and the prices are still written.
void WriteQuantitiesJson(const ProjectData& project, const std::optional<Quantities>& quantities,
                         JsonWriter& json);

}  // namespace kelvadrome
