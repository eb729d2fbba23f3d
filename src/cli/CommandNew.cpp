// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli new: writes the default project, optionally in another unit system.
#include <ostream>

#include "cli/CommandSupport.h"

namespace kelvadrome {

namespace {

const CommandSyntax kNewSyntax{
    "new",
    "new -o FILE [--units metric|si|british]",
    "Writes the default project (the one \"New\" gives) to FILE. With --units the project is\n"
    "converted from Metric to that unit system first.",
    {"-o", "--units"},
    {},
    0,
    0,
};

}  // namespace

int RunNew(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const CommandStart start = StartCommand(args, kNewSyntax, out, err);
  if (!start.line) return start.exitStatus;
  const CommandLine& line = *start.line;
  const std::string* output = line.Value("-o");
  if (output == nullptr) return UsageError(kNewSyntax, "the output file (-o FILE) is missing", err);

  ProjectData project;
  SetDefaults(project);
  if (const std::string* units = line.Value("--units")) {
    const auto system = ParseUnitSystem(*units);
    if (!system) return UsageError(kNewSyntax, "unknown unit system " + *units, err);
    if (!ChangeUnitSystemForCommand(kNewSyntax.name, project, *system, err)) return kExitFailure;
  }
  return SaveProjectForCommand(kNewSyntax.name, project, *output, err) ? kExitOk : kExitFailure;
}

}  // namespace kelvadrome
