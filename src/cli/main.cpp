// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli: the batch front end over the same core as the desktop program. Dispatches to
// the commands of Commands.h.
#include <array>
#include <iostream>
#include <string_view>

#include "cli/Commands.h"
#include "model/ProjectData.h"

namespace {

using kelvadrome::CommandArgs;

struct Command {
  std::string_view name;
  int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
  std::string_view summary;
};

constexpr std::array<Command, 8> kCommands{{
    {"new", kelvadrome::RunNew, "write the default project"},
    {"convert", kelvadrome::RunConvert, "convert a project to another unit system"},
    {"show", kelvadrome::RunShow, "print every field of a project"},
    {"analyse", kelvadrome::RunAnalyse, "service analysis and concrete design"},
    {"optimise", kelvadrome::RunOptimise, "the cheapest wall that meets every target"},
    {"circle", kelvadrome::RunCircle, "one slip circle of the global stability"},
    {"calculator", kelvadrome::RunCalculator, "the soil-pressure calculator"},
    {"report", kelvadrome::RunReport, "the printed report as PDF"},
}};

void PrintUsage(std::ostream& out) {
  out << "Usage: kelvadrome-cli COMMAND [ARGS...]\n\n"
         "Design of a reinforced-concrete cantilever retaining wall, without windows.\n"
         "FILE is a project file (.kvi); where a command reads one, --default stands for the\n"
         "default project.\n\nCommands:\n";
  for (const Command& c : kCommands) {
    out << "  " << c.name << std::string(12 - c.name.size(), ' ') << c.summary << "\n";
  }
  out << "\n\"kelvadrome-cli COMMAND --help\" describes a command. Exit status: 0 success,\n"
         "1 a file cannot be read or written or the analysis faults, 2 wrong usage.\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  const std::string_view name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  if (name == "--version") {
    std::cout << "kelvadrome-cli " << kelvadrome::kProgramVersion << "\n";
    return 0;
  }
  const CommandArgs args(argv + 2, argv + argc);
  for (const Command& c : kCommands) {
    if (c.name == name) return c.run(args, std::cout, std::cerr);
  }
  std::cerr << "kelvadrome-cli: unknown command '" << name << "'\n";
  PrintUsage(std::cerr);
  return 2;
}
