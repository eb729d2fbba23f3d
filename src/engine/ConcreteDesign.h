// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design run: the twelve analysis cases, the envelopes and the six design columns.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Analyses cases 1..12 in order and stops at the first that is not stable (with the message of
// AnalyseFactoredCase, design.completed false, earlier cases kept, envelopes and columns of the
// previous run untouched). Otherwise forms the envelopes and designs the six columns, choosing
// the bars into project.barDiameters/barPitches unless project.userReinforcement is set.
// Afterwards results hold the service case, and results.slopeAdjusted tells whether any case
// flattened the backfill slope. Throws EngineError on an arithmetic fault.
void RunConcreteDesign(ProjectData& project, AnalysisResults& results, DesignResults& design,
                       MessageSink& sink);

// Envelopes of cases 1..11 and the forces of the service case for one section (exposed for tests).
void FormEnvelopes(DesignResults& design, int section);

}  // namespace kelvadrome
