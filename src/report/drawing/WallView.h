// SPDX-License-Identifier: GPL-3.0-or-later
// One view of the main window's drawing: the wall with its earth and water, then the selected
// view over it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QRectF>
#include <QSizeF>

class QPainter;

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/WallCanvas.h"
#include "report/drawing/WallFitting.h"
#include "report/drawing/ViewKind.h"

namespace kelvadrome {

struct WallViewOutput {
  std::vector<DimensionLabel> labels;  // the Dimensions view's value labels
  std::vector<std::string> messages;   // to show once, e.g. that the wall is not stable
};

// Draws the wall and the view (none: the wall only) into area (the picture, in logical units),
// reading the project and the results of the last service analysis, which the caller has run
// (RunServiceAnalysis). analysisValid false (the analysis ended in a fault) leaves out every part
// that reads results: the dimensions and line loads are still drawn. global is the critical slip
// circle of the Global view, null while its search is still running.
WallViewOutput DrawWallView(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                            const AnalysisResults& results, std::optional<ViewKind> view,
                            const WallFitting& fitting, const QRectF& area, bool analysisValid = true,
                            const GlobalStabilityResults* global = nullptr);

// The fitting of a view into area: the wall's own, or for the Global view with a circle the
// whole circle figure.
[[nodiscard]] WallFitting FitView(const ProjectData& project, std::optional<ViewKind> view, const GlobalStabilityResults* global,
                                  const QRectF& area, const WallFitting& wallFitting);

// The whole picture of the main window: a white background of pixelSize device-independent
// pixels, the transform from twips (pixelsPerTwip, the screen's logical resolution / 1440), the
// fitting to the picture and the view. Labels come back in twips.
WallViewOutput PaintWallPicture(QPainter& painter, QSizeF pixelSize, double pixelsPerTwip,
                                const ProjectData& project, const AnalysisResults& results,
                                std::optional<ViewKind> view, bool analysisValid = true,
                                const GlobalStabilityResults* global = nullptr);


}  // namespace kelvadrome
