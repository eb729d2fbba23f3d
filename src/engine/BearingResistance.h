// SPDX-License-Identifier: GPL-3.0-or-later
// The bearing resistance of the base from the soil under it, the effective width and the load
// inclination (strip footing, no shape, depth or base-tilt factors), beside the check of the
// largest edge pressure against the given bearing capacity.
#pragma once

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Writes results.stability.bearing from the stability results of the run just made (service
// loads), the pressures it stored and the project's soil under and beside the base. Never
// throws: a case without resistance is a result.
void ComputeBearingResistance(const ProjectData& project, AnalysisResults& results);

}  // namespace kelvadrome
