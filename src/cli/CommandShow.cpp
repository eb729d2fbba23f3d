// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli show: every field of a project by its name, as text or JSON.
#include <ostream>

#include "cli/CommandSupport.h"
#include "cli/JsonWriter.h"
#include "cli/ProjectFields.h"

namespace kelvadrome {

namespace {

const CommandSyntax kShowSyntax{
    "show",
    "show FILE [--json]",
    "Prints every field of the project in FILE (or of the default project for --default)\n"
    "under its name, one per line, or as one JSON object with --json. Lists are given whole\n"
    "from index 0; index 0 of the numbered lists is not used.",
    {},
    {"--json"},
    1,
    1,
};

}  // namespace

int RunShow(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const CommandStart start = StartCommand(args, kShowSyntax, out, err);
  if (!start.line) return start.exitStatus;
  const CommandLine& line = *start.line;
  const auto project = LoadProjectForCommand(kShowSyntax.name, line.positionals[0], err);
  if (!project) return kExitFailure;
  // A project is loaded in the unit system it was saved in.
  const LoadedProjectValues loaded{ProjectFilePath(line.positionals[0]), project->unitSystem};

  if (line.Has("--json")) {
    JsonWriter json;
    json.BeginObject();
    WriteProjectFieldsJson(*project, loaded, json);
    json.EndObject();
    out << json.Text();
  } else {
    out << ProjectFieldsText(*project, loaded);
  }
  return kExitOk;
}

}  // namespace kelvadrome
