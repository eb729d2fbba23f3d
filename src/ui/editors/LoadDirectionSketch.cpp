// SPDX-License-Identifier: GPL-3.0-or-later
// Four arrows from a load's point of application: 0° up, 90° towards the heel (right on the
// drawing), 180° down and 270° towards the toe, with the angle turning clockwise from 0°.
#include "ui/editors/LoadDirectionSketch.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace kelvadrome {

LoadDirectionSketch::LoadDirectionSketch(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picDirection"));
  setToolTip(tr("Direction of a line load in degrees, clockwise from up"));
}

void LoadDirectionSketch::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics(font());
  const QPointF centre = QRectF(rect()).center();
  const double textWidth = metrics.horizontalAdvance(QStringLiteral("270°"));
  const double lineHeight = metrics.height();
  // The side labels stand above their arrow tips, so the width needs room for half a label.
  const double reach = std::min(width() / 2.0 - textWidth / 2 - 1, height() / 2.0 - lineHeight - 2);
  if (reach < 8) return;

  painter.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
  painter.setBrush(palette().color(QPalette::WindowText));
  const double head = std::max(3.0, reach / 5);
  for (int degrees = 0; degrees < 360; degrees += 90) {
    const double a = qDegreesToRadians(double(degrees));
    const QPointF direction(std::sin(a), -std::cos(a));
    const QPointF normal(-direction.y(), direction.x());
    const QPointF tip = centre + direction * reach;
    painter.drawLine(centre, tip - direction * head);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip - direction * head + normal * head / 2);
    arrow.lineTo(tip - direction * head - normal * head / 2);
    arrow.closeSubpath();
    painter.drawPath(arrow);

    const double labelTop = degrees == 180 ? tip.y() + 1 : tip.y() - lineHeight - (degrees == 0 ? 1 : head / 2 + 1);
    const QRectF box(tip.x() - textWidth / 2, labelTop, textWidth, lineHeight);
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("%1°").arg(degrees));
  }

  // The turning sense: a quarter arc from 0° to 90°.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
  const double r = reach * 0.55;
  painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 90 * 16, -90 * 16);
  painter.setBrush(palette().color(QPalette::WindowText));
  painter.drawEllipse(centre, 2.5, 2.5);
}

}  // namespace kelvadrome
