// SPDX-License-Identifier: GPL-3.0-or-later
// The screen points 1..49: the analysis's outline, extended for the figure and mapped.
#include "report/drawing/ScreenPoints.h"

#include <algorithm>

namespace kelvadrome {
namespace {

// A ratio whose divisor is 0 only where the two ends of an edge coincide: the start then.
double Ratio(double part, double whole) { return whole != 0 ? part / whole : 0; }

}  // namespace

WallOutline FigureOutline(const ProjectData& project) {
  OutlineOptions figure;
  figure.backfillBeyondHeel = double(project.baseWidth) / 4;
  figure.throwOnFault = false;
  return ComputeOutlinePoints(project, figure);
}

ScreenPoints ComputeScreenPoints(const ProjectData& project, const WallFitting& fit) {
  ScreenPoints s;
  s.fit = fit;
  s.wall = FigureOutline(project);
  for (int i = 1; i <= kScreenPointCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    s.x[k] = s.X(s.wall.x[k]);
    s.y[k] = s.Y(s.wall.y[k]);
  }
  // The toe-side water lines start in front of the toe edge, to show the water there.
  s.x[11] = s.x[4] - kFrontWaterReach;
  s.x[15] = s.x[4] - kFrontWaterReach;
  return s;
}

double BaseUndersideDepth(const WallOutline& outline) { return outline.y[4]; }

double BackfillSurfaceAtHeel(const WallOutline& outline) { return outline.y[40]; }

double FrontFaceX(const WallOutline& o, double depth) {
  // Points 1 (stem top front), 2 (foot of the front face) and 3 (toe edge top).
  const double x1 = o.x[1], x2 = o.x[2], x3 = o.x[3], y2 = o.y[2], y3 = o.y[3];
  if (depth <= y2) return x1 - Ratio(std::max(depth, 0.0), y2) * (x1 - x2);
  if (depth <= y3) return x2 - Ratio(depth - y2, y3 - y2) * (x2 - x3);
  return x3;
}

ShearKeyOutline ShearKeyOf(const WallOutline& o, double keyDepth) {
  ShearKeyOutline key;
  key.frontX = o.x[1];
  key.backX = o.x[8];
  key.top = BaseUndersideDepth(o);
  key.bottom = key.top + keyDepth;
  return key;
}

}  // namespace kelvadrome
