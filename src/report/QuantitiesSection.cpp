// SPDX-License-Identifier: GPL-3.0-or-later
// The Quantities section: the wall's concrete, formwork, steel per design column, distribution
// steel and cost, with the unit prices, for the bars of the last concrete design.
#include <QString>

#include "engine/AnalysisResults.h"
#include "engine/Quantities.h"
#include "engine/QuantityLines.h"
#include "engine/WallGeometry.h"
#include "format/NumberFormat.h"
#include "model/Units.h"
#include "report/ReportColumns.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {

namespace {

constexpr double kRowStep = 240;

void PrintLines(ReportSheet& sheet, const ValueColumn& column, double top, const std::vector<QuantityLine>& lines) {
  double y = top;
  for (const QuantityLine& line : lines) {
    PrintValueLine(sheet, column, y, QString::fromStdString(line.caption + " ="),
                   QString::fromStdString(FormatNumber(line.value, "#0.#0")), QString::fromStdString(line.unit));
    y += kRowStep;
  }
}

}  // namespace

void PrintQuantitiesSection(ReportSheet& sheet, const ProjectData& project) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Quantities"), 10);
  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);

  AnalysisResults outline;
  ComputeWallOutline(project, outline);
  const Quantities q = ComputeQuantities(project, outline);
  const double top = sheet.sectionBodyTop + 320;
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3402, 3515.4};
  const ValueColumn right{half, half + 2600, half + 2713.4};
  PrintGroupCaption(sheet, left, top, QStringLiteral("Per 1 %1 of wall length:")
                                          .arg(QString::fromStdString(UnitLabel(UnitQuantity::length, project.unitSystem))));
  PrintLines(sheet, left, top + kRowStep, QuantityLines(q, project.unitSystem));
  PrintGroupCaption(sheet, right, top, QStringLiteral("Unit prices:"));
  PrintLines(sheet, right, top + kRowStep, PriceLines(project.prices, project.unitSystem));
}

}  // namespace kelvadrome
