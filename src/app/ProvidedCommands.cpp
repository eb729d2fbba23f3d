// SPDX-License-Identifier: GPL-3.0-or-later
// The connection of the commands other windows provide.
#include "app/ProvidedCommands.h"

#include "engine/DesignResults.h"
#include "ui/editors/EditorWiring.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/Form1.h"
#include "ui/main/SessionState.h"
#include "ui/print/PrintCommands.h"

namespace kelvadrome {

void ConnectProvidedCommands(Form1& window, DesignResults& design, const SessionState& session) {
  ConnectEditorCommands(window);
  InstallProjectUndo(window);
  ConnectResultCommands(window, design, session.fonts);
  ConnectPrintCommands(window, design, session.fonts);
}

}  // namespace kelvadrome
