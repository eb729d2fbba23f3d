// SPDX-License-Identifier: GPL-3.0-or-later
// Choice of the report fonts at start-up from the fonts the printer offers, and the substitutes
// for the classic screen fonts that no Linux machine has.
#pragma once

#include <QStringList>
#include <string>

namespace kelvadrome {

struct ReportFontChoice {
  std::string defaultReportFont;  // copied into each new project's report font
  std::string symbolFontName;     // "Symbol" when offered, else the default report font
};

// Goes once through the offered families, in order, comparing names exactly: "Arial", else
// "Times New Roman", else "Courier New", else the first family offered.
[[nodiscard]] ReportFontChoice ChooseReportFonts(const QStringList& offered);

// The families the platform can print: those installed under their own names, plus "Arial",
// "Times New Roman" and "Courier New" when font matching maps them to their metric-compatible
// substitutes ("Liberation Sans", "Liberation Serif", "Liberation Mono").
[[nodiscard]] QStringList OfferedFontFamilies();

// Maps "MS Sans Serif" and "Small Fonts", which the window layout names, to installed families.
void InstallFontSubstitutes();

}  // namespace kelvadrome
