// SPDX-License-Identifier: GPL-3.0-or-later
// Base reaction and sliding restraints.
#include "report/drawing/ReactionFigures.h"

#include <algorithm>
#include <cmath>

#include "report/drawing/DrawPrimitives.h"

namespace kelvadrome {
namespace {

constexpr double kDiagramGap = 30;

QString NonZeroLabel(double pressure) {
  return std::fabs(pressure) > kZeroOrdinate ? FigureNumber(pressure) : QString();
}

}  // namespace

double BaseReactionScale(const AnalysisResults& results) {
  const double largest = std::max(results.stability.toePressure, results.stability.heelPressure);
  return largest > 0 ? 480.0 / largest : 1.0;
}

void DrawBasePressureDiagram(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p,
                             const ScreenPoints& pt, const StabilityResults& s, double scale) {
  const double y0 = pt.y[4] + kDiagramGap;
  double from = 0, to = p.baseWidth;
  if (s.heelPressure == 0 && s.toePressure != 0) {
    to = s.contactWidth;  // the heel lifts
  } else if (s.toePressure == 0 && s.heelPressure != 0) {
    from = double(p.baseWidth) - s.contactWidth;  // the toe lifts
  }
  canvas.SetWidth(style.thinPen);
  DrawPressureH(canvas, style, pt.X(from), pt.X(to), y0, s.toePressure * scale, s.heelPressure * scale,
                // A lifted edge has no pressure to label.
                from == 0 ? FigureNumber(s.toePressure) : QString(),
                to == p.baseWidth ? FigureNumber(s.heelPressure) : QString());
}

void DrawBaseReactionFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const ScreenPoints& pt,
                            const AnalysisResults& results, double scale) {
  const StabilityResults& s = results.stability;
  DrawBasePressureDiagram(canvas, style, p, pt, s, scale);
  // The horizontal reaction at the resultant, towards the heel (direction 90°) for a positive
  // sliding force; its value above the shaft, clear of the diagram under the base.
  DrawForceH(canvas, style, pt.X(s.resultantX), pt.y[4], s.slidingForce);
}

void DrawRestraintsFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const ScreenPoints& pt,
                          const AnalysisResults& results, std::optional<double> passiveScale) {
  const StabilityResults& s = results.stability;
  const auto& passive = results.pressure.passivePressure;
  DrawForceH(canvas, style, pt.X(p.baseWidth / 2.0), pt.y[4], double(s.baseFriction) + s.baseCohesionResistance);
  if (p.restraintForceOption) {
    // The adjacent structure, anchor or pile acts on the stem front, half way down it.
    const double depth = p.stemFrontHeight / 2.0;
    DrawForceH(canvas, style, pt.X(FrontFaceX(pt.wall, depth)), pt.Y(depth), p.restraintForce);
  }

  // No toe earth in front of the toe edge (its passive pressure at the base is 0): nothing to draw.
  const bool toe = p.toePassiveOption && passive[2] > 0;
  const bool key = p.shearKeyOption;
  double largest = 0;
  for (std::size_t i = 0; i < passive.size(); ++i) {
    if ((toe && i <= 2) || (key && i >= 2)) largest = std::max(largest, std::fabs(double(passive[i])));
  }
  if (largest <= kZeroOrdinate) return;
  const double scale = passiveScale.value_or(480.0 / largest);
  canvas.SetWidth(style.thinPen);

  const double y3 = pt.wall.y[3];
  const double d = BaseUndersideDepth(pt.wall);
  if (toe) {
    // Dry toe earth down to the water table, submerged below it; the passive pressure pushes the
    // wall towards the heel, so the ordinates stand in front of the toe edge.
    const double table = std::clamp<double>(p.waterDepthFront, y3, d);
    const double x0 = pt.x[4] - kDiagramGap;
    DrawPressureV(canvas, style, pt.Y(y3), pt.Y(table), x0, -passive[0] * scale, -passive[1] * scale,
                  NonZeroLabel(passive[0]), NonZeroLabel(passive[1]));
    DrawPressureV(canvas, style, pt.Y(table), pt.Y(d), x0, -passive[1] * scale, -passive[2] * scale,
                  table > y3 ? QString() : NonZeroLabel(passive[1]), NonZeroLabel(passive[2]));
  }
  if (key) {
    const ShearKeyOutline outline = ShearKeyOf(pt.wall, p.shearKeyDepth);
    DrawPressureV(canvas, style, pt.Y(outline.top), pt.Y(outline.bottom), pt.X(outline.frontX) - kDiagramGap,
                  -passive[2] * scale, -passive[3] * scale, NonZeroLabel(passive[2]), NonZeroLabel(passive[3]));
  }
}

}  // namespace kelvadrome
