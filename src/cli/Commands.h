// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of kelvadrome-cli. Each takes the words after the command name and returns the
// exit status: 0 success, 1 the file cannot be read or written or the analysis faults (the
// reason on err), 2 wrong usage. "--help" anywhere prints the command's help on out.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvadrome {

using CommandArgs = std::vector<std::string>;

int RunNew(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunConvert(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunShow(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunAnalyse(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunCalculator(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunOptimise(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunCircle(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunReport(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace kelvadrome
