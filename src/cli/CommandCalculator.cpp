// kelvadrome-cli calculator: placeholder until the command is built.
#include <ostream>

#include "cli/Commands.h"

namespace kelvadrome {

int RunCalculator(const CommandArgs& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "kelvadrome-cli calculator: not available yet\n";
  return 1;
}

}  // namespace kelvadrome
