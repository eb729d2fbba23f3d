// SPDX-License-Identifier: GPL-3.0-or-later
// The outline points of the wall, its earth and its water mapped into the logical units of a
// picture or a report section. They are computed from the dimensions each time, with two
// changes that give the figure room: the backfill surface runs on a quarter of the base width
// beyond the heel edge, and the toe-side water lines start 240 units in front of the toe edge.
#pragma once

#include <array>

#include <QPointF>

#include "model/ProjectData.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {

inline constexpr int kScreenPointCount = 49;
// How far the toe-side water lines reach in front of the toe edge, in logical units.
inline constexpr double kFrontWaterReach = 240;

struct ScreenPoints {
  WallFitting fit;
  std::array<double, kScreenPointCount + 1> x{};  // 1..49, 0 unused
  std::array<double, kScreenPointCount + 1> y{};

  [[nodiscard]] QPointF P(int i) const { return {x.at(i), y.at(i)}; }
  // A wall position (x from the toe edge, depth below the stem top) in logical units.
  [[nodiscard]] double X(double modelX) const { return fit.drawOriginX + modelX * fit.drawScale; }
  [[nodiscard]] double Y(double depth) const { return fit.drawOriginY + depth * fit.drawScale; }
  [[nodiscard]] QPointF Map(double modelX, double depth) const { return {X(modelX), Y(depth)}; }
  // A line-load position: x from the toe edge, height above the base underside.
  [[nodiscard]] QPointF LoadPoint(double modelX, double heightAboveBase) const {
    return {x[4] + modelX * fit.drawScale, y[4] - heightAboveBase * fit.drawScale};
  }
  [[nodiscard]] double Length(double modelLength) const { return modelLength * fit.drawScale; }
};

[[nodiscard]] ScreenPoints ComputeScreenPoints(const ProjectData& project, const WallFitting& fit);

// Depth of the base underside, and of the backfill surface above the heel edge (negative above
// the stem top on a sloping backfill).
[[nodiscard]] double BaseUndersideDepth(const ProjectData& project);
[[nodiscard]] double BackfillSurfaceAtHeel(const ProjectData& project);

// x of the front outline of the wall (stem front face, toe top, toe edge) at a depth.
[[nodiscard]] double FrontFaceX(const ProjectData& project, double depth);

// The shear key under the base, in wall coordinates: under the stem, as wide as the stem top.
struct ShearKeyOutline {
  double frontX = 0;
  double backX = 0;
  double top = 0;     // the base underside
  double bottom = 0;  // the key's bottom
};
[[nodiscard]] ShearKeyOutline ShearKeyOf(const ProjectData& project);

}  // namespace kelvadrome
