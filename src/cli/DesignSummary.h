// SPDX-License-Identifier: GPL-3.0-or-later
// The readable table of the concrete design printed by `analyse`: per design column the
// forces, height, capacity, required and provided steel, bars, ratio, crack control, shear and
// warnings, as the reinforcement window shows them.
#pragma once

#include <string>

#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

[[nodiscard]] std::string DesignSummaryText(const ProjectData& project, const DesignResults& design);

}  // namespace kelvadrome
