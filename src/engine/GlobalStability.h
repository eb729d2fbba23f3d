// SPDX-License-Identifier: GPL-3.0-or-later
// Global stability: the critical slip circle under the wall by Bishop's simplified method, found
// by a grid of centres and radii refined around its best circle.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/SlipSection.h"
#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr float kNothingDrives = 1e10f;  // the factor when no circle has anything driving it

struct GlobalStabilityResults {
  enum class Status {
    notComputed,  // the wall is not stable on its base: nothing to show
    noCircle,     // no admissible circle: "N/A"
    nothingDrives,  // no admissible circle, but some met the geometry with nothing driving: 1E10
    found,
  };
  Status status = Status::notComputed;
  float safetyFactor = 0;  // found: the minimum; nothingDrives: 1E10
  // The critical circle (found only): centre, radius, where it leaves the toe earth and where
  // it enters the backfill.
  float centreX = 0;
  float centreY = 0;
  float radius = 0;
  float exitX = 0;
  float exitY = 0;  // the toe-earth level
  float entryX = 0;
  float entryY = 0;  // the backfill surface there
  int circlesTried = 0;       // base grid and refinement
  int circlesAdmissible = 0;

  [[nodiscard]] bool Computed() const { return status != Status::notComputed; }
  [[nodiscard]] bool HasFactor() const {
    return status == Status::found || status == Status::nothingDrives;
  }
  [[nodiscard]] bool HasCircle() const { return status == Status::found; }
  bool operator==(const GlobalStabilityResults&) const = default;
};

// The search on a built section. threads 0 uses every hardware thread; the result does not
// depend on the count. refine false stops after the base grid (for measurements).
[[nodiscard]] GlobalStabilityResults SearchCriticalCircle(const SlipSection& section,
                                                          unsigned threads = 0, bool refine = true);

// The search for a project after its service analysis (AnalyseService): notComputed when
// that analysis found the wall not stable.
[[nodiscard]] GlobalStabilityResults ComputeGlobalStability(const ProjectData& project,
                                                            const AnalysisResults& service,
                                                            unsigned threads = 0);

}  // namespace kelvadrome
