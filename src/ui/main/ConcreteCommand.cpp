// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design and calculator commands of the main window.
#include "ui/main/ConcreteCommand.h"

#include "engine/ConcreteDesign.h"
#include "engine/WallGeometry.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/ReinforcementWindow.h"

namespace kelvadrome {

ShowWindow ShowModal() {
  return [](QDialog& window) { window.exec(); };
}

bool RunConcreteCommand(ConcreteCommandContext& context, const ShowWindow& show) {
  // Messages raised while the busy pointer shows are kept and shown once it is gone.
  RecordingSink deferred;
  const auto tell = [&] {
    for (const std::string& text : deferred.messages) context.messages.Warn(text);
  };
  try {
    const BusyPointer busy;
    ComputeWallOutline(context.project, context.results);
    RunConcreteDesign(context.project, context.results, context.design, deferred);
  } catch (...) {
    tell();
    throw;
  }
  tell();
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
