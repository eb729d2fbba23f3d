// SPDX-License-Identifier: GPL-3.0-or-later
// Internal forces of the wall under the load factors in force: moment, shear and normal force at
// the stem's junction with the base and at the toe and the heel at the faces of the stem.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr const char* kNotStableFactoredMessage =
    "The structure is not stable with the factored loads, concrete design cancelled.";

// Whether the backfill slope may still be flattened by the slope rules. The rules do not
// depend on the load factors: once a case of a design run has found nothing to flatten, the
// slope is settled for the later cases of that run.
enum class SlopeState { open, settled };

// Re-runs outline, polygons, pressures and stability under results.loadFactor, then fills
// forces with the contributions of every load on the free body cut off by each section. When
// the wall is not stable it warns through the sink, leaves forces as they were and returns
// false. A slope rule that fires flattens the slope of this case (results.adjustedSlope, which
// the case starts without). Throws EngineError on an arithmetic fault. With a settled slope the
// results are the same, computed with less repetition. toeBar is the bar diameter of the toe's
// "M+" column that places the toe's shear section (see ToeShearSectionX).
bool AnalyseFactoredCase(const ProjectData& project, AnalysisResults& results, SectionForces& forces,
                         MessageSink& sink, SlopeState slope, float toeBar);
// The same with the toe bar stored in the project.
bool AnalyseFactoredCase(const ProjectData& project, AnalysisResults& results, SectionForces& forces,
                         MessageSink& sink, SlopeState slope = SlopeState::open);

// x of the toe's shear section: one effective depth from the face of the stem, with the given
// bar diameter of the toe's "M+" column (by default the project's), kept between the toe edge
// and the face of the stem.
[[nodiscard]] double ToeShearSectionX(const ProjectData& project, float toeBar);
[[nodiscard]] double ToeShearSectionX(const ProjectData& project);

}  // namespace kelvadrome
