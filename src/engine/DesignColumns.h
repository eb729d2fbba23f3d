// SPDX-License-Identifier: GPL-3.0-or-later
// The section design of the six design columns: the two faces of the stem, toe and heel.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Fills the two columns of a section from its envelopes, sets their heights, designs each
// (bars, capacity, required steel, crack control) and then the section's shear capacity.
void DesignSectionColumns(ProjectData& project, const AnalysisResults& results, DesignResults& design,
                          int section);

// Re-runs the capacity, provided area, crack control and the section's shear capacity of one
// column with the bars stored in the project. The required area does not depend on the bars
// and is left as it is.
void RecomputeDesignColumn(const ProjectData& project, DesignResults& design, int column);

// The user's bars for one column (diameter and pitch in cm for Metric and SI, in for British,
// both > 0): stores them, recomputes the column and marks the reinforcement as the user's.
void SetColumnBars(ProjectData& project, DesignResults& design, int column, float diameter, float pitch);

}  // namespace kelvadrome
