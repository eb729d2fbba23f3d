// SPDX-License-Identifier: GPL-3.0-or-later
// The section design against a hand calculation of a rectangular section.
#include <gtest/gtest.h>

#include "engine/SectionDesign.h"

namespace kelvadrome {
namespace {

constexpr double kQuarterPi = 0.78539816339744830962;

SectionMaterials Metric() {
  ProjectData p;
  SetDefaults(p);  // f'c 300 kg/cm², fy 3000 kg/cm², cover 5 cm
  return MakeSectionMaterials(p);
}

TEST(SectionDesign, CapacityOfSinglyReinforcedSectionMatchesHandCalculation) {
  const SectionMaterials m = Metric();
  // 16 mm bars at 20 cm in a 50 cm slab: d = 50 - 5 - 0.8.
  const double d = 44.2, as = kQuarterPi * 1.6 * 1.6 * 100 / 20;
  const double a = as * 3000 / (0.85 * 300 * 100);
  const double expected = 0.9 * as * 3000 * (d - a / 2);
  const SectionCapacityResult r = SectionCapacity(m, 50, 1.6f, 20, 0, 0);
  ASSERT_TRUE(r.momentCapacity.has_value());
  EXPECT_NEAR(*r.momentCapacity, expected, expected * 1e-6);
  ASSERT_TRUE(r.ratio.has_value());
  EXPECT_NEAR(*r.ratio, as / (100 * d), 1e-8);
  EXPECT_FLOAT_EQ(r.balancedRatio, static_cast<float>(BalancedRatio(m)));
}

}  // namespace
}  // namespace kelvadrome
