// SPDX-License-Identifier: GPL-3.0-or-later
// The warnings of the concrete design, shared by the reinforcement window and the report: per
// column capacity below the moment, too little or too much steel and crack control; per section
// shear capacity below the shear. A value that is not available raises no warning: the display
// already shows "N/A" for it.
#pragma once

#include "engine/DesignResults.h"

namespace kelvadrome {

struct ColumnWarnings {
  bool capacityBelowMoment = false;  // Mu < M
  bool ratioBelowMinimum = false;    // ρ < ρmin
  bool ratioAboveBalanced = false;   // ρ > 0.75 ρb
  bool crackZAboveLimit = false;     // z > zmax
};

[[nodiscard]] ColumnWarnings ColumnWarningsOf(const DesignResults& design, int column);

// Vu < V for section 1..3.
[[nodiscard]] bool ShearCapacityBelowShear(const DesignResults& design, int section);

}  // namespace kelvadrome
