// SPDX-License-Identifier: GPL-3.0-or-later
// The Loads section: the wall with every load and pressure diagram of the service analysis,
// each value marked with its load case.
#include <QString>

#include <cmath>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/ReportFigure.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"
#include "report/drawing/LoadFigures.h"
#include "report/drawing/PressureFigures.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {
namespace {

constexpr int kLoadBlue = 9;

}  // namespace

void DrawLoadsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project, const ScreenPoints& points,
                     const AnalysisResults& results, const QRectF& area) {
  DrawWallFigure(canvas, style, project, points);
  const float scale = LoadsPressureScale(project, results);

  canvas.SetColour(kLoadBlue);
  LoadSelection every;
  every.markCases = true;
  // A length: the sign of the surcharge turns the arrows round where they are drawn.
  every.surchargeArrowLength = double(scale) * std::fabs(project.surchargeLoad);
  DrawLineLoadsFigure(canvas, style, project, points, every);
  DrawPartForcesFigure(canvas, style, points, results, false);
  canvas.SetColour(kLoadBlue);
  DrawWaterPressureFigure(canvas, style, project, points, results, scale, {QStringLiteral("(F)")});
  canvas.SetColour(kLoadBlue);
  DrawSoilPressureFigure(canvas, style, project, points, results, scale, {QStringLiteral("(H)")});
  canvas.SetColour(kLoadBlue);
  DrawSeismicPressureFigure(canvas, style, project, points, results, scale, {QStringLiteral("(E)")});
  DrawLoadLegend(canvas, project, area.left() + 120, area.bottom(), true);
}

void PrintLoadsSection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Loads"), 10);
  SectionFigure figure(sheet, project);
  DrawLoadsFigure(figure.canvas, figure.style, project, figure.points, results, figure.Body());
  figure.canvas.PlaceLabels();
}

}  // namespace kelvadrome
