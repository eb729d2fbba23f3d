// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations the wall figures are built from: arrows, dimension lines, pressure
// diagrams, line-load arrows and resultant arrows, in the logical units of the canvas.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include "report/drawing/DrawStyle.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome {

inline constexpr double kZeroOrdinate = 0.00001;  // smaller ordinates and loads are not drawn
inline constexpr double kForceArrowLength = 480;

// Arrow style 1: one head at (x2, y2), drawn only when at least 60 long. Style 2: heads at both
// ends, drawn only when at least 180 long. Shorter arrows draw nothing.
void DrawArrow(WallCanvas& canvas, const DrawStyle& style, double x1, double y1, double x2, double y2,
               int arrowStyle);
inline void DrawArrow(WallCanvas& canvas, const DrawStyle& style, QPointF from, QPointF to, int arrowStyle) {
  DrawArrow(canvas, style, from.x(), from.y(), to.x(), to.y(), arrowStyle);
}

// Where the value of a dimension goes relative to its line.
enum class LabelSide { above, below, left, right };

// A dimension value: the label index it belongs to (0..15, or kSlopeLabel for the "1 : " of the
// backfill slope), its text and the box it occupies in logical units.
inline constexpr int kSlopeLabel = 16;
struct DimensionLabel {
  int index = 0;
  QString text;
  QRectF box;
};

// A horizontal dimension between x1 and x2, measured from points at the reference heights
// yRef1 and yRef2, with its line at yLine. Extension lines start 60 from each reference point
// and end 120 past the line; the line has heads at both ends; the value is centred on the line.
// The value is written when the style says so; its label is returned either way.
DimensionLabel DrawDimensionH(WallCanvas& canvas, const DrawStyle& style, int index, const QString& text,
                              double x1, double x2, double yRef1, double yRef2, double yLine, LabelSide side);
// The vertical counterpart: y1, y2 measured from points at xRef1, xRef2, the line at xLine.
DimensionLabel DrawDimensionV(WallCanvas& canvas, const DrawStyle& style, int index, const QString& text,
                              double y1, double y2, double xRef1, double xRef2, double xLine, LabelSide side);

// Vertical pressure diagram on the base line x = x0 from y1 to y2, ordinates d1 and d2 (signed:
// positive to the right). Arrows every 90 from the outer edge to the base line, then the base
// line, the end ordinates and the outer edge. Nothing when the height or both ordinates are 0.
void DrawPressureV(WallCanvas& canvas, const DrawStyle& style, double y1, double y2, double x0, double d1,
                   double d2, const QString& label1, const QString& label2);

// Pressure diagram along a base line from a to b (horizontal, or along a sloping face) with
// vertical ordinates d1 at a and d2 at b (signed: positive downward). Arrows every 90 along x.
// Values of ordinates standing above the line are written above their ends; those of hanging
// ordinates beside them, outside the diagram. A line without width (vertical) draws nothing
// unless evenVertical.
void DrawPressureAlong(WallCanvas& canvas, const DrawStyle& style, QPointF a, QPointF b, double d1, double d2,
                       const QString& label1, const QString& label2, bool evenVertical = false);
// The horizontal diagram: base line y = y0 from x1 to x2.
inline void DrawPressureH(WallCanvas& canvas, const DrawStyle& style, double x1, double x2, double y0, double d1,
                          double d2, const QString& label1, const QString& label2) {
  DrawPressureAlong(canvas, style, {x1, y0}, {x2, y0}, d1, d2, label1, label2);
}

// A load acting at a point along a direction in degrees (0 up, 90 towards the heel, 180 down,
// 270 towards the toe); a negative value acts the other way. The arrow is 480 long and ends at
// the point; |value| in "#0.#0" followed by suffix is labelled beyond its tail. Like the
// resultants below, its shaft is kept clear of every label.
void DrawInclinedForce(WallCanvas& canvas, const DrawStyle& style, QPointF point, double directionDegrees,
                       double value, const QString& suffix = {});

// Vertical resultant ending at (x, y): from above for a negative (downward) value, from below for
// a positive one; |value| written 15 right of the shaft, 300 above or 180 below the point.
void DrawForceV(WallCanvas& canvas, const DrawStyle& style, double x, double y, double value);
// Horizontal resultant ending at (x, y): from the toe side for a positive value (towards the
// heel), from the heel side for a negative one; |value| written 150 above the shaft.
void DrawForceH(WallCanvas& canvas, const DrawStyle& style, double x, double y, double value);

// A number as the figures show it: "#0.#0".
[[nodiscard]] QString FigureNumber(double value);

// A value label with its top at y, starting at x (left), centred on x, or ending at x (right):
// the box it asks for. The canvas writes it there, or near there when something is in the way,
// once the figure is complete (WallCanvas::PlaceLabels).
enum class TextAlign { left, centre, right };
// A label of a pressure diagram names the diagram's hatched area (WallCanvas::AddHatchedArea).
QRectF WriteLabel(WallCanvas& canvas, double x, double y, const QString& text, TextAlign align, int area = -1);

}  // namespace kelvadrome
