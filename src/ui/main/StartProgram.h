// SPDX-License-Identifier: GPL-3.0-or-later
// The start of the desktop program: the single-instance check, the settings store, the report
// fonts, the default project and the main window in its saved placement.
#pragma once

#include <QString>
#include <memory>

#include "ui/main/Form1.h"

class QSettings;

namespace kelvadrome {

class InstanceGuard;
class ProjectDocument;
struct SessionState;

struct StartContext {
  ProjectDocument& document;
  SessionState& session;
  InstanceGuard& instance;
  Form1Services services;
  QString projectToOpen;  // a file given on the command line, opened as File Open would
};

// Returns the shown main window, or nothing when another instance is running (after telling the
// user "Kelvadrome is already running in memory.").
[[nodiscard]] std::unique_ptr<Form1> StartProgram(StartContext& context);

// The size of the screen in twips: the window's size when the store has none.
[[nodiscard]] QSize ScreenSizeTwips();

}  // namespace kelvadrome
