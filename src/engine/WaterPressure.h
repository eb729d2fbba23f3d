// SPDX-License-Identifier: GPL-3.0-or-later
// Hydrostatic water pressure on every wetted face of the wall and the uplift under the base.
#pragma once

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Ordinates waterPressure[1..12], forces waterForce[1..11] with their depths or x, and
// maxWaterPressure, from the outline points and the water factor in results.
void ComputeWaterPressure(const ProjectData& project, AnalysisResults& results);

}  // namespace kelvadrome
