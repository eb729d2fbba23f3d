// SPDX-License-Identifier: GPL-3.0-or-later
// The base reaction and the sliding restraints of a stable wall.
#pragma once

#include <optional>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

inline constexpr const char* kNotStableReactionMessage = "The structure is not stable.";
inline constexpr const char* kNotStableRestraintMessage =
    "The structure is not stable.  Can't define base friction and cohesion restraints";

// The base pressure under the base (30 below the underside, ordinates towards the base) over the
// contact width, labelled with the toe and heel pressures. scale: logical units per unit of pressure.
void DrawBasePressureDiagram(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                             const ScreenPoints& points, const StabilityResults& stability, double scale);

// The base pressure diagram and the horizontal base reaction at the resultant, labelled with the
// sliding force.
void DrawBaseReactionFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                            const ScreenPoints& points, const AnalysisResults& results, double scale);

// Base friction and cohesion at mid-base, the restraint force when it is switched on, and the
// passive pressure of the toe earth and in front of the shear key when they count. The passive
// diagrams use passiveScale when given (the paper draws them to the base pressure's scale), else
// their own: the largest ordinate drawn 480 long.
void DrawRestraintsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                          const ScreenPoints& points, const AnalysisResults& results,
                          std::optional<double> passiveScale = std::nullopt);

// The larger edge pressure drawn 480 long; 1 when both are 0.
[[nodiscard]] double BaseReactionScale(const AnalysisResults& results);

}  // namespace kelvadrome
