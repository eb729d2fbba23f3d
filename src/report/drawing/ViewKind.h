// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven views of the main window's drawing, numbered like the view option buttons.
#pragma once

#include <array>
#include <optional>

#include "model/ProjectData.h"

namespace kelvadrome {

enum class ViewKind : int {
  Dimensions = 0,
  Dead = 1,
  Live = 2,
  Soil = 3,
  Water = 4,
  Structural = 5,
  Impact = 6,
  Seismic = 7,
  Reactions = 8,
  Restraints = 9,
  Global = 10,  // the critical slip circle
};
inline constexpr int kViewCount = 11;

inline constexpr std::array<const char*, kViewCount> kViewCaptions{
    "Dimensions", "Dead", "Live", "Soil", "Water", "Structural", "Impact", "Seismic", "Reactions", "Restraints", "Global"};

// The load case a load view shows, or none for the other views.
[[nodiscard]] constexpr std::optional<LoadCase> LoadCaseOfView(ViewKind view) {
  const int index = static_cast<int>(view);
  if (index < 1 || index > kLoadCaseCount) return std::nullopt;
  return kAllLoadCases[static_cast<std::size_t>(index - 1)];
}

}  // namespace kelvadrome
