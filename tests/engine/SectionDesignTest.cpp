// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the section design against hand calculations of a rectangular section.
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

TEST(SectionDesign, SelectBarsChoosesTheFirstAcceptableCandidateInSearchOrder) {
  const SectionMaterials m = Metric();
  const auto accepted = [&](float h, float mu, float n, float diameter, float pitch) {
    const SectionCapacityResult r = SectionCapacity(m, h, diameter, pitch, n, n);
    return r.momentCapacity && *r.momentCapacity >= mu &&
           (*r.momentCapacity >= 4.0 / 3.0 * mu || *r.ratio >= m.minimumRatio);
  };
  for (const auto& [h, mu, n] : {std::tuple{60.0f, 5e5f, 0.0f}, std::tuple{60.0f, 2e6f, 0.0f},
                                 std::tuple{60.0f, 1e7f, 3e4f}, std::tuple{30.0f, 1.5e6f, 0.0f},
                                 std::tuple{100.0f, 2.5e7f, 1e5f}}) {
    float firstDiameter = 0, firstPitch = 0;
    for (int pitch = 20; pitch >= 6 && firstPitch == 0; --pitch)  // widest pitch first, ...
      for (int mm = 4; mm <= 32; ++mm)                            // ... then the thinnest bar
        if (accepted(h, mu, n, mm / 10.0f, float(pitch))) {
          firstDiameter = mm / 10.0f;
          firstPitch = float(pitch);
          break;
        }
    ASSERT_GT(firstPitch, 0) << "no candidate for mu " << mu;
    const BarChoice c = SelectBars(m, h, mu, n);
    EXPECT_NEAR(c.diameter, firstDiameter, 1e-5) << "mu " << mu;
    EXPECT_FLOAT_EQ(c.pitch, firstPitch) << "mu " << mu;
  }
}

}  // namespace
}  // namespace kelvadrome
