// SPDX-License-Identifier: GPL-3.0-or-later
// A candidate wall of the sizing optimiser: the eight dimensions it may vary, read from and
// put into a copy of a project so that the model's dimension rules still hold.
#pragma once

#include <array>

#include "model/OptimiserSettings.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// In the order of OptimisedDimension; the shear key depth is 0 for a wall without a key.
using WallDimensions = std::array<float, kOptimisedDimensionCount>;

[[nodiscard]] WallDimensions ReadWallDimensions(const ProjectData& project);

// The project with these dimensions. The depth D of the base underside and the two
// tapers stay: the stem heights follow the edge thicknesses (stemFrontHeight = D − toeTaper −
// toeEdgeThickness, likewise at the back) and the base width is the sum of its five parts.
// A key depth above 0 switches the shear key on; 0 switches it off and keeps the depth field.
[[nodiscard]] ProjectData WithWallDimensions(const ProjectData& project, const WallDimensions& dimensions);

// Whether the dimensions make a wall the model accepts: no part negative, both stem heights at
// least the least height a user may type, and no toe or heel length without thickness.
[[nodiscard]] bool IsBuildableWall(const ProjectData& project);

}  // namespace kelvadrome
