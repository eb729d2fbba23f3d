// SPDX-License-Identifier: GPL-3.0-or-later
// The checks a candidate wall of the optimiser must pass, each decided by the same engine as the
// displays: the service analysis (stability, sliding, overturning, base pressure, resultant
// position, bearing), the concrete design with the bars the program chooses, and the global
// stability, which is checked apart because it costs most.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/Quantities.h"
#include "engine/WallCandidate.h"
#include "model/ProjectData.h"

namespace kelvadrome {

enum class CheckId : int {
  stable,
  sliding,
  overturning,
  pressure,
  resultant,
  bearing,
  design,
  global,
};
inline constexpr int kCheckCount = 8;

// "sliding", "overturning", ... as the messages and the tables name them.
[[nodiscard]] std::string_view CheckName(CheckId check);

// The targets that apply to the project: the set without or with seismic load (seismic on and a
// coefficient other than 0) and the switches.
struct ActiveTargets {
  TargetFactors factors;
  double resultantShare = 1.0 / 6;  // |e| ≤ share·B
  bool resultantRule = true;
  bool bearingCheck = true;
  bool globalCheck = false;
  bool seismic = false;
};
[[nodiscard]] ActiveTargets ActiveTargetsOf(const ProjectData& project);

// The values compared with the targets; each is "value ≥ target". The resultant's value is
// share·B/|e|, compared with 1. A value that was not computed stays empty.
struct CheckValues {
  std::array<std::optional<float>, kCheckCount> value{};
  [[nodiscard]] std::optional<float> operator[](CheckId c) const { return value[static_cast<std::size_t>(c)]; }
};

struct CandidateEvaluation {
  bool buildable = false;
  uint32_t failed = 0;  // a bit per CheckId that failed; global is recorded apart
  bool designRun = false;
  Quantities quantities;  // all of them when feasible, the outline's alone otherwise
  double cost = 0;        // quantities.cost: the cost the user sees is the one compared
  CheckValues values;
  float eccentricity = 0;  // of the service analysis, for the resultant rule
  std::optional<bool> globalPassed;  // when the global check was made

  [[nodiscard]] bool Failed(CheckId c) const { return (failed >> static_cast<int>(c)) & 1u; }
  // Feasible apart from the global stability.
  [[nodiscard]] bool PassesAnalysis() const { return buildable && failed == 0 && designRun; }
  [[nodiscard]] int FailureCount() const;
};

// The cost of the outline alone for the dimensions applied to the project: the cost of the
// same wall with its main steel is never below it, rounding included. Empty when the wall is
// not buildable.
[[nodiscard]] std::optional<double> OutlineCostOf(const ProjectData& base, const WallDimensions& dims);

// Applies the dimensions to a copy of the project and runs the service checks and, when all of
// them pass, the concrete design with the bars the program chooses. Safe to call from several
// threads on the same base project.
[[nodiscard]] CandidateEvaluation EvaluateCandidate(const ProjectData& base, const WallDimensions& dims,
                                                    const ActiveTargets& targets);

// The global stability factor of the wall, on `threads` threads (0 all). Empty when no slip
// circle could be found.
[[nodiscard]] std::optional<float> GlobalFactorOf(const ProjectData& base, const WallDimensions& dims,
                                                  unsigned threads);

// The check with the least margin (value/target) among those with a value, for tables.
[[nodiscard]] CheckId GoverningCheck(const CandidateEvaluation& evaluation, const ActiveTargets& targets);

// The target a check's value is compared with (1 for the resultant).
[[nodiscard]] double TargetOf(CheckId check, const ActiveTargets& targets);

}  // namespace kelvadrome
