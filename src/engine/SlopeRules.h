// SPDX-License-Identifier: GPL-3.0-or-later
// The two limits on the backfill slope: steeper than the friction angle (rule 1), or than the
// friction angle less the seismic angle (rule 2). A rule that fires flattens the slope the run
// computes with (results.adjustedSlope), says so through the message sink and sets slopeAdjusted.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

enum class SlopeRule { frictionAngle, seismic };

// Checks the slope in force against `limit` (radians) and flattens it when it is steeper.
// Returns the slope angle β to compute with. Throws EngineError when the rule fires and the
// limit is not above 0, since no slope can then be flat enough (no message is raised first).
double ApplySlopeRule(const ProjectData& project, AnalysisResults& results, MessageSink& sink,
                      double limit, SlopeRule rule);

// The flattened slope: 10·cot(limit) taken up to the next whole number and divided by 10, so
// that the new slope is slightly flatter than the limit and the rule does not fire again.
[[nodiscard]] float FlattenedSlope(double limit);

}  // namespace kelvadrome
