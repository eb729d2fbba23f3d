// SPDX-License-Identifier: GPL-3.0-or-later
// The ten tool bar pictures, drawn in code so that they stay sharp at any screen resolution.
#pragma once

#include <QIcon>

namespace kelvadrome {

enum class ToolIcon {
  NewWall = 0,
  Save = 1,
  Print = 2,
  Properties = 3,
  Loads = 4,
  Restraints = 5,
  Stability = 6,
  Concrete = 7,
  Calculator = 8,
  Help = 9,
};
inline constexpr int kToolCount = 10;

// The picture at size x size device-independent pixels (drawn on a 20 x 20 grid).
[[nodiscard]] QIcon MakeToolIcon(ToolIcon icon, int size = 20);

}  // namespace kelvadrome
