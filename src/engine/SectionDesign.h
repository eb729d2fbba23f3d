// SPDX-License-Identifier: GPL-3.0-or-later
// Design of one rectangular concrete section of unit strip width for a moment with its axial
// force (ultimate strength): capacity of given bars, required steel, crack control factor z and
// the automatic choice of bars. Everything is in the section units of SectionUnits.h.
// A value that cannot be computed for a degenerate section (no effective depth, no pitch, no
// height) is empty rather than an infinity or NaN.
#pragma once

#include <optional>

#include "engine/SectionUnits.h"

namespace kelvadrome {

struct SectionCapacityResult {
  std::optional<float> momentCapacity;  // about the mid-depth, where the design moment acts
  float shearCapacity = 0;
  std::optional<float> ratio;           // provided steel ratio
  float balancedRatio = 0;
};

struct RequiredSteelResult {
  std::optional<float> requiredArea;
  std::optional<float> ratioLimit;  // 4/3 of the required ratio
};

struct BarChoice {
  float diameter = 0;
  float pitch = 0;
};

// n goes with the moment, nv with the shear; compression is positive.
[[nodiscard]] SectionCapacityResult SectionCapacity(const SectionMaterials& m, float h, float diameter,
                                                    float pitch, float n, float nv);

[[nodiscard]] RequiredSteelResult RequiredSteel(const SectionMaterials& m, float h, float n, float mu);

// ns and ms are the service normal force and moment; z is in section force per length.
[[nodiscard]] std::optional<float> CrackControlZ(const SectionMaterials& m, float h, float diameter,
                                                 float pitch, float ns, float ms);

// The first candidate, from the widest pitch and the thinnest bar, whose capacity covers mu
// with either a margin of a third or at least the minimum steel ratio.
[[nodiscard]] BarChoice SelectBars(const SectionMaterials& m, float h, float mu, float n);

// Parts shared with the tests.
[[nodiscard]] double FlexureReductionFactor(const SectionMaterials& m, double h, double n);
[[nodiscard]] double BalancedRatio(const SectionMaterials& m);

}  // namespace kelvadrome
