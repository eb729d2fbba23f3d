// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design run: the twelve analysis cases, the envelopes and the six design columns.
#pragma once

#include "engine/Analysis.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// The body of RunDesign. Analyses cases 1..12 in order and stops at the first that is not stable
// (with the message of AnalyseFactoredCase, design.completed false, earlier cases kept,
// envelopes and columns as run.design held them). Otherwise forms the envelopes and designs the
// six columns, choosing the bars into run.barDiameters/barPitches (which hold the bars to start
// from) unless project.userReinforcement is set. A case that flattens the backfill slope hands
// the flattened slope on to the later cases, which draw their outline with it too; afterwards
// run.results.slopeAdjusted tells whether any case flattened it and run.adjustedSlope holds it.
// Throws EngineError on an arithmetic fault.
void RunConcreteDesign(const ProjectData& project, DesignRun& run, MessageSink& sink);

// Envelopes of cases 1..11 and the forces of the service case for one section (exposed for tests).
void FormEnvelopes(DesignResults& design, int section);

}  // namespace kelvadrome
