// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the commands whose windows live outside the main window (the editors with undo, the
// concrete design, the calculator and printing) to the main window's actions.
#pragma once

namespace kelvadrome {

class Form1;
struct SessionState;

void ConnectProvidedCommands(Form1& window, const SessionState& session);

}  // namespace kelvadrome
