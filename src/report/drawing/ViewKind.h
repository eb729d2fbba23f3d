// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven views of the main window's drawing, numbered like the view option buttons.
#pragma once

#include <array>

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

// The load case a load view shows (1..7), or 0 for the other views.
[[nodiscard]] constexpr int LoadCaseOfView(ViewKind view) {
  const int index = static_cast<int>(view);
  return index >= 1 && index <= 7 ? index : 0;
}

}  // namespace kelvadrome
