// SPDX-License-Identifier: GPL-3.0-or-later
// Coulomb's and Mononobe-Okabe's earth pressure coefficient for a soil face inclined from the
// vertical, shared by the stem's internal forces and the soil-pressure calculator.
#pragma once

#include <optional>

namespace kelvadrome {

enum class EarthState { active, passive };

// Angles in radians: phi internal friction, beta surface slope, delta wall friction, theta face
// inclination from the vertical, psi seismic angle atan(kh) (0 for the static coefficient).
// The passive coefficient reverses the sign before the root. Empty when the root's argument is
// negative or the coefficient is not a finite number.
[[nodiscard]] std::optional<double> InclinedFaceEarthCoefficient(EarthState state, double phi, double beta,
                                                                 double delta, double theta, double psi);

}  // namespace kelvadrome
