// SPDX-License-Identifier: GPL-3.0-or-later
// The critical slip circle of the global stability over the wall: the arc from its exit in front
// of the toe to its entry in the backfill, the slice boundaries, the centre joined to both ends,
// and the safety factor beside the centre.
#pragma once

#include <QRectF>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {

inline constexpr const char* kGlobalLegend = "Global stability, Bishop's method";
inline constexpr const char* kGlobalSearching = "Searching for the critical slip circle...";

// A fitting that holds the whole circle figure (the arc, its ends and the centre) and the wall
// inside room, with margins for the label and the legend. Only for a result with a circle.
[[nodiscard]] WallFitting FitGlobalFigure(const ProjectData& project,
                                          const GlobalStabilityResults& global, const QRectF& room);

// Draws the figure over the wall (drawn before with the same points) and the legend at the
// bottom left. global null: the search has not finished yet, which the legend says. A result
// without a circle draws only the legend and "F = N/A" (or the factor when nothing drives).
void DrawGlobalStabilityFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                               const ScreenPoints& points,
                               const GlobalStabilityResults* global, double legendLeft, double legendBottom);

}  // namespace kelvadrome
