// SPDX-License-Identifier: GPL-3.0-or-later
// The connection of the commands other windows provide.
#include "app/ProvidedCommands.h"

#include "ui/editors/EditorWiring.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/Form1.h"
#include "ui/main/SessionState.h"
#include "ui/print/PrintCommands.h"

namespace kelvadrome {

void ConnectProvidedCommands(Form1& window, const SessionState& session) {
  ConnectEditorCommands(window);
  InstallProjectUndo(window);
  ConnectResultCommands(window, session.fonts);
  ConnectPrintCommands(window, session.fonts);
}

}  // namespace kelvadrome
