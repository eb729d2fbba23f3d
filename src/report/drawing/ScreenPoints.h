// SPDX-License-Identifier: GPL-3.0-or-later
// The wall outline of the analysis (ComputeOutlinePoints) mapped into the logical units of a
// picture or a report section, with two changes that give the figure room: the backfill surface
// runs on a quarter of the base width beyond the heel edge, and the toe-side water lines start
// 240 units in front of the toe edge.
#pragma once

#include <array>

#include <QPointF>

#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {

inline constexpr int kScreenPointCount = 49;
// How far the toe-side water lines reach in front of the toe edge, in logical units.
inline constexpr double kFrontWaterReach = 240;

struct ScreenPoints {
  WallFitting fit;
  WallOutline wall;                               // the figure's outline in wall coordinates
  std::array<double, kScreenPointCount + 1> x{};  // 1..49 in logical units, 0 unused
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

// The analysis's outline with the backfill surface running on a quarter of the base width beyond
// the heel edge. Never throws: a wall the analysis refuses (a zero stem height on both sides) has
// the points that would divide by zero at the start of their edge.
[[nodiscard]] WallOutline FigureOutline(const ProjectData& project);

// FigureOutline mapped into the fitting; the toe-side water lines start kFrontWaterReach in front
// of the toe edge.
[[nodiscard]] ScreenPoints ComputeScreenPoints(const ProjectData& project, const WallFitting& fit);

// Depth of the base underside, and of the backfill surface above the heel edge (negative above
// the stem top on a sloping backfill).
[[nodiscard]] double BaseUndersideDepth(const WallOutline& outline);
[[nodiscard]] double BackfillSurfaceAtHeel(const WallOutline& outline);

// x of the front outline of the wall (stem front face, toe top, toe edge) at a depth.
[[nodiscard]] double FrontFaceX(const WallOutline& outline, double depth);

// The shear key under the base, in wall coordinates: under the stem, as wide as the stem top.
struct ShearKeyOutline {
  double frontX = 0;
  double backX = 0;
  double top = 0;     // the base underside
  double bottom = 0;  // the key's bottom
};
[[nodiscard]] ShearKeyOutline ShearKeyOf(const WallOutline& outline, double keyDepth);

}  // namespace kelvadrome
