// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the calculator's soil layer. Lengths are drawn to one scale in both directions; the
// pressure diagram has its own scale, its widest ordinate taking about half the soil's width.
#include "ui/calculator/SoilPicture.h"

#include <QPainter>
#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "format/NumberFormat.h"

namespace kelvadrome {

namespace {

[[nodiscard]] double Radians(double degrees) { return degrees * std::atan(1.0) / 45.0; }

// The layer in its own length unit, y measured downward from the top of the wall face.
struct LayerShape {
  double depth = 1;        // h, or 1 when the layer has no depth to draw
  double waterDepth = -1;  // below 0 when the water table is not inside the layer
  double tanTheta = 0;
  double tanBeta = 0;
  double wallThickness = 0;
  double soilRight = 0;  // right edge of the soil drawn
  double surfaceTop = 0; // highest point of the surface drawn (negative: above the wall top)

  [[nodiscard]] double FaceX(double y) const { return y * tanTheta; }
  [[nodiscard]] double SurfaceY(double x) const { return std::max(-x * tanBeta, surfaceTop); }
};

[[nodiscard]] LayerShape ShapeOf(const CalculatorInputs& in) {
  LayerShape s;
  const double h = in[kCalcSoilDepth];
  s.depth = h > 0 ? h : 1.0;
  // Beyond these angles the drawing would be a line; the numbers stay those of the inputs.
  s.tanTheta = std::tan(Radians(std::clamp(double(in[kCalcWallInclination]), 0.0, 75.0)));
  s.tanBeta = std::tan(Radians(std::clamp(double(in[kCalcSoilSlope]), 0.0, 80.0)));
  const double hw = in[kCalcWaterDepth];
  if (h > 0 && hw >= 0 && hw < h) s.waterDepth = hw;
  s.wallThickness = 0.12 * s.depth;
  s.soilRight = s.FaceX(s.depth) + 0.9 * s.depth;
  // A steep surface is cut off so that the layer keeps most of the picture.
  s.surfaceTop = -std::min(s.soilRight * s.tanBeta, 0.6 * s.depth);
  return s;
}

// Text with a lowered, smaller second part, as "hw" with its w below the line.
void DrawSubscripted(QPainter& painter, QPointF baseline, const QString& text, const QString& subscript) {
  painter.drawText(baseline, text);
  const QFont normal = painter.font();
  QFont small = normal;
  small.setPointSizeF(normal.pointSizeF() * 0.75);
  const double advance = QFontMetricsF(normal).horizontalAdvance(text);
  painter.setFont(small);
  painter.drawText(baseline + QPointF(advance, QFontMetricsF(normal).ascent() * 0.3), subscript);
  painter.setFont(normal);
}

}  // namespace

SoilPicture::SoilPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pctSoil"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setMinimumSize(300, 260);
}

void SoilPicture::SetLayer(const CalculatorInputs& inputs, std::optional<CalculatorCaseResult> active) {
  inputs_ = inputs;
  active_ = active;
  update();
}

