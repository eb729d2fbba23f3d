// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate > Concrete design (the "Co&ncrete" button, Command5) and Calculate > Soil pressure
// calculator: the two commands that open the result windows, and their connection to the main
// window's actions.
#pragma once

#include <functional>

#include "engine/MessageSink.h"
#include "ui/calculator/CalculatorWindow.h"
#include "ui/calculator/NumericEntry.h"

class QWidget;

namespace kelvadrome {

class Form1;
class ProjectDocument;
class frmRein;
struct ReportFontChoice;

struct ConcreteCommandContext {
  ProjectDocument& document;
  MessageSink& messages;             // the not-stable and slope messages
  std::function<void()> refreshNow;  // the main window's RefreshNow
  QWidget* parent = nullptr;
  Beeper beep = SystemBeeper();
};

// Shows the window modally; tests replace it to look at the window and close it.
using ShowWindow = std::function<void(QDialog& window)>;
[[nodiscard]] ShowWindow ShowModal();

// Runs the concrete design on a copy of the document's project and tells its messages; the
// document takes a flattened backfill slope ("Backfill slope adjusted") and the bars the design
// chose ("concrete design") as steps of their own, and the main window redraws. When every
// combination was stable, shows the reinforcement window, whose edits go to the document.
// Returns whether the window was shown. A run-time fault propagates as EngineError.
bool RunConcreteCommand(ConcreteCommandContext& context, const ShowWindow& show = ShowModal());

// Opens the calculator with the project's values; messages receives its slope message and
// faults (a warning box when null); printing is what its Print button does.
void RunCalculatorCommand(const ProjectData& project, QWidget* parent, MessageSink* messages,
                          frmCalculator::Printing printing, const ShowWindow& show = ShowModal());

// Connects Calculate > Concrete design, the Concrete button, Calculate > Optimise dimensions,
// Calculate > Soil pressure calculator and their tool bar buttons to the commands above.
void ConnectResultCommands(Form1& form, const ReportFontChoice& fonts);

}  // namespace kelvadrome
