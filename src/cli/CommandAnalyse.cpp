// kelvadrome-cli analyse: placeholder until the command is built.
#include <ostream>

#include "cli/Commands.h"

namespace kelvadrome {

int RunAnalyse(const CommandArgs& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "kelvadrome-cli analyse: not available yet\n";
  return 1;
}

}  // namespace kelvadrome
