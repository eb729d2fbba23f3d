// SPDX-License-Identifier: GPL-3.0-or-later
// A small drawing surface over a QPainter in the logical units of the figure: twips on the
// screen, report units on paper. The painter's transform maps those units to the device; the
// canvas never converts to pixels itself, except for pen widths, which are device sizes. It also
// holds the value labels of the figure until the figure is complete, and then places them.
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

#include "report/drawing/DrawStyle.h"
#include "report/drawing/LabelLayout.h"

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

  // Value labels are written last, when the figure is complete (PlaceLabels), so that each can
  // keep clear of every other label and of every labelled arrow, whichever was drawn first.
  // A label asks for the box it would take; a fixed one (a legend line) is written there. A
  // label of a pressure diagram names the diagram's area, which it may touch.
  void Label(const QRectF& box, const QString& text, bool fixed = false, int area = -1);
  // A line no label is placed across: the shaft of an arrow that carries a value, or the wall's
  // heavy outline.
  void AddBarrier(const QLineF& line);
  // The hatched area of a pressure diagram: no label of another diagram or arrow is placed in
  // it. Returns the number by which the diagram's own labels name it.
  int AddHatchedArea(const QPolygonF& area);
  // Labels that have to move stay inside bounds.
  void SetLabelBounds(const QRectF& bounds);
  // Places and writes the labels asked for since the last call. Labels of a figure abandoned
  // before this call are never written.
  void PlaceLabels();

  // What the canvas has drawn, in logical units: every line, every text with its box and the
  // barrier lines. The label placement reads the lines; tests read all three.
  struct WrittenText {
    QString text;
    QRectF box;
    bool placed = false;  // a value label placed clear of the others (not a fixed text)
  };
  [[nodiscard]] const std::vector<QLineF>& DrawnLines() const { return lines_; }
  [[nodiscard]] const std::vector<WrittenText>& WrittenTexts() const { return texts_; }
  [[nodiscard]] const std::vector<QLineF>& Barriers() const { return barriers_; }

  [[nodiscard]] QPainter& Painter() { return painter_; }

 private:
  struct PendingLabel {
    LabelRequest request;
    QString text;
    QColor colour;
  };

  void ApplyPen();
  void Write(double x, double y, const QString& text, bool placed);

  QPainter& painter_;
  QColor colour_{0, 0, 0};
  PenWidth width_{};
  bool invisible_ = false;
  double fontUnits_ = 120;

  QRectF labelBounds_;
  std::vector<PendingLabel> pending_;
  std::vector<QLineF> barriers_;
  std::vector<QPolygonF> areas_;
  std::vector<QLineF> lines_;
  std::vector<WrittenText> texts_;
};

}  // namespace kelvadrome
