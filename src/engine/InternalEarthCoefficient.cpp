// SPDX-License-Identifier: GPL-3.0-or-later
// Earth pressure coefficients for an inclined face.
#include "engine/InternalEarthCoefficient.h"

#include <cmath>

namespace kelvadrome {

std::optional<double> InclinedFaceEarthCoefficient(EarthState state, double phi, double beta, double delta,
                                                   double theta, double psi) {
  const double rootArgument = std::sin(phi + delta) * std::sin(phi - psi - beta) /
                              (std::cos(delta + theta + psi) * std::cos(theta - beta));
  if (!(rootArgument >= 0)) return std::nullopt;
  const double root = std::sqrt(rootArgument);
  const double bracket = state == EarthState::active ? 1 + root : 1 - root;
  const double cosTheta = std::cos(theta);
  const double numerator = std::pow(std::cos(phi - psi - theta), 2);
  const double denominator =
      cosTheta * cosTheta * std::cos(psi) * std::cos(delta + theta + psi) * bracket * bracket;
  const double k = numerator / denominator;
  if (!std::isfinite(k)) return std::nullopt;
  return k;
}

}  // namespace kelvadrome
