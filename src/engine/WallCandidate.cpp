// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the optimised dimensions of a wall and making a wall with others.
#include "engine/WallCandidate.h"

#include <cmath>

#include "model/DimensionEdit.h"
#include "model/OptimiserDefaults.h"

namespace kelvadrome {

WallDimensions ReadWallDimensions(const ProjectData& p) {
  WallDimensions d{};
  for (int i = 0; i < kOptimisedDimensionCount; ++i) d[static_cast<std::size_t>(i)] = p.*OptimisedDimensionField(i);
  constexpr auto key = static_cast<std::size_t>(OptimisedDimension::shearKeyDepth);
  if (!p.shearKeyOption) d[key] = 0;
  return d;
}

ProjectData WithWallDimensions(const ProjectData& project, const WallDimensions& d) {
  ProjectData p = project;
  const double depth = p.TotalHeightFront();
  constexpr auto key = static_cast<int>(OptimisedDimension::shearKeyDepth);
  for (int i = 0; i < kOptimisedDimensionCount; ++i) {
    if (i != key) p.*OptimisedDimensionField(i) = d[static_cast<std::size_t>(i)];
  }
  const float keyDepth = d[static_cast<std::size_t>(key)];
  p.shearKeyOption = keyDepth > 0;
  if (keyDepth > 0) p.shearKeyDepth = keyDepth;

  p.baseWidth = static_cast<float>(double(p.toeLength) + p.stemFrontBatter + p.stemTopWidth +
                                   p.stemBackBatter + p.heelLength);
  // The same order as the defaults, so that both sides give the same total height in float.
  p.stemFrontHeight = static_cast<float>(depth - p.toeTaper - p.toeEdgeThickness);
  p.stemBackHeight = static_cast<float>(double(p.stemFrontHeight) + p.toeTaper + p.toeEdgeThickness -
                                        p.heelTaper - p.heelEdgeThickness);
  p.stemFrontHeight = static_cast<float>(double(p.heelTaper) + p.stemBackHeight + p.heelEdgeThickness -
                                         p.toeTaper - p.toeEdgeThickness);
  return p;
}

bool IsBuildableWall(const ProjectData& p) {
  for (const float v : {p.toeLength, p.stemFrontBatter, p.stemTopWidth, p.stemBackBatter, p.heelLength,
                        p.toeEdgeThickness, p.heelEdgeThickness, p.shearKeyDepth}) {
    if (!std::isfinite(v) || v < 0) return false;
  }
  if (p.stemFrontHeight < kMinimumStemHeight || p.stemBackHeight < kMinimumStemHeight) return false;
  if (double(p.toeTaper) + p.toeEdgeThickness == 0 && p.toeLength != 0) return false;
  if (double(p.heelTaper) + p.heelEdgeThickness == 0 && p.heelLength != 0) return false;
  return p.baseWidth > 0;
}

}  // namespace kelvadrome
