// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic helpers of the engine: storing a result in single precision, and the divisions and
// square roots where a fault is possible. C++ does not trap on floating-point faults, so these
// are the places that turn one into an EngineError with a clear text instead of a NaN.
#pragma once

#include <cmath>
#include <string>

#include "engine/EngineError.h"

namespace kelvadrome {

// Degrees to radians, as the factor atan(1)/45.
inline constexpr double kRadiansPerDegree = 0.017453292519943295;
[[nodiscard]] inline double Radians(double degrees) { return degrees * kRadiansPerDegree; }

// Rounds a result to single precision where it is stored; an overflow or an invalid operation
// ends the computation.
[[nodiscard]] inline float Single(double value) {
  const auto stored = static_cast<float>(value);
  if (!std::isfinite(stored)) {
    throw EngineError(std::isnan(value) ? "Invalid floating-point operation in the wall analysis."
                                        : "Overflow: a result of the wall analysis is too large.");
  }
  return stored;
}

// numerator / denominator; a zero denominator ends the computation with a text naming `what`.
[[nodiscard]] inline double Quotient(double numerator, double denominator, const char* what) {
  if (denominator == 0) throw EngineError(std::string("Division by zero: ") + what);
  return numerator / denominator;
}

// Square root; a negative radicand (or NaN) ends the computation with a text naming `what`.
[[nodiscard]] inline double SquareRoot(double radicand, const char* what) {
  if (!(radicand >= 0)) {
    throw EngineError(std::string("Square root of a negative number: ") + what);
  }
  return std::sqrt(radicand);
}

}  // namespace kelvadrome
