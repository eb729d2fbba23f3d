// SPDX-License-Identifier: GPL-3.0-or-later
// A labelled value line of the report's two-column blocks: caption at one x, the value ending
// at another, the unit after it. Shared by the properties, stability and calculator pages.
#pragma once

#include <QString>

namespace kelvadrome {

struct ReportSheet;

struct ValueColumn {
  double captionX = 0;
  double valueRight = 0;
  double unitX = 0;
};

// Writes one line with its top at y. Caption and unit may hold "_{}" and "^{}" marks.
void PrintValueLine(ReportSheet& sheet, const ValueColumn& column, double y, const QString& caption,
                    const QString& value, const QString& unit);

// A bold group caption at the column's caption x.
void PrintGroupCaption(ReportSheet& sheet, const ValueColumn& column, double y, const QString& caption);

}  // namespace kelvadrome
