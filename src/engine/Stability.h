// SPDX-License-Identifier: GPL-3.0-or-later
// The stability of the wall: every load reduced to one resultant on the base underside, the
// base pressures with full or partial contact, and the pressure, sliding and overturning checks.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Gathers all loads under the factors in results.loadFactor (callers set them and recompute the
// outline first), writes results.stability, the polygon results and every pressure result.
// A slope rule that fires flattens the slope in force (results.adjustedSlope). Throws
// EngineError on an arithmetic fault (for example ΣV = 0); the values computed so far remain.
void ComputeStability(const ProjectData& project, AnalysisResults& results, MessageSink& sink);

// The service analysis (AnalyseService in Analysis.h wraps it): all load factors 1,
// ComputeWallOutline, ComputeStability and the bearing resistance, starting from the project's
// own slope.
void RunServiceAnalysis(const ProjectData& project, AnalysisResults& results, MessageSink& sink);

}  // namespace kelvadrome
