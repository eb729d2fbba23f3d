// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli convert: changes a project's unit system and writes it.
#include <ostream>

#include "cli/CommandSupport.h"

namespace kelvadrome {

namespace {

const CommandSyntax kConvertSyntax{
    "convert",
    "convert FILE --units metric|si|british -o OUT",
    "Reads FILE (or the default project for --default), converts every value to the unit\n"
    "system given, rounding as a change of units in the program does, and writes OUT.",
    {"-o", "--units"},
    {},
    1,
    1,
};

}  // namespace

int RunConvert(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const CommandStart start = StartCommand(args, kConvertSyntax, out, err);
  if (!start.line) return start.exitStatus;
  const CommandLine& line = *start.line;
  const std::string* output = line.Value("-o");
  if (output == nullptr) {
    return UsageError(kConvertSyntax, "the output file (-o OUT) is missing", err);
  }
  const std::string* units = line.Value("--units");
  if (units == nullptr) return UsageError(kConvertSyntax, "--units is missing", err);
  const auto system = ParseUnitSystem(*units);
  if (!system) return UsageError(kConvertSyntax, "unknown unit system " + *units, err);

  auto project = LoadProjectForCommand(kConvertSyntax.name, line.positionals[0], err);
  if (!project) return kExitFailure;
  if (!ChangeUnitSystemForCommand(kConvertSyntax.name, *project, *system, err)) return kExitFailure;
  return SaveProjectForCommand(kConvertSyntax.name, *project, *output, err) ? kExitOk
                                                                            : kExitFailure;
}

}  // namespace kelvadrome
