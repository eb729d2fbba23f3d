// SPDX-License-Identifier: GPL-3.0-or-later
// One slip circle through the section: whether it is admissible, its slices, and its safety
// factor by Bishop's simplified method.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "engine/SlipSection.h"

namespace kelvadrome {

inline constexpr int kSliceCount = 50;

struct SlipCircle {
  double centreX = 0;
  double centreY = 0;  // y downward like every depth: a centre above the wall top is negative
  double radius = 0;
};

// Why a circle is not admissible; none for one that is.
enum class CircleRefusal {
  none,
  cutsConcrete,       // a concrete outline (or shear key) point is not strictly inside
  noExit,             // the arc does not leave through the toe-earth surface in front of the toe
  noEntry,            // the arc does not meet the backfill surface behind the heel
  nothingDrives,      // the driving sum is zero or negative
  notConverged,       // Bishop's iteration does not settle
  steepSlice,         // a slice's m is below 0.2 at the converged factor
};

// The text `circle` prints for a refusal ("" for none).
[[nodiscard]] const char* CircleRefusalText(CircleRefusal refusal);

// One slice, taken on its middle vertical.
struct Slice {
  double x = 0;       // middle
  double width = 0;
  double weight = 0;       // W: everything that bears vertically on the slice base
  double massWeight = 0;   // Wm: its soil and concrete only
  double massDepth = 0;    // yg: depth of the mass centroid
  double baseDepth = 0;    // the arc at x
  double sinAlpha = 0;
  double cosAlpha = 0;
  double porePressure = 0;  // u at the base
  double cohesion = 0;      // c of the soil at the base, pressure unit
  double frictionDegrees = 0;
  double tanFriction = 0;
};

// Where the arc leaves the ground in front of the toe (exit) and enters it behind the heel;
// either is empty when the arc does not reach that surface as required.
struct CircleEnds {
  std::optional<double> exitX;
  std::optional<double> entryX;
};

[[nodiscard]] bool HoldsConcrete(const SlipSection& section, const SlipCircle& circle);
[[nodiscard]] CircleEnds FindCircleEnds(const SlipSection& section, const SlipCircle& circle);

// Fills slices (any count, of equal width) between exitX and entryX. The circle's ends must have
// been found.
void BuildSlices(const SlipSection& section, const SlipCircle& circle, double exitX, double entryX,
                 std::span<Slice> slices);

// The driving sum: Σ W·sin α + the seismic, line-load and front-water moments about the centre,
// divided by R.
[[nodiscard]] double DrivingSum(const SlipSection& section, const SlipCircle& circle,
                                std::span<const Slice> slices, double exitX, double entryX);

struct CircleResult {
  CircleRefusal refusal = CircleRefusal::none;
  double safetyFactor = 0;  // only when admissible
  CircleEnds ends;
  // True when the circle met every geometric rule (whatever its forces did).
  [[nodiscard]] bool Geometric() const {
    return refusal != CircleRefusal::cutsConcrete && refusal != CircleRefusal::noExit &&
           refusal != CircleRefusal::noEntry;
  }
  [[nodiscard]] bool Admissible() const { return refusal == CircleRefusal::none; }
};

// The whole evaluation with 50 slices, without allocating. slicesOut, when given, receives them
// (left as they are for a circle refused on its geometry).
CircleResult EvaluateCircle(const SlipSection& section, const SlipCircle& circle,
                            std::array<Slice, kSliceCount>* slicesOut = nullptr);

}  // namespace kelvadrome
