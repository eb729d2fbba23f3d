// SPDX-License-Identifier: GPL-3.0-or-later
// Text operations of the report: fonts, shortening to a width, centred and right-aligned text,
// subscripts, superscripts and captions that mix them. Text is written with its top at the
// sheet's currentY; writing advances currentX.
#pragma once

#include <QString>

#include <string>

namespace kelvadrome {

struct ReportSheet;

// Sets the font. points is the size on paper; the section Parts pass sizes already multiplied by
// reportScale, the footer and a few headings pass plain sizes.
void SetReportFont(ReportSheet& sheet, const std::string& name, double points, bool bold, bool italic);

// Turns the current font bold or regular, keeping its name and size.
void SetReportBold(ReportSheet& sheet, bool bold);

// Sets the font and drops characters from the end of text until it is narrower than maxWidth.
[[nodiscard]] QString FitText(ReportSheet& sheet, const QString& text, double maxWidth, const std::string& name,
                              double points, bool bold, bool italic);

// Width of text in the current font, in report units.
[[nodiscard]] double TextWidth(const ReportSheet& sheet, const QString& text);
// Height of a line of the current font, in report units.
[[nodiscard]] double TextHeight(const ReportSheet& sheet);

// Writes text at the cursor and advances currentX.
void PrintText(ReportSheet& sheet, const QString& text);
void PrintAt(ReportSheet& sheet, const QString& text, double x, double y);
void PrintCentred(ReportSheet& sheet, const QString& text, double x);
void PrintRight(ReportSheet& sheet, const QString& text, double x);

// Two thirds of the current size, lowered (subscript) or raised (superscript); the font and y
// are restored afterwards, currentX advances.
void PrintSubscript(ReportSheet& sheet, const QString& text);
void PrintSuperscript(ReportSheet& sheet, const QString& text);

// Writes a caption with "_{...}" for subscripts and "^{...}" for superscripts, e.g.
// "- Dry density (γ_{d}) =". Greek letters are ordinary characters of the report font.
void PrintCaption(ReportSheet& sheet, const QString& caption);
// Width the caption takes when written.
[[nodiscard]] double CaptionWidth(ReportSheet& sheet, const QString& caption);

}  // namespace kelvadrome
