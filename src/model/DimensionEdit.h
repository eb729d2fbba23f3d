// SPDX-License-Identifier: GPL-3.0-or-later
// Editing one wall dimension through its label on the drawing: which field each of the sixteen
// labels edits, and the rules that bring the other dimensions back into agreement afterwards.
#pragma once

#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr int kDimensionLabelCount = 16;

// The least front or back stem height a user may type, in the current unit of length.
inline constexpr double kMinimumStemHeight = 0.5;

// The field shown by dimension label `labelIndex` (0..15): 0 toeLength ... 15 shearKeyDepth.
// Throws std::out_of_range for another index.
[[nodiscard]] float DimensionFieldValue(const ProjectData& project, int labelIndex);

// The number the label shows, that is the field rounded to two decimals.
[[nodiscard]] double DimensionLabelValue(const ProjectData& project, int labelIndex);

// Stores an entered value for label `labelIndex`, rounded to two decimals as the label shows it,
// then restores the dimension rules in a fixed order: the base width is the sum of its five parts,
// the front and back total heights agree, no part is negative, a toe or heel without thickness has
// no length, and the water depths lie within the wall (both at the base underside without water).
// Refuses (returns false, changes nothing) a negative or non-finite value.
// Throws std::out_of_range for an index outside 0..15.
[[nodiscard]] bool ApplyDimensionEdit(ProjectData& project, int labelIndex, double enteredValue);

}  // namespace kelvadrome
