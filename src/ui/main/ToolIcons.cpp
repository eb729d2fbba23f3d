// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the tool bar pictures on a 20 x 20 grid: plain shapes in the colours of the
// drawing (dark cyan concrete, blue loads, brown earth) so that each reads at a glance.
#include "ui/main/ToolIcons.h"

#include <QGuiApplication>
#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace kelvadrome {

namespace {

const QColor kInk(40, 40, 40);
const QColor kConcrete(0, 128, 128);
const QColor kConcreteFill(178, 214, 214);
const QColor kLoad(0, 0, 255);
const QColor kEarth(150, 105, 60);
const QColor kEarthFill(222, 196, 150);

void Arrow(QPainter& p, QPointF from, QPointF to, double head = 3.0) {
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length <= 0) return;
  const QPointF u = d / length;
  const QPointF n(-u.y(), u.x());
  QPolygonF tip;
  tip << to << to - u * head + n * head * 0.6 << to - u * head - n * head * 0.6;
  p.setBrush(p.pen().color());
  p.drawPolygon(tip);
}

void DrawNewWall(QPainter& p) {
  QPolygonF page;
  page << QPointF(4, 1.5) << QPointF(12.5, 1.5) << QPointF(16.5, 5.5) << QPointF(16.5, 18.5) << QPointF(4, 18.5);
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(page);
  p.setBrush(QColor(220, 220, 220));
  QPolygonF fold;
  fold << QPointF(12.5, 1.5) << QPointF(12.5, 5.5) << QPointF(16.5, 5.5);
  p.drawPolygon(fold);
  // A small wall on the page says what is new.
  p.setPen(QPen(kConcrete, 1.2));
  p.setBrush(kConcreteFill);
  QPolygonF wall;
  wall << QPointF(9, 8) << QPointF(11, 8) << QPointF(11, 14) << QPointF(14, 14) << QPointF(14, 16)
       << QPointF(6.5, 16) << QPointF(6.5, 14) << QPointF(9, 14);
  p.drawPolygon(wall);
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(QColor(20, 30, 90), 1));
  p.setBrush(QColor(60, 80, 170));
  p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 2.5, 9, 6));
  p.setBrush(QColor(190, 190, 190));
  p.drawRect(QRectF(6, 12, 8, 5.5));
  p.setBrush(QColor(60, 80, 170));
  p.drawRect(QRectF(11.5, 3.5, 2, 4));
}

void DrawPrint(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 1.5, 9, 7));
  p.setBrush(QColor(170, 170, 170));
  p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 12.5, 9, 6));
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.drawLine(QPointF(7, 14.5), QPointF(13, 14.5));
  p.drawLine(QPointF(7, 16.5), QPointF(12, 16.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 170, 0));
  p.drawEllipse(QPointF(15.5, 10), 1, 1);
}

void DrawProperties(QPainter& p) {
  // A material swatch: concrete over earth, with the grains of each.
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(2.5, 2.5, 15, 7.5));
  p.setBrush(kEarthFill);
  p.drawRect(QRectF(2.5, 10, 15, 7.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 110, 110));
  for (const QPointF c : {QPointF(5, 5), QPointF(9, 7.5), QPointF(12.5, 4.5), QPointF(15, 7.5)})
    p.drawEllipse(c, 1.1, 1.1);
  p.setBrush(kEarth);
  for (const QPointF c : {QPointF(5.5, 13), QPointF(8, 15.5), QPointF(11.5, 12.5), QPointF(14.5, 15)})
    p.drawEllipse(c, 0.8, 0.8);
}

void DrawLoads(QPainter& p) {
  p.setPen(QPen(kConcrete, 2));
  p.drawLine(QPointF(1.5, 17), QPointF(18.5, 17));
  p.setPen(QPen(kLoad, 1.4));
  for (const double x : {4.0, 10.0, 16.0}) Arrow(p, QPointF(x, 2), QPointF(x, 15));
  p.setPen(QPen(kLoad, 1));
  p.drawLine(QPointF(4, 2), QPointF(16, 2));
}

void DrawRestraints(QPainter& p) {
  // A block on the ground held against sliding by a stop on the ground.
  p.setPen(QPen(kEarth, 1));
  for (double x = 1; x < 19; x += 3) p.drawLine(QPointF(x, 19), QPointF(x + 3, 16));
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(1, 16), QPointF(19, 16));
  p.setPen(QPen(kConcrete, 1.2));
  p.setBrush(kConcreteFill);
  p.drawRect(QRectF(7.5, 6.5, 8, 9.5));
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(120, 120, 120));
  p.drawRect(QRectF(3, 10.5, 3, 5.5));
  p.setPen(QPen(kLoad, 1.4));
  Arrow(p, QPointF(19, 9), QPointF(16.2, 9), 2.5);
}

void DrawStability(QPainter& p) {
  // The cantilever wall with its resultant on the base.
  p.setPen(QPen(kConcrete, 1.3));
  p.setBrush(kConcreteFill);
  QPolygonF wall;
  wall << QPointF(8, 1.5) << QPointF(11.5, 1.5) << QPointF(12, 13) << QPointF(18.5, 13) << QPointF(18.5, 16.5)
       << QPointF(1.5, 16.5) << QPointF(1.5, 13) << QPointF(7, 13);
  p.drawPolygon(wall);
  p.setPen(QPen(QColor(200, 0, 0), 1.5));
  Arrow(p, QPointF(13, 6), QPointF(10, 18.5), 3);
}

void DrawConcrete(QPainter& p) {
  // A reinforced section: concrete with a row of bars near each face.
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(2.5, 3.5, 15, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  for (const double x : {5.5, 10.0, 14.5}) {
    p.drawEllipse(QPointF(x, 6.5), 1.4, 1.4);
    p.drawEllipse(QPointF(x, 13.5), 1.4, 1.4);
  }
}

void DrawCalculator(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(210, 210, 210));
  p.drawRoundedRect(QRectF(3.5, 1.5, 13, 17), 1.5, 1.5);
  p.setBrush(QColor(200, 230, 200));
  p.drawRect(QRectF(5.5, 3.5, 9, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 70, 70));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) p.drawRect(QRectF(5.5 + col * 3.2, 9.5 + row * 2.8, 2.2, 1.8));
}

void DrawHelp(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 140), 1));
  p.setBrush(QColor(50, 90, 210));
  p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

void Draw(ToolIcon icon, QPainter& p) {
  switch (icon) {
    case ToolIcon::NewWall: return DrawNewWall(p);
    case ToolIcon::Save: return DrawSave(p);
    case ToolIcon::Print: return DrawPrint(p);
    case ToolIcon::Properties: return DrawProperties(p);
    case ToolIcon::Loads: return DrawLoads(p);
    case ToolIcon::Restraints: return DrawRestraints(p);
    case ToolIcon::Stability: return DrawStability(p);
    case ToolIcon::Concrete: return DrawConcrete(p);
    case ToolIcon::Calculator: return DrawCalculator(p);
    case ToolIcon::Help: return DrawHelp(p);
  }
}

}  // namespace

QIcon MakeToolIcon(ToolIcon icon, int size) {
  QIcon result;
  for (const double ratio : {1.0, 2.0}) {
    QPixmap pixmap(static_cast<int>(size * ratio), static_cast<int>(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 20.0, size / 20.0);
    Draw(icon, painter);
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

}  // namespace kelvadrome
