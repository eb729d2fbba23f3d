// SPDX-License-Identifier: GPL-3.0-or-later
// Loads drawn over the wall: the line loads and the surcharge, the weights (or seismic inertia
// forces) of the wall and earth parts, and the legend of the load units.
#pragma once

#include <optional>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

struct LoadSelection {
  std::optional<LoadCase> loadCase;    // the case to draw, or none for every case
  bool markCases = false;              // write "(D)", "(L)", ... after each value
  double surchargeArrowLength = 240;   // length of the surcharge arrows in logical units (the
                                       // surcharge's own sign decides which way they point)
};

// The line loads of the selected case with a load other than 0 (heavy pen), then the surcharge
// when it belongs to the selected case and is not 0 (thin pen): arrows every 90 from point 8 to
// point 10 ending on the backfill surface, the line joining their tails and |q| above it.
// Drawn in the current colour.
void DrawLineLoadsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                         const ScreenPoints& points, const LoadSelection& selection);

// The seventeen wall and earth parts: outlines in dark blue (triangles with their medians) and,
// in blue, each part's weight as a downward arrow at the mean of its vertices; with horizontal
// set, the seismic inertia force as an arrow towards the toe instead. Parts whose force is 0 are
// skipped.
void DrawPartForcesFigure(WallCanvas& canvas, const DrawStyle& style, const ScreenPoints& points,
                          const AnalysisResults& results, bool horizontal);

// "Line loads in T/m" (top 360 above bottom) and "Distributed loads in T/m²" (240 above), and
// with seismicLine "Seismic coeficient = 0.15" (480 above, only when the coefficient is not 0);
// fixed labels, written with the figure's other labels.
void DrawLoadLegend(WallCanvas& canvas, const ProjectData& project, double left, double bottom,
                    bool seismicLine = false);

}  // namespace kelvadrome
