// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's two entry points. Each takes the project as it stands and hands back everything
// the run found: the results, the messages in the order they were raised, the slope a rule
// flattened and the fault that stopped the run. Neither changes anything outside its own return
// value, so both may run on several threads at once. Applying what a run found (the flattened
// slope, the chosen bars) to a project is the caller's decision.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>  // std::move, for WithFindings
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// The service analysis: all load factors 1, the outline, the stability and the bearing
// resistance. When a slope rule flattens the backfill slope the run goes on with the flattened
// slope (the outline keeps the project's own) and adjustedSlope holds it.
struct ServiceAnalysis {
  AnalysisResults results;              // everything the run computed (up to a fault)
  std::vector<std::string> messages;    // engine warnings, in the order raised
  std::optional<float> adjustedSlope;   // the flattened backfill slope when a rule fired
  std::optional<std::string> fault;     // EngineError's text when the run stopped early

  bool operator==(const ServiceAnalysis&) const = default;
};

[[nodiscard]] ServiceAnalysis AnalyseService(const ProjectData& project);

// What a design run needs beyond the project.
struct DesignRequest {
  // The previous run's design: a run that stops at a case that is not stable keeps its
  // envelopes and columns (as the reinforcement window and the report show them). Without one,
  // those start from zero. Read during the call only.
  const DesignResults* previous = nullptr;
};

// The concrete design: the twelve analysis cases, the envelopes and the six columns. It starts
// from the bars stored in the project (the toe's shear section depends on the toe's bar) and,
// unless project.userReinforcement is set, chooses new ones; when the toe's bar changes, the
// cases run once more with it.
struct DesignRun {
  AnalysisResults results;  // the last case analysed: the service case after a complete run
  DesignResults design;
  std::vector<std::string> messages;
  std::optional<float> adjustedSlope;  // when a case flattened the backfill slope
  std::optional<std::string> fault;
  // the bars the design used: chosen, or the user's when userReinforcement is set
  std::array<float, kDesignColumnCount + 1> barDiameters{}, barPitches{};

  bool operator==(const DesignRun&) const = default;
};

[[nodiscard]] DesignRun RunDesign(const ProjectData& project, const DesignRequest& request = {});

// The project as the program keeps it after a run: with the slope a rule flattened and, after
// a design, the bars the design used. Pass the project by std::move where it is replaced.
[[nodiscard]] ProjectData WithFindings(ProjectData project, const ServiceAnalysis& run);
[[nodiscard]] ProjectData WithFindings(ProjectData project, const DesignRun& run);

}  // namespace kelvadrome
