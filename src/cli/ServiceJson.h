// SPDX-License-Identifier: GPL-3.0-or-later
// The "service" object of `analyse --json`: every result of the service analysis (outline,
// polygons, pressures, stability) under its own name, in the project's unit system.
#pragma once

#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"

namespace kelvadrome {

class JsonWriter;

// Writes the members of the "service" object into the object being written (the caller writes
// the key and the braces). Arrays are written whole from index 0; values that are not finite
// numbers become null.
void WriteServiceJson(const AnalysisResults& results, JsonWriter& json);

// The "global" member: the critical slip circle, null values where nothing was computed (a
// wall that is not stable, or no admissible circle for the circle's values).
void WriteGlobalStabilityJson(const GlobalStabilityResults& global, JsonWriter& json);

// The "messages" array: the engine's messages in the order they were raised.
void WriteMessagesJson(const std::vector<std::string>& messages, JsonWriter& json);

}  // namespace kelvadrome
