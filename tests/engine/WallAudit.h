// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one project through every computation the program offers (service analysis, concrete
// design, soil-pressure calculator) and through every text the core shows of the results, and
// collects what a user must never meet: a fault other than an engine error, a shown value that
// is not finite, a text reading "nan" or "inf". Shared by the robustness test and the fuzzer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ProjectData.h"

namespace kelvadrome::test {

struct WallAuditReport {
  std::vector<std::string> faults;  // empty when the wall passed
  bool serviceRan = false;          // the service analysis ended without an engine error
  bool designCompleted = false;     // all twelve cases of the concrete design ran
  bool calculatorRan = false;
  int engineErrors = 0;             // stages that ended with an EngineError (an allowed outcome)
};

// Audits a copy of the project; the caller's project is left alone. Never throws: an exception
// other than EngineError is reported as a fault with its text.
[[nodiscard]] WallAuditReport AuditWall(const ProjectData& project);

// True when text shows a value that is not a number: "nan" or "inf" in any letter case, as a
// word of its own or a part of a number ("1.#INF", "-nan").
[[nodiscard]] bool ShowsNonFinite(std::string_view text);

}  // namespace kelvadrome::test
