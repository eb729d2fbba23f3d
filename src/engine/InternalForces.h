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
// false. The project is not const because a slope rule may flatten the backfill. Throws
// EngineError on an arithmetic fault. With a settled slope the results are the same, computed
// with less repetition.
bool AnalyseFactoredCase(ProjectData& project, AnalysisResults& results, SectionForces& forces,
                         MessageSink& sink, SlopeState slope = SlopeState::open);

// x of the toe's shear section: one effective depth from the face of the stem, with the bar
// stored for the toe's "M+" column, kept between the toe edge and the face of the stem.
[[nodiscard]] double ToeShearSectionX(const ProjectData& project);

}  // namespace kelvadrome
