// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design and calculator commands of the main window.
#include "ui/main/ConcreteCommand.h"

#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ReinforcementWindow.h"

namespace kelvadrome {

ShowWindow ShowModal() {
  return [](QDialog& window) { window.exec(); };
}

bool RunConcreteCommand(ConcreteCommandContext& context, const ShowWindow& show) {
  ProjectDocument& document = context.document;
  DesignRun found;
  {
    // Messages raised while the busy pointer shows are told once it is gone.
    const BusyPointer busy;
    found = RunDesign(document.Project());
  }
  for (const std::string& text : found.messages) context.messages.Warn(text);
  document.ApplyAdjustedSlope(found.adjustedSlope);
  document.Apply(QStringLiteral("concrete design"), [&found](ProjectData& p) {
    p.barDiameters = found.barDiameters;
    p.barPitches = found.barPitches;
  });
  if (context.refreshNow) context.refreshNow();
  if (found.fault) throw EngineError(*found.fault);
  if (!found.design.completed) return false;
  frmRein window(document.Project(), found.design, context.parent, context.beep,
                 [&document](const QString& name, const std::function<void(ProjectData&)>& edit) {
                   document.Apply(name, edit);
                 });
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