void SoilPicture::paintEvent(QPaintEvent* /*event*/) {
  const LayerShape s = ShapeOf(inputs_);
  const double d = s.depth;
  const double left = -s.wallThickness - 0.25 * d;
  const double top = s.surfaceTop - 0.08 * d;
  const double bottom = d + 0.08 * d;
  const double margin = 12;
  const double scale = std::min((width() - 2 * margin) / (s.soilRight - left),
                                (height() - 2 * margin) / (bottom - top));
  const double offsetX = (width() - scale * (s.soilRight - left)) / 2 - scale * left;
  const double offsetY = (height() - scale * (bottom - top)) / 2 - scale * top;
  const auto at = [&](double x, double y) { return QPointF(offsetX + scale * x, offsetY + scale * y); };

  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);

  // Soil, then the part of it under water.
  QPolygonF soil;
  soil << at(0, 0);
  const double surfaceBreak = s.tanBeta > 0 ? -s.surfaceTop / s.tanBeta : s.soilRight;
  if (surfaceBreak < s.soilRight) soil << at(surfaceBreak, s.surfaceTop);
  soil << at(s.soilRight, s.SurfaceY(s.soilRight)) << at(s.soilRight, d) << at(s.FaceX(d), d);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 200, 160));
  painter.drawPolygon(soil);
  if (s.waterDepth >= 0) {
    const double hw = s.waterDepth;
    QPolygonF wet;
    wet << at(s.FaceX(hw), hw) << at(s.soilRight, hw) << at(s.soilRight, d) << at(s.FaceX(d), d);
    painter.setBrush(QColor(150, 185, 225, 140));
    painter.drawPolygon(wet);
  }
  painter.setPen(QPen(QColor(120, 90, 40), 1.5));
  painter.drawPolyline(soil.mid(0, soil.size() - 2));

  // The wall, its back face being the inclined face the soil acts on.
  QPolygonF wall;
  wall << at(-s.wallThickness, 0) << at(0, 0) << at(s.FaceX(d), d) << at(-s.wallThickness, d);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(QColor(190, 190, 190));
  painter.drawPolygon(wall);

  // Water table.
  if (s.waterDepth >= 0) {
    const double hw = s.waterDepth;
    painter.setPen(QPen(QColor(0, 0, 200), 1.5, Qt::DashLine));
    painter.drawLine(at(s.FaceX(hw), hw), at(s.soilRight, hw));
    const QPointF mark = at(s.soilRight - 0.15 * d, hw);
    QPolygonF triangle;
    triangle << mark << mark + QPointF(-5, -8) << mark + QPointF(5, -8);
    painter.setPen(QPen(QColor(0, 0, 200), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
  }

  // Depth dimensions at the left.
  painter.setPen(QPen(Qt::black, 1));
  const double dimX = -s.wallThickness - 0.12 * d;
  const auto drawDimension = [&](double y0, double y1, const QString& label) {
    painter.drawLine(at(dimX, y0), at(dimX, y1));
    for (const double y : {y0, y1}) painter.drawLine(at(dimX, y) + QPointF(-4, 0), at(dimX, y) + QPointF(4, 0));
    const QPointF middle = at(dimX, (y0 + y1) / 2);
    const QRectF box(middle.x() - 40, middle.y() - 8, 36, 16);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
  };
  drawDimension(0, d, QStringLiteral("h"));
  if (s.waterDepth > 0) {
    const double x = dimX - 0.07 * d;
    painter.drawLine(at(x, 0), at(x, s.waterDepth));
    for (const double y : {0.0, s.waterDepth}) painter.drawLine(at(x, y) + QPointF(-3, 0), at(x, y) + QPointF(3, 0));
    DrawSubscripted(painter, at(x, s.waterDepth / 2) + QPointF(-20, 4), QStringLiteral("h"), QStringLiteral("w"));
  }
  const double betaX = 0.3 * d;
  painter.drawText(at(betaX, s.SurfaceY(betaX)) + QPointF(0, -5), QString::fromUtf8("\u03B2"));
  if (s.tanTheta > 0) painter.drawText(at(s.FaceX(d), d) + QPointF(-14, -6), QString::fromUtf8("\u03B8"));

  if (!active_) return;

  // Active pressure, normal condition, as ordinates measured from the face into the soil.
  const CalculatorCaseResult& a = *active_;
  const double hw = s.waterDepth >= 0 ? s.waterDepth : d;
  const double largest = std::max({std::fabs(double(a.pTop)), std::fabs(double(a.pWt)), std::fabs(double(a.pBot))});
  if (!(largest > 0) || !std::isfinite(largest)) return;
  const double pressureScale = 0.5 * 0.9 * d / largest;
  struct Ordinate {
    double y;
    float p;
  };
  std::vector<Ordinate> ordinates{{0, a.pTop}};
  if (hw > 0 && hw < d) ordinates.push_back({hw, a.pWt});
  ordinates.push_back({d, a.pBot});
  QPolygonF diagram;
  for (const Ordinate& o : ordinates) diagram << at(s.FaceX(o.y) + pressureScale * o.p, o.y);
  diagram << at(s.FaceX(d), d) << at(0, 0);
  painter.setPen(QPen(QColor(200, 0, 0), 1.5));
  painter.setBrush(QColor(255, 80, 80, 90));
  painter.drawPolygon(diagram);
  const QFontMetricsF metrics(painter.font());
  for (const Ordinate& o : ordinates) {
    const QPointF tip = at(s.FaceX(o.y) + pressureScale * o.p, o.y);
    const QString text = QString::fromStdString(FormatNumber(o.p, "#0.#0"));
    // Kept inside the layer: the top value below its ordinate, the bottom one above.
    const double top = o.y == 0 ? tip.y() + 2 : (o.y == d ? tip.y() - metrics.height() - 2 : tip.y() - metrics.height() / 2);
    const QRectF box(tip.x() + 4, top, metrics.horizontalAdvance(text) + 4, metrics.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRect(box);
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(box, Qt::AlignCenter, text);
  }
}

}  // namespace kelvadrome
