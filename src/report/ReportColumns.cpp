// SPDX-License-Identifier: GPL-3.0-or-later
// Caption, value and unit lines of the report's text pages.
#include "report/ReportColumns.h"

#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
void PrintValueLine(ReportSheet& sheet, const ValueColumn& column, double y, const QString& caption,
                    const QString& value, const QString& unit) {
  SetReportBold(sheet, false);
  sheet.currentX = column.captionX;
  sheet.currentY = y;
  PrintCaption(sheet, caption);
  if (!value.isEmpty()) PrintRight(sheet, value, column.valueRight);
  if (!unit.isEmpty()) {
    sheet.currentX = column.unitX;
    PrintCaption(sheet, unit);
  }
}

void PrintGroupCaption(ReportSheet& sheet, const ValueColumn& column, double y, const QString& caption) {
  SetReportBold(sheet, true);
  sheet.currentX = column.captionX;
  sheet.currentY = y;
  PrintCaption(sheet, caption);
  SetReportBold(sheet, false);
}

}  // namespace kelvadrome
