// SPDX-License-Identifier: GPL-3.0-or-later
// Arrows, dimension lines, pressure diagrams and force arrows of the wall figures.
#include "report/drawing/DrawPrimitives.h"

#include <cmath>
#include <numbers>

#include "format/NumberFormat.h"

namespace kelvadrome {
namespace {

constexpr double kDiagramStep = 90;        // spacing of the arrows of a pressure diagram
constexpr double kExtensionStart = 60;     // gap between a measured point and its extension line
constexpr double kExtensionOvershoot = 120;
constexpr double kLabelGap = 30;

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

void DrawHead(WallCanvas& canvas, const DrawStyle& style, QPointF tip, QPointF unitBack) {
  const QPointF side(-unitBack.y(), unitBack.x());
  const QPointF base = tip + unitBack * style.arrowHeadLength;
  canvas.Line(tip, base + side * style.arrowHeadHalfWidth);
  canvas.Line(tip, base - side * style.arrowHeadHalfWidth);
}

// Arrows of a diagram: every 90 along [from, to] of the parameter, including the start.
template <typename Arrow>
void EveryStep(double from, double to, Arrow&& arrow) {
  const double span = std::fabs(to - from);
  const int steps = static_cast<int>(std::floor(span / kDiagramStep));
  for (int k = 0; k <= steps; ++k) {
    const double along = k * kDiagramStep;
    arrow(from + Sign(to - from) * along, span > 0 ? along / span : 0.0);
  }
}

}  // namespace

QString FigureNumber(double value) { return QString::fromStdString(FormatNumber(value, "#0.#0")); }

QRectF WriteLabel(WallCanvas& canvas, double x, double y, const QString& text, TextAlign align, int area) {
  const double width = canvas.TextWidth(text);
  const double left = align == TextAlign::left ? x : align == TextAlign::centre ? x - width / 2 : x - width;
  const QRectF box(left, y, width, canvas.TextHeight());
  canvas.Label(box, text, false, area);
  return box;
}

void DrawArrow(WallCanvas& canvas, const DrawStyle& style, double x1, double y1, double x2, double y2,
               int arrowStyle) {
  const double length = std::hypot(x2 - x1, y2 - y1);
  const double minimum = arrowStyle == 2 ? 180.0 : 60.0;
  if (!(length >= minimum)) return;
  const QPointF from(x1, y1), to(x2, y2);
  const QPointF back = (from - to) / length;
  canvas.Line(from, to);
  DrawHead(canvas, style, to, back);
  if (arrowStyle == 2) DrawHead(canvas, style, from, -back);
}

DimensionLabel DrawDimensionH(WallCanvas& canvas, const DrawStyle& style, int index, const QString& text,
                              double x1, double x2, double yRef1, double yRef2, double yLine, LabelSide side) {
  const auto extension = [&](double x, double yRef) {
    const double toward = yLine >= yRef ? 1.0 : -1.0;
    canvas.Line(x, yRef + toward * kExtensionStart, x, yLine + toward * kExtensionOvershoot);
  };
  extension(x1, yRef1);
  extension(x2, yRef2);
  DrawArrow(canvas, style, x1, yLine, x2, yLine, 2);

  const double width = canvas.TextWidth(text), height = canvas.TextHeight();
  const double top = side == LabelSide::below ? yLine + kLabelGap / 2 : yLine - kLabelGap / 2 - height;
  DimensionLabel label{index, text, QRectF((x1 + x2) / 2 - width / 2, top, width, height)};
  if (style.writeDimensionText) canvas.Text(label.box, text);
  return label;
}

DimensionLabel DrawDimensionV(WallCanvas& canvas, const DrawStyle& style, int index, const QString& text,
                              double y1, double y2, double xRef1, double xRef2, double xLine, LabelSide side) {
  const auto extension = [&](double y, double xRef) {
    const double toward = xLine >= xRef ? 1.0 : -1.0;
    canvas.Line(xRef + toward * kExtensionStart, y, xLine + toward * kExtensionOvershoot, y);
  };
  extension(y1, xRef1);
  extension(y2, xRef2);
  DrawArrow(canvas, style, xLine, y1, xLine, y2, 2);

  const double width = canvas.TextWidth(text), height = canvas.TextHeight();
  const double left = side == LabelSide::left ? xLine - kLabelGap - width : xLine + kLabelGap;
  DimensionLabel label{index, text, QRectF(left, (y1 + y2) / 2 - height / 2, width, height)};
  if (style.writeDimensionText) canvas.Text(label.box, text);
  return label;
}

void DrawPressureV(WallCanvas& canvas, const DrawStyle& style, double y1, double y2, double x0, double d1,
                   double d2, const QString& label1, const QString& label2) {
  if (std::fabs(y2 - y1) < kZeroOrdinate) return;
  if (std::fabs(d1) <= kZeroOrdinate && std::fabs(d2) <= kZeroOrdinate) return;
  EveryStep(y1, y2, [&](double y, double t) {
    const double d = d1 + (d2 - d1) * t;
    DrawArrow(canvas, style, x0 + d, y, x0, y, 1);
  });
  canvas.Line(x0, y1, x0, y2);
  canvas.Line(x0, y1, x0 + d1, y1);
  canvas.Line(x0, y2, x0 + d2, y2);
  canvas.Line(x0 + d1, y1, x0 + d2, y2);
  const int area = canvas.AddHatchedArea(QPolygonF({{x0, y1}, {x0 + d1, y1}, {x0 + d2, y2}, {x0, y2}}));

  const double raise = y2 < y1 ? 120.0 : 0.0;
  const auto label = [&](const QString& text, double d, double y) {
    if (text.isEmpty()) return;
    if (d < 0) {
      WriteLabel(canvas, x0 + d - kLabelGap, y - raise, text, TextAlign::right, area);
    } else {
      WriteLabel(canvas, x0 + d + kLabelGap, y - raise, text, TextAlign::left, area);
    }
  };
  label(label1, d1, y1);
  label(label2, d2, y2);
}

void DrawPressureAlong(WallCanvas& canvas, const DrawStyle& style, QPointF a, QPointF b, double d1, double d2,
                       const QString& label1, const QString& label2, bool evenVertical) {
  if (!evenVertical && std::fabs(b.x() - a.x()) < kZeroOrdinate) return;
  if (std::fabs(d1) <= kZeroOrdinate && std::fabs(d2) <= kZeroOrdinate) return;
  EveryStep(a.x(), b.x(), [&](double x, double t) {
    const double base = a.y() + (b.y() - a.y()) * t;
    DrawArrow(canvas, style, x, base + d1 + (d2 - d1) * t, x, base, 1);
  });
  canvas.Line(a, b);
  canvas.Line(a, a + QPointF(0, d1));
  canvas.Line(b, b + QPointF(0, d2));
  canvas.Line(a + QPointF(0, d1), b + QPointF(0, d2));
  const int area = canvas.AddHatchedArea(QPolygonF({a, a + QPointF(0, d1), b + QPointF(0, d2), b}));

  // Ordinates standing above the line get their value above the end; hanging ordinates get it
  // beside them, outside the diagram, so that it stays clear of the figure's bottom edge.
  const double height = canvas.TextHeight();
  const bool rightward = b.x() > a.x();
  const auto label = [&](const QString& text, QPointF at, double d, bool outwardRight) {
    if (text.isEmpty()) return;
    if (d < 0) {
      WriteLabel(canvas, at.x(), at.y() + d - kLabelGap / 2 - height, text, TextAlign::centre, area);
    } else if (outwardRight) {
      WriteLabel(canvas, at.x() + kLabelGap, at.y() + d / 2 - height / 2, text, TextAlign::left, area);
    } else {
      WriteLabel(canvas, at.x() - kLabelGap, at.y() + d / 2 - height / 2, text, TextAlign::right, area);
    }
  };
  label(label1, a, d1, !rightward);
  label(label2, b, d2, rightward);
}

void DrawInclinedForce(WallCanvas& canvas, const DrawStyle& style, QPointF point, double directionDegrees,
                       double value, const QString& suffix) {
  if (std::fabs(value) <= kZeroOrdinate) return;
  double angle = directionDegrees * std::numbers::pi / 180.0;
  if (value < 0) angle += std::numbers::pi;
  // The direction the load acts in, on a canvas whose y grows downward: 0 up, 90 towards the
  // heel. The tail lies against that direction.
  const QPointF acting(std::sin(angle), -std::cos(angle));
  const QPointF tail = point - acting * kForceArrowLength;
  canvas.SetWidth(style.heavyPen);
  DrawArrow(canvas, style, tail, point, 1);
  canvas.AddBarrier(QLineF(tail, point));

  // The value beyond the tail, so that it does not cover the shaft.
  const QString text = FigureNumber(std::fabs(value)) + suffix;
  const double width = canvas.TextWidth(text), height = canvas.TextHeight();
  const QPointF away = -acting;
  const double reach = std::fabs(away.x()) * width / 2 + std::fabs(away.y()) * height / 2 + kLabelGap;
  const QPointF centre = tail + away * reach;
  canvas.Label(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height), text);
}

void DrawForceV(WallCanvas& canvas, const DrawStyle& style, double x, double y, double value) {
  if (value == 0) return;
  canvas.SetWidth(style.heavyPen);
  const bool downward = value < 0;
  const double tailY = downward ? y - kForceArrowLength : y + kForceArrowLength;
  DrawArrow(canvas, style, x, tailY, x, y, 1);
  canvas.AddBarrier(QLineF(x, tailY, x, y));
  WriteLabel(canvas, x + 15, downward ? y - 300 : y + 180, FigureNumber(std::fabs(value)), TextAlign::left);
}

void DrawForceH(WallCanvas& canvas, const DrawStyle& style, double x, double y, double value) {
  if (value == 0) return;
  canvas.SetWidth(style.heavyPen);
  const double tailX = value > 0 ? x - kForceArrowLength : x + kForceArrowLength;
  DrawArrow(canvas, style, tailX, y, x, y, 1);
  canvas.AddBarrier(QLineF(tailX, y, x, y));
  WriteLabel(canvas, (x + tailX) / 2, y - 150, FigureNumber(std::fabs(value)), TextAlign::centre);
}

}  // namespace kelvadrome
