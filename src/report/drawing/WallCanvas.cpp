// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface of the wall figures.
#include "report/drawing/WallCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "report/drawing/Palette.h"
#include "report/drawing/TwipsScale.h"

namespace kelvadrome {
namespace {

// Device pixels of a pen: a screen width is already in pixels; a paper width follows the
// printer's resolution, at least one pixel.
double DevicePixels(PenWidth width, const QPaintDevice* device) {
  if (width.unit == PenUnit::pixels) return std::max(1.0, width.value);
  return std::max(1.0, std::floor(width.value * kTwipsPerMm * TwipsScale::ForDevice(device).PixelsPerTwip()));
}

}  // namespace

WallCanvas::WallCanvas(QPainter& painter) : painter_(painter) {
  painter_.setBrush(Qt::NoBrush);
  ApplyPen();
}

void WallCanvas::SetColour(int paletteIndex) { SetColour(ClassicColour(paletteIndex)); }

void WallCanvas::SetColour(const QColor& colour) {
  colour_ = colour;
  ApplyPen();
}

void WallCanvas::SetWidth(PenWidth width) {
  width_ = width;
  ApplyPen();
}

void WallCanvas::SetInvisible(bool invisible) {
  invisible_ = invisible;
  ApplyPen();
}

void WallCanvas::ApplyPen() {
  if (invisible_) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  // Cosmetic: the width is a device size whatever the transform to logical units.
  QPen pen(colour_);
  pen.setCosmetic(true);
  pen.setWidthF(DevicePixels(width_, painter_.device()));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void WallCanvas::Line(double x1, double y1, double x2, double y2) {
  if (invisible_) return;
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  lines_.emplace_back(x1, y1, x2, y2);
}

void WallCanvas::FillBox(double x1, double y1, double x2, double y2, const QColor& fill) {
  painter_.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), fill);
}

void WallCanvas::FillPolygon(const QPolygonF& polygon, const QColor& fill) {
  painter_.save();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(fill);
  painter_.drawPolygon(polygon);
  painter_.restore();
}

void WallCanvas::SetFont(const QString& family, double heightUnits) {
  QFont font(family);
  // Font sizes are taken in the painter's logical units; the device's resolution turns points
  // into those units, so undo it.
  const QPaintDevice* device = painter_.device();
  const double dpi = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
  font.setPointSizeF(std::max(0.01, heightUnits * 72.0 / dpi));
  font.setKerning(false);
  painter_.setFont(font);
  fontUnits_ = heightUnits;
}

double WallCanvas::TextWidth(const QString& text) const {
  return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text);
}

double WallCanvas::TextHeight() const { return QFontMetricsF(painter_.font(), painter_.device()).height(); }

QRectF WallCanvas::TextBox(double x, double y, const QString& text) const {
  return QRectF(x, y, TextWidth(text), TextHeight());
}

void WallCanvas::Text(double x, double y, const QString& text) { Write(x, y, text, false); }

void WallCanvas::Write(double x, double y, const QString& text, bool placed) {
  if (text.isEmpty()) return;
  const QFontMetricsF metrics(painter_.font(), painter_.device());
  const QPen saved = painter_.pen();
  painter_.setPen(colour_);
  painter_.drawText(QPointF(x, y + metrics.ascent()), text);
  painter_.setPen(saved);
  texts_.push_back({text, QRectF(x, y, metrics.horizontalAdvance(text), metrics.height()), placed});
}

void WallCanvas::Label(const QRectF& box, const QString& text, bool fixed, int area) {
  if (text.isEmpty()) return;
  pending_.push_back({{box, fixed, area}, text, colour_});
}

void WallCanvas::AddBarrier(const QLineF& line) { barriers_.push_back(line); }

int WallCanvas::AddHatchedArea(const QPolygonF& area) {
  areas_.push_back(area);
  return static_cast<int>(areas_.size()) - 1;
}

void WallCanvas::SetLabelBounds(const QRectF& bounds) { labelBounds_ = bounds; }

void WallCanvas::PlaceLabels() {
  LabelLayout layout;
  layout.SetBounds(labelBounds_);
  for (const QLineF& line : barriers_) layout.AddBarrier(line);
  // Numbered in the same order, so the labels' area numbers hold in the layout too.
  for (const QPolygonF& area : areas_) (void)layout.AddArea(area);
  for (const QLineF& line : lines_) layout.AddInk(line);
  std::vector<LabelRequest> requests;
  requests.reserve(pending_.size());
  for (const PendingLabel& label : pending_) requests.push_back(label.request);
  const std::vector<QRectF> boxes = layout.Place(requests);

  const QColor current = colour_;
  for (std::size_t k = 0; k < pending_.size(); ++k) {
    colour_ = pending_[k].colour;
    Write(boxes[k].left(), boxes[k].top(), pending_[k].text, !pending_[k].request.fixed);
  }
  colour_ = current;
  pending_.clear();
}

}  // namespace kelvadrome
