// SPDX-License-Identifier: GPL-3.0-or-later
// The readable summary of the service analysis printed by `analyse`: what the stability dialog
// shows (forces, eccentricities, comparison line, base pressures, sliding, overturning, notes)
// with the global stability, and the main window's verdict.
#pragma once

#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// messages are the engine's messages of the run, printed first.
[[nodiscard]] std::string ServiceSummaryText(const ProjectData& project,
                                             const AnalysisResults& results,
                                             const GlobalStabilityResults& global,
                                             const std::vector<std::string>& messages);

}  // namespace kelvadrome
