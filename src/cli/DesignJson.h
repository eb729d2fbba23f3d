// SPDX-License-Identifier: GPL-3.0-or-later
// The "design" object of `analyse --json`: every result of the concrete design under its own
// name, in the project's unit system.
#pragma once

#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

class JsonWriter;

// Writes the members of the "design" object into the object being written (the caller writes
// the key and the braces). Arrays are written whole from index 0; a value the section design
// could not compute is null. The bars are the project's, as the design left them.
void WriteDesignJson(const ProjectData& project, const DesignResults& design, JsonWriter& json);

}  // namespace kelvadrome
