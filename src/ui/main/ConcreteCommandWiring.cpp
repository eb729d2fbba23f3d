// SPDX-License-Identifier: GPL-3.0-or-later
// Connection of the concrete design and calculator commands to the main window's actions: the
// engine's messages go to the window's message boxes, the calculator prints on its printer.
#include <QAction>

#include "ui/main/ConcreteCommand.h"
#include "ui/main/Form1.h"
#include "ui/main/OptimiserWindow.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ReportFonts.h"
#include "ui/main/UserPrompts.h"
#include "ui/print/PrintCommands.h"

namespace kelvadrome {

void ConnectResultCommands(Form1& form, const ReportFontChoice& fonts) {
  const MainActions& actions = form.Actions();
  form.ConnectCommand(actions.calculateConcrete, [&form] {
    PromptSink messages(form.Prompts(), &form);
    ConcreteCommandContext context{form.Document(), messages, [&form] { form.RefreshNow(); }, &form};
    RunConcreteCommand(context);
  });
  form.ConnectCommand(actions.calculateOptimise, [&form] {
    ProjectDocument& document = form.Document();
    frmOptimise window(document.Project(), &form, SystemBeeper(),
                       [&document](const QString& name, const ProjectData& changed) {
                         document.Apply(name, [&changed](ProjectData& p) { p = changed; });
                       });
    window.exec();
  });
  // The Greek letters of the printout are real characters, printed in the report font itself.
  const ReportFonts printFonts{fonts.defaultReportFont, fonts.defaultReportFont};
  form.ConnectCommand(actions.calculateCalculator, [&form, printFonts] {
    const ProjectData& project = form.Document().Project();
    PromptSink messages(form.Prompts(), &form);
    frmCalculator::Printing printing{
        [&form](QWidget* parent) { return ChooseCalculatorPrinter(parent, form.Printer()); },
        [&form, &project, printFonts](const CalculatorInputs& in, const CalculatorResults& out) {
          PrintCalculatorSheet(form.Printer(), project, printFonts, in, out);
        }};
    RunCalculatorCommand(project, &form, &messages, std::move(printing));
  });
}

}  // namespace kelvadrome
