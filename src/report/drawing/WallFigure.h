// SPDX-License-Identifier: GPL-3.0-or-later
// The wall with its earth and water, drawn first in every view and report figure.
#pragma once

#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

// Screen: the shaded backfill wedge, the grey earth, the water fill, the ground and water lines,
// the concrete outline and the shear key. Paper: the same lines without fills, in the paper
// colours and pens.
void DrawWallFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                    const ScreenPoints& points);

// Does the front water stand above the foot of the stem (its surface is the line 11-12; else
// 15-16)? And the back water above the foot of the back face (13-14; else 17-18)?
[[nodiscard]] bool FrontWaterAboveStemFoot(const ProjectData& project);
[[nodiscard]] bool BackWaterAboveStemFoot(const ProjectData& project);

}  // namespace kelvadrome
