// SPDX-License-Identifier: GPL-3.0-or-later
// Report font choice and font substitutes.
#include "ui/main/ReportFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <array>

#include "report/drawing/DrawStyle.h"

namespace kelvadrome {

namespace {

struct MetricTwin {
  const char* name;
  const char* substitute;
};
constexpr std::array<MetricTwin, 3> kMetricTwins{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

}  // namespace

ReportFontChoice ChooseReportFonts(const QStringList& offered) {
  bool arial = false, times = false, courier = false, symbol = false;
  for (const QString& family : offered) {
    arial = arial || family == QLatin1String("Arial");
    times = times || family == QLatin1String("Times New Roman");
    courier = courier || family == QLatin1String("Courier New");
    symbol = symbol || family == QLatin1String("Symbol");
  }
  ReportFontChoice choice;
  if (arial) {
    choice.defaultReportFont = "Arial";
  } else if (times) {
    choice.defaultReportFont = "Times New Roman";
  } else if (courier) {
    choice.defaultReportFont = "Courier New";
  } else if (!offered.isEmpty()) {
    choice.defaultReportFont = offered.front().toStdString();
  }
  choice.symbolFontName = symbol ? std::string("Symbol") : choice.defaultReportFont;
  return choice;
}

QStringList OfferedFontFamilies() {
  QStringList families = QFontDatabase::families();
  for (const MetricTwin& twin : kMetricTwins) {
    const QString name = QString::fromLatin1(twin.name);
    if (families.contains(name)) continue;
    const QString matched = QFontInfo(QFont(name)).family();
    if (matched == QLatin1String(twin.substitute)) families.append(name);
  }
  return families;
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  InstallScreenFontSubstitutes();  // "Small Fonts", the drawing's font
}

}  // namespace kelvadrome
