// SPDX-License-Identifier: GPL-3.0-or-later
// The Loads section: the wall with every load and pressure diagram of the service analysis,
// each value marked with its load case. Restarts once when the earth pressure flattened the
// backfill slope, so that the figure shows the slope the results belong to.
#include <QString>

#include <cmath>

#include "engine/AnalysisResults.h"
#include "engine/EarthPressure.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"
#include "engine/WaterPressure.h"
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

// Draws the section once; false when the slope was flattened on the way and it must start again.
bool PrintLoadsOnce(ReportSheet& sheet, ProjectData& project, AnalysisResults& results, MessageSink& sink) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Loads"), 10);
  SectionFigure figure(sheet, project);
  if (!DrawLoadsFigure(figure.canvas, figure.style, project, figure.points, results, sink, figure.Body())) return false;
  figure.canvas.PlaceLabels();
  return true;
}

}  // namespace

bool DrawLoadsFigure(WallCanvas& canvas, const DrawStyle& style, ProjectData& project, const ScreenPoints& points,
                     AnalysisResults& results, MessageSink& sink, const QRectF& area) {
  DrawWallFigure(canvas, style, project, points);

  results.slopeAdjusted = false;
  SetServiceLoadFactors(results);
  ComputeWallOutline(project, results);
  ComputeWallPolygons(project, results);
  ComputeWaterPressure(project, results);
  (void)ComputeActivePressure(project, results, sink);
  ComputeSeismicPressure(project, results, sink);
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
  if (results.slopeAdjusted) return false;
  canvas.SetColour(kLoadBlue);
  DrawSeismicPressureFigure(canvas, style, project, points, results, scale, {QStringLiteral("(E)")});
  if (results.slopeAdjusted) return false;
  DrawLoadLegend(canvas, project, area.left() + 120, area.bottom(), true);
  return true;
}

void PrintLoadsSection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results, MessageSink& sink) {
  // The flattened slope does not trip the rules again, so the second pass always completes;
  // the bound only guards against a rule that keeps firing.
  for (int pass = 0; pass < 2 && !PrintLoadsOnce(sheet, project, results, sink); ++pass) {
  }
}

}  // namespace kelvadrome
