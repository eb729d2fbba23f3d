// SPDX-License-Identifier: GPL-3.0-or-later
// The classic 16-colour palette that every figure names its colours by, and the water colour.
#pragma once

#include <QColor>

namespace kelvadrome {

// Colour index 0..15 of the classic text-mode palette (0 black, 1 dark blue, 3 dark cyan,
// 4 dark red, 5 dark magenta, 7 light grey, 8 grey, 9 blue, 15 white). Other indices give black.
[[nodiscard]] QColor ClassicColour(int index);

// The fill of the water in front of the wall.
[[nodiscard]] inline QColor WaterColour() { return QColor(128, 255, 255); }

}  // namespace kelvadrome
