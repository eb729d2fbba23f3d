// SPDX-License-Identifier: GPL-3.0-or-later
// What the figure sections share: the wall fitted into the section, the canvas over the sheet's
// painter with the paper style, and the pressure scale of the load figures.
#pragma once

#include <QRectF>

#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

struct AnalysisResults;
struct ProjectData;
struct ReportSheet;

struct SectionFigure {
  SectionFigure(ReportSheet& sheet, const ProjectData& project);

  WallCanvas canvas;
  DrawStyle style;
  ScreenPoints points;
  double left = 0;    // the section's left edge
  double bottom = 0;  // the section's bottom edge
  double top = 0;     // the top of the section's body, under the title bar
  double width = 0;

  [[nodiscard]] QRectF Body() const { return {left, top, width, bottom - top}; }
};

// The figure of the Loads section in area (the section's body): the wall, then every load and
// pressure of its service analysis (all load factors 1) over it, each value marked with its
// load case, and the legend. The results are those of this very project, so that the figure
// shows the slope they belong to.
void DrawLoadsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project, const ScreenPoints& points,
                     const AnalysisResults& results, const QRectF& area);

// Report units per unit of pressure of the Loads section: 720 for the sum of the largest water,
// earth and seismic ordinates behind the wall, limited so that the uplift (660), the vertical
// loads on heel and toe (480) and the pressures at the base in front of the wall (960) fit.
[[nodiscard]] float LoadsPressureScale(const ProjectData& project, const AnalysisResults& results);

// Report units per unit of pressure of the Reactions section: 540 for the larger edge pressure.
[[nodiscard]] float ReactionsPressureScale(const AnalysisResults& results);

}  // namespace kelvadrome
