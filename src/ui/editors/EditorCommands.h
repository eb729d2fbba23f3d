// SPDX-License-Identifier: GPL-3.0-or-later
// The editor commands of the main window: each shows its editor modally over `parent` and writes
// the project only when the user accepts. A true result means the project was accepted and the
// caller recomputes and redraws; false means Cancel and nothing changed.
#pragma once

#include <QRect>

#include "ui/editors/EditorEntry.h"

class QWidget;

namespace kelvadrome {

struct ProjectData;

bool RunLoadsEditor(QWidget* parent, ProjectData& project, const Beeper& beep = SystemBeeper());
bool RunPropertiesEditor(QWidget* parent, ProjectData& project, const Beeper& beep = SystemBeeper());
bool RunRestraintEditor(QWidget* parent, ProjectData& project, const Beeper& beep = SystemBeeper());

// A click on dimension label labelIndex (0..15) whose rectangle on the screen is labelRectGlobal:
// the value box opens beside it; a negative value beeps and opens the box again. The caller
// recomputes the wall outline and redraws after a true result.
bool RunDimensionEdit(QWidget* parent, ProjectData& project, int labelIndex, const QRect& labelRectGlobal,
                      const Beeper& beep = SystemBeeper());

}  // namespace kelvadrome
