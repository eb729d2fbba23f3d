// SPDX-License-Identifier: GPL-3.0-or-later
// The older line-load layout stored loads on the front face and vertical loads on the top of
// the wall as a signed magnitude and one position; this turns them into today's line loads.
#pragma once

#include <cstdint>

#include "model/ProjectData.h"

namespace kelvadrome {

struct OldLoadRecord {
  float signedLoad = 0;  // the sign gives the direction
  float position = 0;    // height above the base underside (front) or x from the toe (vertical)
  LoadCase loadCase = LoadCase::dead;
};

// A horizontal load on the front face: x lies on the front outline at the given height.
// Throws FileFormatFault when the wall dimensions it needs divide by zero, or place the load
// beyond the range of single precision.
[[nodiscard]] LineLoad ConvertOldFrontLoad(const ProjectData& wall, const OldLoadRecord& record);

// A vertical load on the top of the wall: y is the height of the top outline at the given x.
// Throws FileFormatFault when the wall dimensions it needs divide by zero, or place the load
// beyond the range of single precision.
[[nodiscard]] LineLoad ConvertOldVerticalLoad(const ProjectData& wall, const OldLoadRecord& record);

}  // namespace kelvadrome
