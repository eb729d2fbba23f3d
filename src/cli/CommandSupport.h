// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of kelvadrome-cli shares: parsing its words, help and usage messages,
// exit statuses, and loading or saving the project it works on.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commands.h"
#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Where a FILE argument may be this word, the command works on the default project.
inline constexpr std::string_view kDefaultProjectWord = "--default";

// How a command is called. Options are written "--name value", "--name=value" or "-o value".
struct CommandSyntax {
  std::string_view name;         // "show"
  std::string_view usage;        // "show FILE [--json]"
  std::string_view description;  // a few lines of help after the usage line
  std::vector<std::string_view> valueOptions;  // options that take a value: "-o", "--units"
  std::vector<std::string_view> flagOptions;   // options without a value: "--json"
  std::size_t minPositionals = 0;
  std::size_t maxPositionals = 0;
};

struct CommandLine {
  std::vector<std::string> positionals;  // "--default" counts as one
  std::map<std::string, std::string, std::less<>> values;
  std::set<std::string, std::less<>> flags;
  bool help = false;

  [[nodiscard]] bool Has(std::string_view flag) const { return flags.contains(flag); }
  [[nodiscard]] const std::string* Value(std::string_view option) const;
};

// Parses args against syntax. On wrong usage writes the reason and the usage line to err and
// returns nothing; the command then returns kExitUsage. With "--help" (or "-h") the result has
// help set and nothing else is checked.
[[nodiscard]] std::optional<CommandLine> ParseCommandLine(const CommandArgs& args,
                                                          const CommandSyntax& syntax,
                                                          std::ostream& err);

void PrintCommandHelp(const CommandSyntax& syntax, std::ostream& out);

// The usual start of a command: parse, and answer "--help" or wrong usage at once.
struct CommandStart {
  std::optional<CommandLine> line;  // set when the command goes on
  int exitStatus = kExitOk;         // otherwise: kExitOk after help, kExitUsage after an error
};
[[nodiscard]] CommandStart StartCommand(const CommandArgs& args, const CommandSyntax& syntax,
                                        std::ostream& out, std::ostream& err);

// Writes "kelvadrome-cli NAME: message" and the usage line to err; returns kExitUsage.
int UsageError(const CommandSyntax& syntax, std::string_view message, std::ostream& err);

// Writes "kelvadrome-cli NAME: reason" to err; returns kExitFailure.
int CommandFailure(std::string_view commandName, std::string_view reason, std::ostream& err);

// "metric", "si" or "british" (any letter case) as a unit system index.
[[nodiscard]] std::optional<UnitSystem> ParseUnitSystem(std::string_view word);

// The project named by a FILE argument, or the default project for "--default" (report font
// "Arial"). A file that cannot be read is reported on err and gives nothing; the caller returns
// kExitFailure.
[[nodiscard]] std::optional<ProjectData> LoadProjectForCommand(std::string_view commandName,
                                                               const std::string& pathOrDefault,
                                                               std::ostream& err);

// The file a FILE argument names: the argument itself, or "" for the default project.
[[nodiscard]] std::string ProjectFilePath(const std::string& pathOrDefault);

// Writes the project to path; a failure is reported on err and gives false.
[[nodiscard]] bool SaveProjectForCommand(std::string_view commandName, const ProjectData& project,
                                         const std::string& path, std::ostream& err);

// Changes the project's unit system, converting its values; a failure is reported on err and
// gives false (the project then stays in its old system).
[[nodiscard]] bool ChangeUnitSystemForCommand(std::string_view commandName, ProjectData& project,
                                              UnitSystem unitSystem, std::ostream& err);

}  // namespace kelvadrome
