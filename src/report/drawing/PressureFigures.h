// SPDX-License-Identifier: GPL-3.0-or-later
// The pressure diagrams of the load views: water, static earth pressure and the seismic
// increments. Each reads the stored results of the last service analysis; scale is in logical
// units per unit of pressure.
#pragma once

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

// Optional text written after every value, such as "(F)" on paper.
struct PressureLabels {
  QString suffix;
};

// Vertical diagrams from each water level down to the base underside (in front of the toe and at
// the far end of the backfill) and the vertical water loads on the batters, the toe and heel tops
// and the uplift under the base.
void DrawWaterPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                             const ScreenPoints& points, const AnalysisResults& results, double scale,
                             const PressureLabels& labels = {});

// The active earth pressure on the vertical 30 beyond the far end of the backfill, from the
// surface above the heel edge to the back water table and on to the base underside, and the
// downward component of the earth force as a resultant above the heel edge.
void DrawSoilPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                            const ScreenPoints& points, const AnalysisResults& results, double scale,
                            const PressureLabels& labels = {});

// The seismic increment of earth pressure beyond the far end of the backfill and the
// hydrodynamic thrust in front of the toe, each with its resultant.
void DrawSeismicPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                               const ScreenPoints& points, const AnalysisResults& results, double scale,
                               const PressureLabels& labels = {});

// Scales of the screen views: the largest ordinate drawn 480 long (360 for the seismic view);
// 0 when there is nothing to draw.
[[nodiscard]] double WaterPressureScale(const AnalysisResults& results);
[[nodiscard]] double SoilPressureScale(const AnalysisResults& results);
[[nodiscard]] double SeismicPressureScale(const ProjectData& project, const ScreenPoints& points,
                                          const AnalysisResults& results);

}  // namespace kelvadrome
