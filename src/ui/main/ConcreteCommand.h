// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate > Concrete design (the "Co&ncrete" button, Command5) and Calculate > Soil pressure
// calculator: the two commands that open the result windows, and their connection to the main
// window's actions.
#pragma once

#include <functional>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "ui/calculator/CalculatorWindow.h"
#include "ui/calculator/NumericEntry.h"

class QWidget;

namespace kelvadrome {

class Form1;
class frmRein;
struct ReportFontChoice;

struct ConcreteCommandContext {
  ProjectData& project;
  AnalysisResults& results;
  DesignResults& design;
  MessageSink& messages;                 // the not-stable and slope messages
  std::function<void()> refreshView;     // the main window's RefreshView
  std::function<void()> projectChanged;  // the user stored bars in the project
  QWidget* parent = nullptr;
  Beeper beep = SystemBeeper();
};

// Shows the window modally; tests replace it to look at the window and close it.
using ShowWindow = std::function<void(QDialog& window)>;
[[nodiscard]] ShowWindow ShowModal();

// Recomputes the outline, runs the concrete design, refreshes the main window when the backfill
// slope was flattened and, when every combination was stable, shows the reinforcement window.
// Returns whether the window was shown. Run-time faults propagate as exceptions.
bool RunConcreteCommand(ConcreteCommandContext& context, const ShowWindow& show = ShowModal());

// Opens the calculator with the project's values; messages receives its slope message and
// faults (a warning box when null); printing is what its Print button does.
void RunCalculatorCommand(const ProjectData& project, QWidget* parent, MessageSink* messages,
                          frmCalculator::Printing printing, const ShowWindow& show = ShowModal());

// Connects Calculate > Concrete design, the Concrete button, Calculate > Soil pressure calculator
// and their tool bar buttons to the commands above; design lives as long as the window.
void ConnectResultCommands(Form1& form, DesignResults& design, const ReportFontChoice& fonts);

}  // namespace kelvadrome
