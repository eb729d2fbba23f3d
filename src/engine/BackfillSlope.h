// SPDX-License-Identifier: GPL-3.0-or-later
// The backfill slope angle, formed in one place: the outline, the pressures on the virtual back
// and the forces on the stem must all see the same backfill surface.
#pragma once

#include <cmath>

namespace kelvadrome {

// Backfill slope angle β = atan(1/n); a zero or negative n is a level backfill (older files can
// hold a negative ratio, and a backfill falling away from the wall is not a case the rules cover).
[[nodiscard]] inline double BackfillSlopeAngle(double slope) {
  return slope > 0 ? std::atan(1 / slope) : 0.0;
}

}  // namespace kelvadrome
