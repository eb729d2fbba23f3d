// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the main window, built from its actions.
#pragma once

#include "ui/main/MainActions.h"

class QMenuBar;

namespace kelvadrome {

// Fills the bar with File, Edit, View, Calculate, Options and Help in their order, with
// separators where the classic menus have them.
void BuildMainMenus(QMenuBar& bar, const MainActions& actions);

}  // namespace kelvadrome
