// SPDX-License-Identifier: GPL-3.0-or-later
// The integration rule of the whole engine: force and position of a load that varies linearly
// between two positions (depths for lateral pressure, x for vertical pressure).
#pragma once

#include <cmath>

namespace kelvadrome {

struct Resultant {
  double force = 0;
  double position = 0;
};

// Ordinate pa at position a, pb at position b; a may lie beyond b. The force is
// |b - a|·(pa + pb)/2, placed at the centroid of the trapezoid; a zero force sits at a.
[[nodiscard]] inline Resultant TrapezoidResultant(double a, double b, double pa, double pb) {
  const double length = std::fabs(b - a);
  const double force = length * (pa + pb) / 2;
  if (force == 0) return {0, a};
  const double position =
      ((length * pa / 2) * (2 * a + b) / 3 + (length * pb / 2) * (a + 2 * b) / 3) / force;
  return {force, position};
}

}  // namespace kelvadrome
