// SPDX-License-Identifier: GPL-3.0-or-later
// RoundTo and the conversion of a project between the three unit systems.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "ModelTesting.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

TEST(RoundTo, HalvesAwayFromZeroOnTheReadableDecimal) {
  const std::tuple<double, int, double> cases[] = {
      {2.675, 2, 2.68}, {-2.675, 2, -2.68}, {1.005, 2, 1.01}, {0.5, 0, 1.0},    {-0.5, 0, -1.0},
      {1.45, 1, 1.5},   {2.72309, 2, 2.72}, {29.43, 0, 29.0}, {1234567.891, 2, 1234567.89},
      {0.004, 2, 0.0},  {1e30, 2, 1e30}};
  for (const auto& [value, digits, expected] : cases) EXPECT_EQ(RoundTo(value, digits), expected) << value;
  EXPECT_FALSE(std::signbit(RoundTo(-0.004, 2)));
  EXPECT_TRUE(std::isnan(RoundTo(std::numeric_limits<double>::quiet_NaN(), 2)));
}

// Each step converts the project as it stands, rounded where it is stored. The steps out of
// Metric are pinned by the golden files of the SI and British defaults; these are the ways back.
TEST(ConvertUnits, ThereAndBackReproducesTheRoundingExamples) {
  ProjectData p = Converted(Converted(DefaultProject(), kSI), kMetric);
  EXPECT_EQ(p.concreteUnitWeight, 2.4f);  // from 23.54
  EXPECT_EQ(p.concreteStrength, 296.0f);  // 29 x 100 / 9.81 = 295.6
  p = Converted(Converted(p, kBritish), kMetric);
  EXPECT_EQ(p.stemTopWidth, 0.83f);   // from 2.72 ft
  EXPECT_EQ(p.concreteCover, 5.1f);   // 2.0 in is 5.08 cm
  p.stemTopWidth = 0.8333f;
  EXPECT_EQ(Converted(p, kMetric), p);  // the same system converts nothing
}

TEST(ConvertUnits, LineLoadsConvertAndAnOverflowChangesNothing) {
  ProjectData p = DefaultProject();
  p.lineLoadCount = 1;
  p.lineLoads[1] = {2.0f, 3.0f, 4.0f, 270.0f, LoadCase::impact};
  p.lineLoads[2] = {5.0f, 5.0f, 5.0f, 90.0f, LoadCase::soil};  // beyond the count: left alone
  p = Converted(p, kSI);
  EXPECT_EQ(p.lineLoads[1], (LineLoad{19.62f, 3.0f, 4.0f, 270.0f, LoadCase::impact}));
  EXPECT_EQ(p.lineLoads[2].load, 5.0f);
  p = Converted(p, kBritish);
  EXPECT_EQ(p.lineLoads[1].x, 9.84f);
  EXPECT_EQ(p.lineLoads[1].load, 1.34f);  // 19.62 / (0.454 x 9.81) / (1 / 0.3048)

  // An overflow leaves the project in its old system.
  p.lineLoads[1].load = 3.0e38f;
  const ProjectData before = p;
  p.unitSystem = kSI;
  EXPECT_THROW(ConvertUnits(p, kBritish), UnitConversionError);
  EXPECT_EQ(p, before);
}
