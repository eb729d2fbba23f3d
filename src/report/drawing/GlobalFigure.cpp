// SPDX-License-Identifier: GPL-3.0-or-later
// The critical slip circle figure, shared by the main window's Global view and the report.
#include "report/drawing/GlobalFigure.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "engine/GlobalStabilityTexts.h"
#include "engine/SlipCircle.h"
#include "engine/SlipSection.h"
#include "report/drawing/DrawPrimitives.h"

namespace kelvadrome {
namespace {

constexpr int kArcSteps = 120;        // straight pieces of the drawn arc
constexpr double kCrossHalf = 60;     // half the size of the centre's cross
constexpr int kArcColour = 4;         // dark red, like the dimension lines it never meets
constexpr int kSliceColour = 8;       // grey: the slices are a light background to the arc
constexpr int kCentreColour = 1;

double ArcDepth(const GlobalStabilityResults& g, double x) {
  const double dx = x - g.centreX;
  return g.centreY + std::sqrt(std::max(0.0, double(g.radius) * g.radius - dx * dx));
}

}  // namespace

WallFitting FitGlobalFigure(const ProjectData& project,
                            const GlobalStabilityResults& g, const QRectF& room) {
  const SlipSection s = BuildSlipSection(project);
  const double left = std::min({double(g.exitX), double(g.centreX), 0.0});
  const double right = std::max({double(g.entryX), double(g.centreX), s.B});
  const double top = std::min({double(g.centreY), double(g.entryY), 0.0});
  const double bottom = std::max(double(g.centreY) + g.radius, s.D);
  // Margins in logical units: the label beside the centre, the legend under the figure.
  const double marginX = 480, marginTop = 360, marginBottom = 720;
  const double width = std::max(1.0, room.width() - 2 * marginX);
  const double height = std::max(1.0, room.height() - marginTop - marginBottom);
  WallFitting fit;
  fit.drawScale = std::min(width / std::max(1e-9, right - left), height / std::max(1e-9, bottom - top));
  fit.drawOriginX = room.left() + (room.width() - (right - left) * fit.drawScale) / 2 - left * fit.drawScale;
  fit.drawOriginY = room.top() + marginTop + (height - (bottom - top) * fit.drawScale) / 2 - top * fit.drawScale;
  return fit;
}

void DrawGlobalStabilityFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                               const ScreenPoints& pt,
                               const GlobalStabilityResults* global, double legendLeft, double legendBottom) {
  canvas.SetColour(kCentreColour);
  canvas.Text(legendLeft, legendBottom - 360, kGlobalLegend);
  if (global == nullptr) {
    canvas.Text(legendLeft, legendBottom - 240, kGlobalSearching);
    return;
  }
  const GlobalStabilityResults& g = *global;
  if (!g.HasCircle()) {
    canvas.Text(legendLeft, legendBottom - 240, QString::fromStdString(GlobalFactorLabel(g)));
    return;
  }
  const SlipSection s = BuildSlipSection(project);

  // The ground out to both ends of the arc: the toe earth in front of the figure's own toe-side
  // lines and the backfill surface beyond the far end of the drawn backfill.
  canvas.SetColour(project.waterOption ? 1 : style.groundColour);
  canvas.SetWidth(style.groundPen);
  if (pt.X(g.exitX) < pt.x[15]) canvas.Line(pt.Map(g.exitX, s.y3), QPointF(pt.x[15], pt.y[3]));
  if (pt.X(g.entryX) > pt.x[10]) canvas.Line(pt.P(10), pt.Map(g.entryX, g.entryY));

  // Slice boundaries, from the ground down to the arc.
  canvas.SetColour(kSliceColour);
  canvas.SetWidth(style.thinPen);
  const double b = (double(g.entryX) - g.exitX) / kSliceCount;
  for (int k = 1; k < kSliceCount; ++k) {
    const double x = g.exitX + k * b;
    canvas.Line(pt.Map(x, s.Ground(x)), pt.Map(x, ArcDepth(g, x)));
  }

  // The arc.
  canvas.SetColour(kArcColour);
  canvas.SetWidth(style.heavyPen);
  QPointF previous = pt.Map(g.exitX, ArcDepth(g, g.exitX));
  for (int k = 1; k <= kArcSteps; ++k) {
    const double x = g.exitX + (double(g.entryX) - g.exitX) * k / kArcSteps;
    const QPointF next = pt.Map(x, ArcDepth(g, x));
    canvas.Line(previous, next);
    previous = next;
  }

  // The centre: a small cross joined to both ends by thin lines, and the factor beside it.
  canvas.SetColour(kCentreColour);
  canvas.SetWidth(style.thinPen);
  const QPointF centre = pt.Map(g.centreX, g.centreY);
  canvas.Line(centre - QPointF(kCrossHalf, 0), centre + QPointF(kCrossHalf, 0));
  canvas.Line(centre - QPointF(0, kCrossHalf), centre + QPointF(0, kCrossHalf));
  canvas.Line(centre, pt.Map(g.exitX, g.exitY));
  canvas.Line(centre, pt.Map(g.entryX, g.entryY));
  WriteLabel(canvas, centre.x() + 1.5 * kCrossHalf, centre.y() - 2 * kCrossHalf,
            QString::fromStdString(GlobalFactorLabel(g)), TextAlign::left);
}

}  // namespace kelvadrome
