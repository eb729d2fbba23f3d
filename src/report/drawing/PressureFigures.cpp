// SPDX-License-Identifier: GPL-3.0-or-later
// Water, earth and seismic pressure diagrams.
#include "report/drawing/PressureFigures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {
namespace {

constexpr double kDiagramGap = 30;     // between a diagram's base line and what it stands beside
constexpr int kParabolaPieces = 8;     // the hydrodynamic pressure is drawn as a polyline

QString Label(double pressure, const PressureLabels& labels) { return FigureNumber(pressure) + labels.suffix; }
// The zero ordinate at a water table or surface says nothing; it is left unlabelled.
QString NonZeroLabel(double pressure, const PressureLabels& labels) {
  return std::fabs(pressure) > kZeroOrdinate ? Label(pressure, labels) : QString();
}

// The vertical through the heel edge on which the earth pressures act: from the backfill surface
// through the back water table down to the base underside.
struct BackProfile {
  double base, surface, table;
  BackProfile(const ProjectData& p, const WallOutline& outline)
      : base(BaseUndersideDepth(outline)),
        surface(BackfillSurfaceAtHeel(outline)),
        table(std::clamp<double>(p.waterDepthBack, surface, base)) {}
  // The moist seismic triangle (top ordinate at the surface, 0 at the base) at the water table.
  [[nodiscard]] double SeismicAtTable(double top) const {
    return base > surface ? top * (base - table) / (base - surface) : 0;
  }
};

struct Node {
  double depth;
  double pressure;
};

// A vertical diagram through consecutive nodes on the base line x0; ordinates point away from
// the wall by `side` (+1 to the right, -1 to the left). Every node below the first is labelled.
void DrawVerticalNodes(WallCanvas& canvas, const DrawStyle& style, const ScreenPoints& pt, double x0, double side,
                       const std::vector<Node>& nodes, double scale, const PressureLabels& labels) {
  bool first = true;
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    const Node& a = nodes[i - 1];
    const Node& b = nodes[i];
    if (!(b.depth > a.depth)) continue;
    DrawPressureV(canvas, style, pt.Y(a.depth), pt.Y(b.depth), x0, side * a.pressure * scale,
                  side * b.pressure * scale, first ? NonZeroLabel(a.pressure, labels) : QString(),
                  NonZeroLabel(b.pressure, labels));
    first = false;
  }
}

// Nodes of a hydrostatic diagram: the water table, then each level below it.
std::vector<Node> WaterNodes(double table, std::initializer_list<Node> levels) {
  std::vector<Node> nodes{{table, 0}};
  for (const Node& level : levels) {
    if (level.depth > table) nodes.push_back(level);
  }
  return nodes;
}

// Vertical water load on a top face from a to b; pressures push down, so ordinates stand above.
void FaceLoad(WallCanvas& canvas, const DrawStyle& style, QPointF a, QPointF b, double p1, double p2,
              double scale, const QString& label1, const PressureLabels& labels, bool evenVertical = false) {
  DrawPressureAlong(canvas, style, a, b, -p1 * scale, -p2 * scale, label1, NonZeroLabel(p2, labels), evenVertical);
}

}  // namespace

double WaterPressureScale(const AnalysisResults& results) {
  const double largest = results.pressure.maxWaterPressure;
  return largest > 0 ? 480.0 / largest : 0.0;
}

double SoilPressureScale(const AnalysisResults& results) {
  const double bottom = results.pressure.activeBottomPressure;
  return bottom != 0 ? 480.0 / std::fabs(bottom) : 0.0;
}

double SeismicPressureScale(const ProjectData& p, const ScreenPoints& pt, const AnalysisResults& r) {
  const auto& s = r.pressure;
  const BackProfile back(p, pt.wall);
  const double atTable = back.SeismicAtTable(s.seismicPressure[1]);
  const double largest = std::max<double>({std::fabs(s.seismicPressure[1]), std::fabs(atTable + s.seismicPressure[2]),
                                   std::fabs(s.hydrodynamicBasePressure)});
  return largest > 0 ? 360.0 / largest : 0.0;
}

void DrawWaterPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p,
                             const ScreenPoints& pt, const AnalysisResults& results, double scale,
                             const PressureLabels& labels) {
  if (scale <= 0) return;
  const auto& w = results.pressure.waterPressure;
  const double d = BaseUndersideDepth(pt.wall);
  canvas.SetWidth(style.thinPen);

  DrawVerticalNodes(canvas, style, pt, pt.x[11] - kDiagramGap, -1,
                    WaterNodes(p.waterDepthFront, {{pt.wall.y[2], w[4]}, {pt.wall.y[3], w[5]}, {d, w[6]}}), scale, labels);
  DrawVerticalNodes(canvas, style, pt, pt.x[10] - kDiagramGap, 1,
                    WaterNodes(p.waterDepthBack, {{pt.wall.y[7], w[1]}, {pt.wall.y[6], w[2]}, {d, w[3]}}), scale, labels);

  // Back batter and heel top; the heel piece continues the batter's last ordinate.
  const bool backBatterWet = BackWaterAboveStemFoot(p);
  if (backBatterWet) FaceLoad(canvas, style, pt.P(13), pt.P(7), 0, w[7], scale, {}, labels);
  // Without heel length the heel top stands vertical under the stem's back foot (points 17 and 6
  // share x, or differ by the rounding of the base width); its piece is drawn there all the same,
  // so that whether it shows does not depend on that rounding.
  FaceLoad(canvas, style, pt.P(17), pt.P(6), w[7], w[8], scale, backBatterWet ? QString() : NonZeroLabel(w[7], labels),
           labels, pt.P(17) != pt.P(6));
  // Front batter and toe top.
  const bool frontBatterWet = FrontWaterAboveStemFoot(p);
  if (frontBatterWet) FaceLoad(canvas, style, pt.P(12), pt.P(2), 0, w[9], scale, {}, labels);
  FaceLoad(canvas, style, pt.P(16), pt.P(3), w[9], w[10], scale,
           frontBatterWet ? QString() : NonZeroLabel(w[9], labels), labels);
  // Uplift under the base, pushing up: ordinates hang below the underside.
  DrawPressureAlong(canvas, style, pt.P(4), pt.P(5), w[11] * scale, w[12] * scale, NonZeroLabel(w[11], labels),
                    NonZeroLabel(w[12], labels));
}

void DrawSoilPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p,
                            const ScreenPoints& pt, const AnalysisResults& results, double scale,
                            const PressureLabels& labels) {
  const auto& a = results.pressure;
  const BackProfile back(p, pt.wall);
  const double x0 = pt.x[10] + kDiagramGap;
  canvas.SetWidth(style.thinPen);
  if (scale > 0) {
    const bool upper = back.table > back.surface;
    DrawPressureV(canvas, style, pt.Y(back.surface), pt.Y(back.table), x0, a.activePressure[0] * scale,
                  a.activePressure[1] * scale, Label(a.activePressure[0], labels), Label(a.activePressure[1], labels));
    DrawPressureV(canvas, style, pt.Y(back.table), pt.Y(back.base), x0, a.activePressure[1] * scale,
                  a.activePressure[2] * scale,
                  upper ? QString() : Label(a.activePressure[1], labels), Label(a.activePressure[2], labels));
  }
  // The downward component of the earth force on the virtual back, above the heel edge.
  DrawForceV(canvas, style, pt.x[6], pt.y[6] - kForceArrowLength, -(double(a.activeForce[3]) + a.activeForce[4]));
}

void DrawSeismicPressureFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p,
                               const ScreenPoints& pt, const AnalysisResults& results, double scale,
                               const PressureLabels& labels) {
  const auto& s = results.pressure;
  const BackProfile back(p, pt.wall);
  canvas.SetWidth(style.thinPen);
  if (scale > 0) {
    // The two inverted triangles added: the moist one from the surface, the saturated one from
    // the water table, both zero at the base underside.
    const double atTable = back.SeismicAtTable(s.seismicPressure[1]);
    const double x0 = pt.x[10] + kDiagramGap;
    DrawPressureV(canvas, style, pt.Y(back.surface), pt.Y(back.table), x0, s.seismicPressure[1] * scale,
                  atTable * scale, NonZeroLabel(s.seismicPressure[1], labels), {});
    DrawPressureV(canvas, style, pt.Y(back.table), pt.Y(back.base), x0, (atTable + s.seismicPressure[2]) * scale, 0,
                  NonZeroLabel(atTable + s.seismicPressure[2], labels), {});

    // Westergaard's pressure grows with the square root of the depth below the water surface.
    const double top = p.waterDepthFront, height = back.base - top;
    if (height > 0) {
      const double xw = pt.x[11] - kDiagramGap;
      for (int k = 0; k < kParabolaPieces; ++k) {
        const double z1 = height * k / kParabolaPieces, z2 = height * (k + 1) / kParabolaPieces;
        const double p1 = s.hydrodynamicBasePressure * std::sqrt(z1 / height);
        const double p2 = s.hydrodynamicBasePressure * std::sqrt(z2 / height);
        DrawPressureV(canvas, style, pt.Y(top + z1), pt.Y(top + z2), xw, -p1 * scale, -p2 * scale, {},
                      k + 1 == kParabolaPieces ? NonZeroLabel(s.hydrodynamicBasePressure, labels) : QString());
      }
    }
  }
  // Resultants, towards the toe: the earth increment on the virtual back, the thrust of the water
  // on the front of the wall.
  const double earth = double(s.seismicForce[1]) + s.seismicForce[2];
  if (earth != 0) {
    const double depth = (s.seismicForce[1] * double(s.seismicForceDepth[1]) +
                          s.seismicForce[2] * double(s.seismicForceDepth[2])) / earth;
    DrawForceH(canvas, style, pt.X(p.baseWidth), pt.Y(depth), -earth);
  }
  DrawForceH(canvas, style, pt.X(FrontFaceX(pt.wall, s.hydrodynamicDepth)), pt.Y(s.hydrodynamicDepth),
             -s.hydrodynamicForce);
}

}  // namespace kelvadrome
