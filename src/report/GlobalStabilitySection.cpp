// SPDX-License-Identifier: GPL-3.0-or-later
// The Global stability section: the wall with the critical slip circle drawn to the section's
// scale, and under it the circle's centre, radius, exit and entry points, the number of circles
// and the safety factor.
#include <QRectF>

#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"
#include "engine/GlobalStabilityTexts.h"
#include "engine/StabilityTexts.h"
#include "model/ProjectData.h"
#include "report/ReportColumns.h"
#include "report/ReportFigure.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"
#include "report/drawing/GlobalFigure.h"
#include "report/drawing/Palette.h"
#include "report/drawing/ReactionFigures.h"
#include "report/drawing/WallFigure.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {
namespace {

constexpr double kLinePitch = 240;
constexpr int kLinesPerColumn = 4;
// Room kept under the figure for the caption, four lines of values and a note.
constexpr double kValuesHeight = 240 + (kLinesPerColumn + 2) * kLinePitch;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

void PrintValues(ReportSheet& sheet, const ProjectData& project, const StabilityResults& stability,
                 const GlobalStabilityResults& global, double top) {
  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3685.5, 3798.9};
  const ValueColumn right{half, half + 2268, half + 2381.4};
  PrintGroupCaption(sheet, left, top, QStringLiteral("Critical slip circle (Bishop's simplified method):"));
  std::vector<GlobalStabilityLine> lines = GlobalStabilityLines(global, project.unitSystem);
  if (!stability.wallStable) {
    for (GlobalStabilityLine& line : lines) line.value = kNotApplicable;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool onLeft = static_cast<int>(i) < kLinesPerColumn;
    const double y = top + kLinePitch * double(1 + (onLeft ? i : i - kLinesPerColumn));
    PrintValueLine(sheet, onLeft ? left : right, y, Utf8(lines[i].caption), Utf8(lines[i].value),
                   Utf8(lines[i].unit));
  }
  if (!stability.wallStable) {
    PrintValueLine(sheet, left, top + kLinePitch * (kLinesPerColumn + 1),
                   QString::fromUtf8(kNoteMarker) + QString::fromLatin1(kNotStableReactionMessage), {}, {});
  } else if (GlobalStabilityNoteApplies(stability, global)) {
    PrintValueLine(sheet, left, top + kLinePitch * (kLinesPerColumn + 1),
                   QString::fromUtf8(kNoteMarker) + QString::fromLatin1(kGlobalStabilityNote), {}, {});
  }
}

}  // namespace

void PrintGlobalStabilitySection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Global stability"), 10 * sheet.reportScale);

  const GlobalStabilityResults global = ComputeGlobalStability(project, results);

  SectionFigure figure(sheet, project);
  const double bottom = sheet.sectionTop + sheet.halfHeight;
  const QRectF room(0, sheet.sectionBodyTop, sheet.pageWidth, bottom - sheet.sectionBodyTop - kValuesHeight);
  // The circle figure fills the room above the values; without a circle the wall alone does.
  figure.points = ComputeScreenPoints(
      project, global.HasCircle() ? FitGlobalFigure(project, global, room)
                                  : FitWallToSection(project, sheet.pageWidth,
                                                     sheet.sectionContentHeight - kValuesHeight, sheet.sectionBodyTop));
  DrawWallFigure(figure.canvas, figure.style, project, figure.points);
  if (results.stability.wallStable) {
    DrawGlobalStabilityFigure(figure.canvas, figure.style, project, figure.points, &global,
                              room.left() + 120, room.bottom());
  }
  figure.canvas.PlaceLabels();
  PrintValues(sheet, project, results.stability, global, room.bottom() + 120);
}

}  // namespace kelvadrome
