// SPDX-License-Identifier: GPL-3.0-or-later
// Earth pressure on the wall: static active (Coulomb) with the surcharge, the seismic increment
// (Mononobe-Okabe) with the hydrodynamic thrust of the toe-side water (Westergaard), and the
// passive pressure of the toe earth and in front of the shear key.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr const char* kSlopeRule1Message =
    "The backfill slope is steeper than the internal friction angle of backfill. The slope is "
    "adjusted.";
inline constexpr const char* kSlopeRule2Message =
    "The backfill slope is to steep for the applied seismic coefficient. The slope is adjusted.";
inline constexpr const char* kZeroFrictionSlopeError =
    "The internal friction angle of the backfill must be greater than 0 for a sloping backfill.";
inline constexpr const char* kSeismicTooLargeError =
    "The seismic coefficient is too large for the internal friction angle of the backfill.";

// Static active coefficient, slope rule 1 (may flatten the slope in force, warn through the
// sink and set results.slopeAdjusted and results.adjustedSlope), the active diagram and its forces. Returns KA in double
// precision (results.pressure.activeCoefficient holds it rounded).
double ComputeActivePressure(const ProjectData& project, AnalysisResults& results, MessageSink& sink);

// Runs ComputeWallPolygons and ComputeActivePressure, then slope rule 2, the seismic increment
// and the hydrodynamic thrust.
void ComputeSeismicPressure(const ProjectData& project, AnalysisResults& results, MessageSink& sink);
// The same for a caller that has just computed the polygons of this outline and these factors:
// computing them again would give the same values and take a sixth of a design run.
void ComputeSeismicPressureWithPolygons(const ProjectData& project, AnalysisResults& results, MessageSink& sink);

// Passive coefficient, diagram and forces of the toe earth and, with a shear key, in front of it.
void ComputePassivePressure(const ProjectData& project, AnalysisResults& results);

}  // namespace kelvadrome
