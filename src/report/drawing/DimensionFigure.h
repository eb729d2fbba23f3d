// SPDX-License-Identifier: GPL-3.0-or-later
// The Dimensions view: the dimension lines of the wall with their values, and the legend.
#pragma once

#include <vector>

#include "model/ProjectData.h"
#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/ScreenPoints.h"

namespace kelvadrome {

// Draws the dimension lines in the current colour and returns the value labels (lblDim 0..15 and
// the slope's "1 : "), each with its text and box. The paper style also writes the texts.
std::vector<DimensionLabel> DrawDimensionsFigure(WallCanvas& canvas, const DrawStyle& style,
                                                 const ProjectData& project, const ScreenPoints& points);

// "Dimensions in m" in dark blue, its top 240 above the bottom edge, starting at left.
void DrawDimensionLegend(WallCanvas& canvas, const ProjectData& project, double left, double bottom);

// "1 : " before the backfill slope's value.
inline constexpr const char* kSlopeCaption = "1 : ";

}  // namespace kelvadrome
