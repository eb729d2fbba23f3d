// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout on resize, in twips as the classic window gives it.
#pragma once

#include "ui/main/MainControls.h"
#include "report/drawing/TwipsScale.h"

namespace kelvadrome {

// The smallest window, in twips.
inline constexpr int kMinWindowWidthTwips = 7350;
inline constexpr int kMinWindowHeightTwips = 6900;

// Places every control for a client area (below the menu bar) of the given size in pixels.
void LayoutMainControls(const MainControls& c, TwipsScale scale, int clientWidth, int clientHeight);

}  // namespace kelvadrome
