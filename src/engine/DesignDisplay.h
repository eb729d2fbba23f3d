// SPDX-License-Identifier: GPL-3.0-or-later
// How the stored design values are shown: section lengths in mm for SI (stored in cm), areas in
// mm² for SI, bar diameters and pitches in mm for Metric and SI (stored in cm); British values
// are shown as stored (in, in²). Shared by the reinforcement window, the report and the
// command line.
#pragma once

#include <cstdint>

#include "model/ProjectData.h"

namespace kelvadrome {

[[nodiscard]] inline double DisplaySectionLength(float stored, UnitSystem unitSystem) {
  return unitSystem == kSI ? double(stored) * 10 : double(stored);
}

[[nodiscard]] inline double DisplaySectionArea(float stored, UnitSystem unitSystem) {
  return unitSystem == kSI ? double(stored) * 100 : double(stored);
}

[[nodiscard]] inline double DisplayBarSize(float stored, UnitSystem unitSystem) {
  return unitSystem == kBritish ? double(stored) : double(stored) * 10;
}

// A diameter or pitch entered as shown (mm, or in for British) into its stored unit.
[[nodiscard]] inline float StoredBarSize(double entered, UnitSystem unitSystem) {
  return static_cast<float>(unitSystem == kBritish ? entered : entered / 10);
}

}  // namespace kelvadrome
