// SPDX-License-Identifier: GPL-3.0-or-later
// Line loads, surcharge, part weights and the load legend.
#include "report/drawing/LoadFigures.h"

#include <algorithm>
#include <cmath>

#include "engine/WallGeometry.h"
#include "model/Units.h"
#include "report/drawing/DrawPrimitives.h"

namespace kelvadrome {
namespace {

constexpr double kSurchargeStep = 90;

QString CaseMark(LoadCase loadCase, bool mark) {
  if (!mark || loadCase < LoadCase::dead || loadCase > LoadCase::seismic) return {};
  return QString::fromUtf8("(") + QString::fromUtf8(kLoadCases[LoadCaseIndex(loadCase)].symbol) + ")";
}

void DrawSurcharge(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const ScreenPoints& pt,
                   const LoadSelection& selection) {
  canvas.SetWidth(style.thinPen);
  // The arrows push down on the surface; a negative surcharge (suction) pulls it up.
  const double magnitude = std::fabs(selection.surchargeArrowLength);
  const double length = p.surchargeLoad > 0 ? magnitude : -magnitude;
  const double run = pt.x[10] - pt.x[8];
  const int count = run > 0 ? static_cast<int>(std::floor(run / kSurchargeStep)) + 1 : 1;
  QPointF firstTail, lastTail;
  for (int k = 0; k < count; ++k) {
    const double x = pt.x[8] + k * kSurchargeStep;
    const double surface = run > 0 ? pt.y[8] + (pt.y[10] - pt.y[8]) * (x - pt.x[8]) / run : pt.y[8];
    const QPointF tail(x, surface - length);
    DrawArrow(canvas, style, tail, QPointF(x, surface), 1);
    canvas.AddBarrier(QLineF(tail, QPointF(x, surface)));
    if (k == 0) firstTail = tail;
    lastTail = tail;
  }
  canvas.Line(firstTail, lastTail);
  canvas.AddBarrier(QLineF(firstTail, lastTail));

  const QString text = FigureNumber(std::fabs(p.surchargeLoad)) + CaseMark(p.surchargeLoadCase, selection.markCases);
  const QPointF middle = (firstTail + lastTail) / 2;
  // Above the tails, or above the surface when a negative surcharge hangs the tails below it.
  const double above = std::min(middle.y(), middle.y() + length);
  WriteLabel(canvas, middle.x(), above - 30 - canvas.TextHeight(), text, TextAlign::centre);
}

}  // namespace

void DrawLineLoadsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const ScreenPoints& pt,
                         const LoadSelection& selection) {
  const int count = std::clamp<int>(p.lineLoadCount, 0, kMaxLineLoads);
  for (int k = 1; k <= count; ++k) {
    const LineLoad& load = p.lineLoads[static_cast<std::size_t>(k)];
    if (selection.loadCase && load.loadCase != *selection.loadCase) continue;
    if (load.load == 0) continue;
    DrawInclinedForce(canvas, style, pt.LoadPoint(load.x, load.y), load.direction, load.load,
                      CaseMark(load.loadCase, selection.markCases));
  }
  const bool surchargeShown = !selection.loadCase || p.surchargeLoadCase == *selection.loadCase;
  if (surchargeShown && p.surchargeLoad != 0) DrawSurcharge(canvas, style, p, pt, selection);
}

void DrawPartForcesFigure(WallCanvas& canvas, const DrawStyle& style, const ScreenPoints& pt,
                          const AnalysisResults& results, bool horizontal) {
  for (int i = 1; i <= kPolygonCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const double force = horizontal ? results.polygonInertia[index] : results.polygonWeight[index];
    if (force == 0) continue;
    const PolygonVertices& part = kPolygonVertices[index];
    canvas.SetColour(1);
    canvas.SetWidth(style.groundPen);
    QPointF mean;
    for (int v = 0; v < part.count; ++v) {
      const QPointF from = pt.P(part.points[static_cast<std::size_t>(v)]);
      const QPointF to = pt.P(part.points[static_cast<std::size_t>((v + 1) % part.count)]);
      canvas.Line(from, to);
      mean += from / part.count;
    }
    if (part.count == 3) {
      for (int v = 0; v < 3; ++v) {
        const QPointF vertex = pt.P(part.points[static_cast<std::size_t>(v)]);
        const QPointF b = pt.P(part.points[static_cast<std::size_t>((v + 1) % 3)]);
        const QPointF c = pt.P(part.points[static_cast<std::size_t>((v + 2) % 3)]);
        canvas.Line(vertex, (b + c) / 2);
      }
    }
    canvas.SetColour(9);
    // Weights act downward and inertia forces towards the toe: both negative on the figure.
    if (horizontal) {
      DrawForceH(canvas, style, mean.x(), mean.y(), -force);
    } else {
      DrawForceV(canvas, style, mean.x(), mean.y(), -force);
    }
  }
}

void DrawLoadLegend(WallCanvas& canvas, const ProjectData& p, double left, double bottom, bool seismicLine) {
  const UnitSystem units = p.unitSystem;
  // Fixed labels: the legend stays where it is and the values keep clear of it.
  const auto line = [&](double above, const QString& text) {
    canvas.Label(canvas.TextBox(left, bottom - above, text), text, true);
  };
  if (seismicLine && p.seismicCoefficient != 0) {
    line(480, "Seismic coeficient = " + FigureNumber(p.seismicCoefficient));
  }
  line(360, QString::fromStdString("Line loads in " + ForcePerLengthLabel(units)));
  line(240, QString::fromStdString("Distributed loads in " + UnitLabel(UnitQuantity::pressure, units)));
}

}  // namespace kelvadrome
