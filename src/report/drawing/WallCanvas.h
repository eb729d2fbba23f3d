// A small drawing surface over a QPainter in the logical units of the figure: twips on the
// screen, report units on paper. The painter's transform maps those units to the device; the
// canvas never converts to pixels itself, except for pen widths, which are device sizes.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include "report/drawing/DrawStyle.h"

class QPainter;

namespace kelvadrome {

class WallCanvas {
 public:
  // The painter must already carry the transform from logical units to the device.
  explicit WallCanvas(QPainter& painter);

  // Current drawing colour (lines, arrows, text) by palette index or as a colour.
  void SetColour(int paletteIndex);
  void SetColour(const QColor& colour);
  [[nodiscard]] QColor Colour() const { return colour_; }

  // Line width, as device pixels or millimetres on paper.
  void SetWidth(PenWidth width);
  [[nodiscard]] PenWidth Width() const { return width_; }
  // The invisible line style draws no lines at all (filled boxes still fill).
  void SetInvisible(bool invisible);

  void Line(double x1, double y1, double x2, double y2);
  void Line(QPointF from, QPointF to) { Line(from.x(), from.y(), to.x(), to.y()); }
  // A box between two corners, filled with the colour and without an outline.
  void FillBox(double x1, double y1, double x2, double y2, const QColor& fill);
  // A polygon filled with the colour, without an outline.
  void FillPolygon(const QPolygonF& polygon, const QColor& fill);

  // Font by family and height in logical units (20 units per point on screen and paper).
  void SetFont(const QString& family, double heightUnits);
  [[nodiscard]] double FontUnits() const { return fontUnits_; }
  [[nodiscard]] double TextWidth(const QString& text) const;
  [[nodiscard]] double TextHeight() const;
  // Writes text with the top left corner of its line at (x, y).
  void Text(double x, double y, const QString& text);
  void Text(const QRectF& box, const QString& text) { Text(box.left(), box.top(), text); }
  // The box text takes when written at (x, y).
  [[nodiscard]] QRectF TextBox(double x, double y, const QString& text) const;

  [[nodiscard]] QPainter& Painter() { return painter_; }

 private:
  void ApplyPen();

  QPainter& painter_;
  QColor colour_{0, 0, 0};
  PenWidth width_{};
  bool invisible_ = false;
  double fontUnits_ = 120;
};

}  // namespace kelvadrome
