// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator's computation: earth pressure coefficients, pressure ordinates,
// soil forces and water results of one soil layer behind an inclined wall face, for five cases.
#pragma once

#include <array>
#include <cstdint>

#include "engine/MessageSink.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Positions of the twelve input boxes; the calculator's inputs are indexed by them.
enum CalculatorInput : int {
  kCalcWetDensity = 0,
  kCalcSaturatedDensity = 1,
  kCalcWaterDensity = 2,
  kCalcFrictionAngle = 3,
  kCalcCohesion = 4,  // shown and printed only
  kCalcSoilSlope = 5,
  kCalcWallFriction = 6,
  kCalcWallInclination = 7,
  kCalcSoilDepth = 8,
  kCalcWaterDepth = 9,
  kCalcSurcharge = 10,
  kCalcSeismicCoefficient = 11,
  kCalcInputCount = 12
};

using CalculatorInputs = std::array<float, kCalcInputCount>;

// The five cases in the order of the results grid and of the printout.
enum CalculatorCase : int { kCaseA1 = 0, kCaseA2 = 1, kCaseP1 = 2, kCaseP2 = 3, kCaseR = 4 };
inline constexpr int kCalculatorCaseCount = 5;
inline constexpr std::array<const char*, kCalculatorCaseCount> kCalculatorCaseKeys{"A1", "A2", "P1", "P2",
                                                                                   "R"};

struct CalculatorCaseResult {
  bool available = true;  // false only for a seismic case whose coefficient cannot be formed
  float K = 0, pTop = 0, pWt = 0, pWt2 = 0, pBot = 0;
  float F1 = 0, z1 = 0, F2 = 0, z2 = 0, F = 0, z = 0;
};

struct CalculatorResults {
  std::array<CalculatorCaseResult, kCalculatorCaseCount> cases{};
  float waterPressure = 0;  // Pw, at the bottom of the layer
  float waterForce = 0;     // Fw
  float waterDepth = 0;     // zw, depth of the water force
  float inclination = 0;    // degrees, direction of the soil pressure
  bool slopeAdjusted = false;
  float slopeUsed = 0;  // degrees; the friction angle when the slope rule fired
};

inline constexpr const char* kCalculatorSlopeMessage =
    "The soil slope is steeper than the internal friction angle. Soil slope adjusted";

// The initial values of the twelve inputs, taken from the project as stored.
[[nodiscard]] CalculatorInputs CalculatorInitialValues(const ProjectData& project);

// Computes all five cases. A slope steeper than the friction angle is set equal to it, with a
// message. Throws EngineError when a static coefficient or a division cannot be evaluated, or a
// result does not fit in single precision.
[[nodiscard]] CalculatorResults ComputeSoilPressure(const CalculatorInputs& inputs, MessageSink& sink);

}  // namespace kelvadrome
