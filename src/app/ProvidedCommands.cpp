// The connection of the commands other windows provide.
#include "app/ProvidedCommands.h"

#include "engine/DesignResults.h"
#include "ui/main/Form1.h"
#include "ui/main/SessionState.h"
#include "ui/print/PrintCommands.h"

namespace kelvadrome {

void ConnectProvidedCommands(Form1& window, DesignResults& design, const SessionState& session) {
  ConnectPrintCommands(window, design, session.fonts);
}

}  // namespace kelvadrome
