// SPDX-License-Identifier: GPL-3.0-or-later
// The Reactions section: the wall with the base pressure under it, the sliding resistance of
// the base, the restraint force and the passive pressure of the toe earth and the shear key.
#include "engine/AnalysisResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"
#include "report/ReportFigure.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"
#include "report/drawing/LoadFigures.h"
#include "report/drawing/ReactionFigures.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {
namespace {

constexpr int kLoadBlue = 9;

}  // namespace

void PrintReactionsSection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results,
                           MessageSink& sink) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Reactions, restraints"), 10 * sheet.reportScale);
  SectionFigure figure(sheet, project);
  DrawWallFigure(figure.canvas, figure.style, project, figure.points);

  const StabilityResults& s = results.stability;
  if (!s.wallStable) {
    sink.Warn(kNotStableRestraintMessage);
  } else {
    // The base pressure and the passive pressures share one scale on paper.
    const double scale = ReactionsPressureScale(results);
    figure.canvas.SetColour(kLoadBlue);
    DrawBasePressureDiagram(figure.canvas, figure.style, project, figure.points, s, scale);
    DrawRestraintsFigure(figure.canvas, figure.style, project, figure.points, results, scale);
  }
  DrawLoadLegend(figure.canvas, project, figure.left + 120, figure.bottom, true);
  figure.canvas.PlaceLabels();
}

}  // namespace kelvadrome
