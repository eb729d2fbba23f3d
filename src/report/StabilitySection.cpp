// SPDX-License-Identifier: GPL-3.0-or-later
// The Stability section: forces, eccentricities, base pressures, sliding, overturning and bearing
// resistance of the service analysis, and the notes. The texts are the engine's stability texts in report style.
#include <QString>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/StabilityTexts.h"
#include "model/ProjectData.h"
#include "report/ReportColumns.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

constexpr double kLinePitch = 240;
constexpr double kGroupGap = 480;
// External forces, eccentricities and bearing resistance on the left; the rest on the right.
bool OnTheLeft(size_t group) { return group < 2 || group == kBearingGroup; }

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// Writes the groups of one column one under the other; returns the offset below the last line.
double PrintGroups(ReportSheet& sheet, const std::vector<StabilityGroup>& groups, bool leftColumn,
                   const ValueColumn& column, double top) {
  double offset = 0;
  bool first = true;
  for (size_t g = 0; g < groups.size(); ++g) {
    if (OnTheLeft(g) != leftColumn) continue;
    if (!first) offset += kGroupGap - kLinePitch;
    first = false;
    PrintGroupCaption(sheet, column, top + offset, Utf8(groups[g].caption));
    for (const StabilityLine& line : groups[g].lines) {
      offset += kLinePitch;
      QString caption = Utf8(line.caption);
      if (!line.subscript.empty()) caption += QStringLiteral("_{") + Utf8(line.subscript) + u'}';
      caption += Utf8(line.captionEnd);
      PrintValueLine(sheet, column, top + offset, caption, Utf8(line.value), Utf8(line.unit));
    }
    offset += kLinePitch;
  }
  return offset;
}

}  // namespace

void PrintStabilitySection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Stability"), 10 * sheet.reportScale);

  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);
  const double top = sheet.sectionBodyTop + 320;
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3685.5, 3798.9};
  const ValueColumn right{half, half + 2268, half + 2381.4};

  const std::vector<StabilityGroup> groups =
      StabilityGroups(results.stability, project.unitSystem, StabilityTextStyle::report);
  const double leftEnd = PrintGroups(sheet, groups, true, left, top);
  const double rightEnd = PrintGroups(sheet, groups, false, right, top);

  // The notes run across the whole width, so they start below both blocks.
  double offset = std::max(leftEnd, rightEnd) + kGroupGap - kLinePitch;
  PrintGroupCaption(sheet, left, top + offset, QStringLiteral("Notes:"));
  for (const std::string& note : StabilityNotes(results.stability, project.unitSystem, StabilityTextStyle::report)) {
    offset += kLinePitch;
    PrintValueLine(sheet, left, top + offset, Utf8(note), {}, {});
  }
}

}  // namespace kelvadrome
