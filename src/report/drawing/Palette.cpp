// SPDX-License-Identifier: GPL-3.0-or-later
// The classic 16-colour palette.
#include "report/drawing/Palette.h"

#include <array>

namespace kelvadrome {

QColor ClassicColour(int index) {
  static constexpr std::array<std::array<int, 3>, 16> kColours{{
      {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
      {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
      {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
      {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
  }};
  if (index < 0 || index >= static_cast<int>(kColours.size())) return QColor(0, 0, 0);
  const auto& rgb = kColours[static_cast<std::size_t>(index)];
  return QColor(rgb[0], rgb[1], rgb[2]);
}

}  // namespace kelvadrome
