// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's runs as the windows make them: each works on its own copy of the project and
// hands back what it found (results, messages, a flattened backfill slope, the chosen bars, a
// fault), so that the document alone decides what becomes of the project.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

using BarSizes = std::array<float, kDesignColumnCount + 1>;  // 1..6

// The service analysis (all load factors 1, outline, stability).
struct ServiceFindings {
  AnalysisResults results;
  std::vector<std::string> messages;   // in the order the engine raised them
  std::optional<float> adjustedSlope;  // set when a slope rule flattened the backfill slope
  std::optional<std::string> fault;    // the run ended in this fault; results hold what was done
};
[[nodiscard]] ServiceFindings AnalyseServiceOnCopy(const ProjectData& project);

// The concrete design (the twelve cases, the envelopes and the six columns).
struct DesignFindings {
  AnalysisResults results;  // the service case, as the design leaves it
  DesignResults design;
  std::vector<std::string> messages;
  std::optional<float> adjustedSlope;
  BarSizes barDiameters{};  // the bars the design chose, or the user's
  BarSizes barPitches{};
  std::optional<std::string> fault;
};
[[nodiscard]] DesignFindings RunDesignOnCopy(const ProjectData& project);

}  // namespace kelvadrome
