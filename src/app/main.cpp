// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's entry: the application owns the project document and the run's session
// values for the whole run, and hands them to the main window by reference.
#include <QApplication>
#include <QSettings>
#include <QStringList>

#include "app/ProvidedCommands.h"
#include "ui/main/FileDialogs.h"
#include "ui/main/InstanceGuard.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/StartProgram.h"
#include "ui/main/UserPrompts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kelvadrome"));
  QApplication::setApplicationName(QStringLiteral("Kelvadrome"));
  QApplication::setApplicationVersion(QString::fromLatin1(kelvadrome::kProgramVersion));

  kelvadrome::ProjectDocument document;
  kelvadrome::SessionState session;
  kelvadrome::InstanceGuard instance;
  kelvadrome::QtFileDialogs dialogs;
  kelvadrome::QtUserPrompts prompts;
  QSettings settings(QStringLiteral("Kelvadrome"), QStringLiteral("Kelvadrome"));

  const QStringList arguments = QApplication::arguments();
  kelvadrome::StartContext context{document, session, instance, {dialogs, prompts, settings},
                                   arguments.size() > 1 ? arguments.at(1) : QString()};
  const std::unique_ptr<kelvadrome::Form1> window = kelvadrome::StartProgram(context);
  if (!window) return 1;
  kelvadrome::ConnectProvidedCommands(*window, session);
  return QApplication::exec();
}
