// kelvadrome-cli report: placeholder until the command is built.
#include <ostream>

#include "cli/Commands.h"

namespace kelvadrome {

int RunReport(const CommandArgs& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "kelvadrome-cli report: not available yet\n";
  return 1;
}

}  // namespace kelvadrome
