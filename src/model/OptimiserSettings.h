// SPDX-License-Identifier: GPL-3.0-or-later
// The unit prices of the material quantities and the settings of the sizing optimiser that
// travel with the project: the targets every candidate wall must meet and, for each of the eight
// dimensions it may vary, whether it varies and between which bounds.
#pragma once

#include <array>

namespace kelvadrome {

// Per m³, m² and kg in Metric and SI; per ft³, ft² and lb in British. No currency.
struct UnitPrices {
  float concretePrice = 0;
  float formworkPrice = 0;
  float steelPrice = 0;
  bool operator==(const UnitPrices&) const = default;
};

// The least safety factors of one load situation.
struct TargetFactors {
  float sliding = 0;
  float overturning = 0;
  float pressure = 0;
  float bearing = 0;
  float global = 0;
  bool operator==(const TargetFactors&) const = default;
};

struct OptimiserTargets {
  TargetFactors withoutSeismic;
  TargetFactors withSeismic;
  bool resultantRule = true;  // |e| ≤ B/6 without seismic load, B/4 with it
  bool bearingCheck = true;
  bool globalCheck = false;
  bool operator==(const OptimiserTargets&) const = default;
};

// The dimensions the optimiser may vary, in the order of the file and of every list shown.
enum class OptimisedDimension : int {
  toeLength,
  heelLength,
  stemTopWidth,
  stemBackBatter,
  stemFrontBatter,
  toeEdgeThickness,
  heelEdgeThickness,
  shearKeyDepth,  // 0 is a wall without a key
};
inline constexpr int kOptimisedDimensionCount = 8;

struct OptimiserVariable {
  bool vary = false;
  float minimum = 0;  // project length unit
  float maximum = 0;
  bool operator==(const OptimiserVariable&) const = default;
};
using OptimiserVariables = std::array<OptimiserVariable, kOptimisedDimensionCount>;

}  // namespace kelvadrome
