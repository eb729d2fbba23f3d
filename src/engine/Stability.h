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
// The project is not const: a slope rule may flatten backfillSlope. Throws EngineError on an
// arithmetic fault (for example ΣV = 0); the values computed so far remain.
void ComputeStability(ProjectData& project, AnalysisResults& results, MessageSink& sink);

// The service analysis of the windows, the report and the command line: all load factors 1,
// ComputeWallOutline, ComputeStability.
void RunServiceAnalysis(ProjectData& project, AnalysisResults& results, MessageSink& sink);

}  // namespace kelvadrome
