// SPDX-License-Identifier: GPL-3.0-or-later
// The section design of the six design columns: the two faces of the stem, toe and heel.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Bar diameters and pitches of the six columns (1..6), in cm (Metric, SI) or in (British).
struct ColumnBars {
  ColumnValues diameters{};
  ColumnValues pitches{};
};

// Fills the two columns of a section from its envelopes, sets their heights, designs each
// (capacity, required steel, crack control) with the bars in `bars` and then the section's
// shear capacity. Unless project.userReinforcement is set, the design first chooses the bars of
// both columns into `bars`.
void DesignSectionColumns(const ProjectData& project, const AnalysisResults& results, DesignResults& design,
                          ColumnBars& bars, int section);

// Re-runs the capacity, provided area, crack control and the section's shear capacity of one
// column with the bars stored in the project. The required area does not depend on the bars
// and is left as it is.
void RecomputeDesignColumn(const ProjectData& project, DesignResults& design, int column);

}  // namespace kelvadrome
