// SPDX-License-Identifier: GPL-3.0-or-later
// The few things in which the wall figures differ between the screen picture and the printed
// report: arrow heads, pen widths (pixels on screen, millimetres on paper), the grey earth and
// water fills of the screen, the colours of the wall outline, and whether dimension values are
// handed back as clickable labels or written as text.
#pragma once

#include <QString>

namespace kelvadrome {

// A pen width in device pixels (screen) or in millimetres on paper.
enum class PenUnit { pixels, millimetres };
struct PenWidth {
  double value = 1;
  PenUnit unit = PenUnit::pixels;
};

enum class DrawMedium { screen, paper };

struct DrawStyle {
  DrawMedium medium = DrawMedium::screen;

  // Arrow heads: two strokes from the tip, back along the shaft and out to each side.
  double arrowHeadLength = 60;
  double arrowHeadHalfWidth = 30;

  PenWidth thinPen{1, PenUnit::pixels};    // pressure diagrams, surcharge arrows, dimension lines
  PenWidth groundPen{1, PenUnit::pixels};  // ground and water lines, outlines of the wall parts
  PenWidth heavyPen{2, PenUnit::pixels};   // wall outline, line loads, force and resultant arrows

  bool fillEarthAndWater = true;  // grey earth, shaded backfill wedge, water fill
  bool writeDimensionText = false;  // dimension values written as text (else only returned)

  int groundColour = 8;      // ground line and backfill surface without water (with water: 1)
  int wallColour = 3;        // concrete outline
  int shearKeyColour = 5;

  // Text font; its height is given in the canvas's logical units (20 per point).
  QString fontFamily = QStringLiteral("Small Fonts");
  double fontUnits = 120;
};

// The main window's picture: twips, "Small Fonts" 6 pt, heads 60 by 30, pens in pixels.
[[nodiscard]] DrawStyle ScreenDrawStyle();

// The printed report: heads 60 by 15, pens of 0.1, 0.2 and 0.3 mm, no fills, the wall in dark
// blue, the shear key in light grey, dimension values written on the figure. fontUnits is the
// text height in report units (a font of p points printed at p × reportScale is 20 × p units).
[[nodiscard]] DrawStyle PaperDrawStyle(const QString& fontFamily, double fontUnits);

// "Small Fonts" exists on no Linux machine: map it to a small sans font of this system.
void InstallScreenFontSubstitutes();

}  // namespace kelvadrome
