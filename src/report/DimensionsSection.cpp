// SPDX-License-Identifier: GPL-3.0-or-later
// The Dimensions section: the wall to scale with its dimension lines and the legend.
#include <QString>

#include "engine/AnalysisResults.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "report/ReportFigure.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"
#include "report/drawing/DimensionFigure.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {

void PrintDimensionsSection(ReportSheet& sheet, const ProjectData& project) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Dimensions"), 10 * sheet.reportScale);
  // Dimensions that no wall can have fault here as they would in the analysis.
  AnalysisResults outline;
  ComputeWallOutline(project, outline);

  SectionFigure figure(sheet, project);
  DrawWallFigure(figure.canvas, figure.style, project, figure.points);
  figure.canvas.SetColour(4);
  figure.canvas.SetWidth(figure.style.thinPen);
  (void)DrawDimensionsFigure(figure.canvas, figure.style, project, figure.points);
  DrawDimensionLegend(figure.canvas, project, figure.left + 120, figure.bottom);
}

}  // namespace kelvadrome
