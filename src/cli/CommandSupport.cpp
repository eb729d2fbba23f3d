// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing, messages and project loading shared by the commands of kelvadrome-cli.
#include "cli/CommandSupport.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "model/ProjectFile.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

bool Contains(const std::vector<std::string_view>& list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

std::string Lower(std::string_view word) {
  std::string out(word);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

const std::string* CommandLine::Value(std::string_view option) const {
  const auto it = values.find(option);
  return it == values.end() ? nullptr : &it->second;
}

std::optional<CommandLine> ParseCommandLine(const CommandArgs& args, const CommandSyntax& syntax,
                                            std::ostream& err) {
  CommandLine line;
  if (std::any_of(args.begin(), args.end(),
                  [](const std::string& a) { return a == "--help" || a == "-h"; })) {
    line.help = true;
    return line;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == kDefaultProjectWord || word.size() < 2 || word[0] != '-') {
      line.positionals.push_back(word);
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    if (Contains(syntax.flagOptions, name) && equals == std::string::npos) {
      line.flags.insert(name);
    } else if (Contains(syntax.valueOptions, name)) {
      if (equals != std::string::npos) {
        line.values[name] = word.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        line.values[name] = args[++i];
      } else {
        UsageError(syntax, "option " + name + " needs a value", err);
        return std::nullopt;
      }
    } else {
      UsageError(syntax, "unknown option " + word, err);
      return std::nullopt;
    }
  }
  if (line.positionals.size() < syntax.minPositionals) {
    UsageError(syntax, "a file name is missing", err);
    return std::nullopt;
  }
  if (line.positionals.size() > syntax.maxPositionals) {
    UsageError(syntax, "unexpected argument " + line.positionals[syntax.maxPositionals], err);
    return std::nullopt;
  }
  return line;
}

void PrintCommandHelp(const CommandSyntax& syntax, std::ostream& out) {
  out << "Usage: kelvadrome-cli " << syntax.usage << "\n\n" << syntax.description << "\n";
}

CommandStart StartCommand(const CommandArgs& args, const CommandSyntax& syntax,
                          std::ostream& out, std::ostream& err) {
  CommandStart start;
  auto line = ParseCommandLine(args, syntax, err);
  if (!line) {
    start.exitStatus = kExitUsage;
  } else if (line->help) {
    PrintCommandHelp(syntax, out);
  } else {
    start.line = std::move(line);
  }
  return start;
}

int UsageError(const CommandSyntax& syntax, std::string_view message, std::ostream& err) {
  err << "kelvadrome-cli " << syntax.name << ": " << message << "\n"
      << "Usage: kelvadrome-cli " << syntax.usage << "\n";
  return kExitUsage;
}

int CommandFailure(std::string_view commandName, std::string_view reason, std::ostream& err) {
  err << "kelvadrome-cli " << commandName << ": " << reason << "\n";
  return kExitFailure;
}

std::optional<UnitSystem> ParseUnitSystem(std::string_view word) {
  const std::string lower = Lower(word);
  for (const UnitSystem system : kUnitSystems) {
    if (lower == Lower(UnitSystemName(system))) return system;
  }
  return std::nullopt;
}

std::optional<ProjectData> LoadProjectForCommand(std::string_view commandName,
                                                 const std::string& pathOrDefault,
                                                 std::ostream& err) {
  if (pathOrDefault == kDefaultProjectWord) {
    ProjectData project;
    SetDefaults(project);
    return project;
  }
  try {
    return ReadProjectFile(pathOrDefault);
  } catch (const ProjectFileError& e) {
    CommandFailure(commandName, e.what(), err);
    return std::nullopt;
  }
}

std::string ProjectFilePath(const std::string& pathOrDefault) {
  return pathOrDefault == kDefaultProjectWord ? std::string() : pathOrDefault;
}

bool SaveProjectForCommand(std::string_view commandName, const ProjectData& project,
                           const std::string& path, std::ostream& err) {
  try {
    WriteProjectFile(project, path);
    return true;
  } catch (const ProjectFileError& e) {
    CommandFailure(commandName, e.what(), err);
    return false;
  }
}

bool ChangeUnitSystemForCommand(std::string_view commandName, ProjectData& project,
                                UnitSystem unitSystem, std::ostream& err) {
  const UnitSystem previous = project.unitSystem;
  project.unitSystem = unitSystem;
  try {
    ConvertUnits(project, previous);
    return true;
  } catch (const UnitConversionError& e) {
    CommandFailure(commandName, e.what(), err);
    return false;
  }
}

}  // namespace kelvadrome
