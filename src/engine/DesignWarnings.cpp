// SPDX-License-Identifier: GPL-3.0-or-later
// Warning conditions of the concrete design.
#include "engine/DesignWarnings.h"

namespace kelvadrome {

ColumnWarnings ColumnWarningsOf(const DesignResults& d, int c) {
  const ColumnAvailability& a = d.available[c];
  const int s = SectionOfColumn(c);
  const int first = 2 * s - 1, second = 2 * s;
  ColumnWarnings w;
  w.capacityBelowMoment = a.momentCapacity && d.colMomentCapacity[c] < d.colMoment[c];
  // Too little steel only when both faces together stay below what this face needs.
  const bool bothRatios = d.available[first].steelRatio && d.available[second].steelRatio;
  w.ratioBelowMinimum = a.steelRatio && bothRatios && a.ratioLimit && d.colSteelRatio[c] < d.minimumRatio &&
                        d.colSteelRatio[first] + d.colSteelRatio[second] < d.colRatioLimit[c];
  w.ratioAboveBalanced = a.steelRatio && d.colSteelRatio[c] > 0.75 * d.balancedRatio;
  w.crackZAboveLimit = a.crackZ && d.colCrackZ[c] > d.crackZLimit;
  return w;
}

bool ShearCapacityBelowShear(const DesignResults& d, int s) {
  return d.sectionShearCapacity[s] < d.sectionDesignShear[s];
}

}  // namespace kelvadrome
