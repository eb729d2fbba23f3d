// SPDX-License-Identifier: GPL-3.0-or-later
// Screen and paper styles of the wall figures.
#include "report/drawing/DrawStyle.h"

#include <QFont>
#include <QStringList>

namespace kelvadrome {

DrawStyle ScreenDrawStyle() { return DrawStyle{}; }

DrawStyle PaperDrawStyle(const QString& fontFamily, double fontUnits) {
  DrawStyle style;
  style.medium = DrawMedium::paper;
  style.arrowHeadHalfWidth = 15;
  style.thinPen = {0.1, PenUnit::millimetres};
  style.groundPen = {0.2, PenUnit::millimetres};
  style.heavyPen = {0.3, PenUnit::millimetres};
  style.fillEarthAndWater = false;
  style.writeDimensionText = true;
  style.groundColour = 1;
  style.wallColour = 1;
  style.shearKeyColour = 7;
  style.fontFamily = fontFamily;
  style.fontUnits = fontUnits;
  return style;
}

void InstallScreenFontSubstitutes() {
  const QString name = QStringLiteral("Small Fonts");
  if (!QFont::substitutes(name).isEmpty()) return;
  QFont::insertSubstitutions(name, {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arial"), QStringLiteral("Helvetica")});
}

}  // namespace kelvadrome
