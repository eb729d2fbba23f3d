// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design and calculator commands of the main window.
#include "ui/main/ConcreteCommand.h"

#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/ReinforcementWindow.h"

namespace kelvadrome {

ShowWindow ShowModal() {
  return [](QDialog& window) { window.exec(); };
}

bool RunConcreteCommand(ConcreteCommandContext& context, const ShowWindow& show) {
  // Messages raised while the busy pointer shows are shown once it is gone.
  DesignRun run;
  {
    const BusyPointer busy;
    run = RunDesign(context.project, {&context.design});
  }
  for (const std::string& text : run.messages) context.messages.Warn(text);
  // The project keeps what the design found: the flattened slope and the bars it used.
  context.project = WithFindings(std::move(context.project), run);
  context.results = run.results;
  context.design = run.design;
  if (run.fault) throw EngineError(*run.fault);
  if (context.results.slopeAdjusted && context.refreshView) context.refreshView();
  if (!context.design.completed) return false;
  frmRein window(context.project, context.design, context.parent, context.beep, context.projectChanged);
  show(window);
  return true;
}

void RunCalculatorCommand(const ProjectData& project, QWidget* parent, MessageSink* messages,
                          frmCalculator::Printing printing, const ShowWindow& show) {
  frmCalculator window(project, parent, messages);
  window.SetPrinting(std::move(printing));
  show(window);
}

}  // namespace kelvadrome
