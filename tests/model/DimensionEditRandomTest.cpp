// SPDX-License-Identifier: GPL-3.0-or-later
// Hundreds of random dimension edits: after each one the wall's dimension rules still hold.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/DimensionEdit.h"

using namespace kelvadrome;

namespace {

// Every stored value is a float sum of two-decimal values: allow a few float steps of the total.
testing::AssertionResult RulesHold(const ProjectData& p) {
  const double tolerance = 1e-5 * std::max(1.0, double(p.baseWidth) + p.TotalHeightFront());
  for (int i = 0; i < kDimensionLabelCount; ++i) {
    const float v = DimensionFieldValue(p, i);
    if (!(v >= 0)) return testing::AssertionFailure() << "label " << i << " is " << v;
  }
  const double parts =
      double(p.toeLength) + p.stemFrontBatter + p.stemTopWidth + p.stemBackBatter + p.heelLength;
  if (std::abs(parts - p.baseWidth) > tolerance)
    return testing::AssertionFailure() << "base width " << p.baseWidth << " but parts " << parts;
  const double front = double(p.stemFrontHeight) + p.toeTaper + p.toeEdgeThickness;
  const double back = double(p.stemBackHeight) + p.heelTaper + p.heelEdgeThickness;
  if (std::abs(front - back) > tolerance)
    return testing::AssertionFailure() << "front total " << front << " but back total " << back;
  if (p.waterDepthFront > front + tolerance || p.waterDepthBack > front + tolerance)
    return testing::AssertionFailure() << "water below the base";
  if (!p.waterOption &&
      (std::abs(p.waterDepthFront - front) > tolerance || std::abs(p.waterDepthBack - front) > tolerance))
    return testing::AssertionFailure() << "water depths off the base underside without water";
  if (double(p.toeTaper) + p.toeEdgeThickness == 0 && p.toeLength != 0)
    return testing::AssertionFailure() << "toe without thickness has a length";
  if (double(p.heelTaper) + p.heelEdgeThickness == 0 && p.heelLength != 0)
    return testing::AssertionFailure() << "heel without thickness has a length";
  return testing::AssertionSuccess();
}

}  // namespace

TEST(DimensionEditRandom, RulesHoldAfterEveryEdit) {
  for (const unsigned seed : {1u, 2u, 3u, 4u}) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pickLabel(0, kDimensionLabelCount - 1);
    std::uniform_real_distribution<double> pickValue(-1.0, 14.0);
    std::bernoulli_distribution smallValue(0.3);
    std::bernoulli_distribution toggleWater(0.05);

    ProjectData p;
    SetDefaults(p);
    for (int edit = 0; edit < 500; ++edit) {
      if (toggleWater(random)) {  // as the main window's water option does
        p.waterOption = !p.waterOption;
        if (!p.waterOption) p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
      }
      const int label = pickLabel(random);
      // Zeros and small values often, since they reach the fitting rules' far branches.
      double value = pickValue(random);
      if (smallValue(random)) value = std::floor(value / 7.0 * 3.0) * 0.25;
      const ProjectData before = p;
      const bool applied = ApplyDimensionEdit(p, label, value);
      if (value < 0) {
        ASSERT_FALSE(applied);
        ASSERT_EQ(p, before);
      } else {
        ASSERT_TRUE(applied) << "seed " << seed << " edit " << edit << " label " << label;
      }
      ASSERT_TRUE(RulesHold(p)) << "seed " << seed << " edit " << edit << " label " << label
                                << " value " << value;
    }
  }
}
