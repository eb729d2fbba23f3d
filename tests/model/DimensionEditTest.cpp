// SPDX-License-Identifier: GPL-3.0-or-later
// Dimension edits by label: the order in which the base width and the heights are fitted, and
// the refusals. The rules every edit keeps are checked after random edits in
// DimensionEditRandomTest.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "ModelTesting.h"
#include "model/DimensionEdit.h"

using namespace kelvadrome;
using test::DefaultProject;
using testing::FloatEq;
using testing::Pointwise;

TEST(DimensionEdit, EveryLabelEditsItsOwnField) {
  const float ProjectData::*fields[kDimensionLabelCount] = {
      &ProjectData::toeLength,       &ProjectData::stemFrontBatter,  &ProjectData::stemTopWidth,
      &ProjectData::stemBackBatter,  &ProjectData::heelLength,       &ProjectData::baseWidth,
      &ProjectData::stemFrontHeight, &ProjectData::toeTaper,         &ProjectData::toeEdgeThickness,
      &ProjectData::stemBackHeight,  &ProjectData::heelTaper,        &ProjectData::heelEdgeThickness,
      &ProjectData::waterDepthFront, &ProjectData::waterDepthBack,   &ProjectData::backfillSlope,
      &ProjectData::shearKeyDepth};
  for (int label = 0; label < kDimensionLabelCount; ++label) {
    ProjectData p = DefaultProject();
    const float value = label == 5 ? 8.0f : 1.25f;
    ASSERT_TRUE(ApplyDimensionEdit(p, label, value)) << label;
    EXPECT_EQ(p.*fields[label], value) << label;
    EXPECT_EQ(DimensionFieldValue(p, label), value) << label;
  }
}

TEST(DimensionEdit, NegativeUnknownAndEndlessValuesAreRefused) {
  ProjectData p = DefaultProject();
  const ProjectData before = p;
  for (const double bad : {-0.01, -0.001, std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_FALSE(ApplyDimensionEdit(p, 3, bad)) << bad;  // -0.001 too, although it shows as 0
  }
  EXPECT_EQ(p, before);
  ASSERT_TRUE(ApplyDimensionEdit(p, 15, -0.0));
  EXPECT_FALSE(std::signbit(p.shearKeyDepth));
  ASSERT_TRUE(ApplyDimensionEdit(p, 4, 3e38));
  const ProjectData huge = p;
  EXPECT_FALSE(ApplyDimensionEdit(p, 0, 3e38));  // the base width would overflow
  EXPECT_EQ(p, huge);
  EXPECT_THROW((void)ApplyDimensionEdit(p, 16, 1.0), std::out_of_range);
  EXPECT_THROW((void)ApplyDimensionEdit(p, -1, 1.0), std::out_of_range);
}

TEST(DimensionEdit, BaseWidthIsFittedFromTheToeInward) {
  // Toe, front batter, stem top, back batter and heel after each new base width in turn.
  const std::pair<double, std::array<float, 5>> steps[] = {
      {6.2, {1.0f, 0.5f, 0.83f, 0.5f, 3.37f}},
      {2.0, {0, 0.5f, 0.83f, 0.5f, 0.17f}},  // takes the toe, then the heel,
      {1.2, {0, 0.5f, 0.2f, 0.5f, 0}},       // then the stem top
      {0.7, {0, 0.2f, 0, 0.5f, 0}},          // and the front batter
      {0.3, {0, 0, 0, 0.3f, 0}}};
  ProjectData p = DefaultProject();
  for (const auto& [width, parts] : steps) {
    ASSERT_TRUE(ApplyDimensionEdit(p, 5, width));
    EXPECT_THAT((std::array{p.toeLength, p.stemFrontBatter, p.stemTopWidth, p.stemBackBatter, p.heelLength}),
                Pointwise(FloatEq(), parts)) << width;
  }
}

// A height edited on one side is fitted on the other: its stem gives way first (an edited stem
// keeps at least half a unit), then its edge thickness, then its taper.
TEST(DimensionEdit, HeightsAreFittedOnTheOtherSide) {
  struct Step {
    int label;
    double value;
    std::array<float, 6> heights;  // stem, taper and edge of the front side, then of the back
  };
  const std::vector<std::vector<Step>> runs = {
      {{6, 0.2, {0.5f, 1, 1, 0.23f, 1, 1.27f}}, {9, 0.2, {0.77f, 1, 1, 0.5f, 1, 1.27f}}},
      {{8, 1.5, {8, 1, 1.5f, 8.23f, 1, 1.27f}},
       {6, 0.5, {0.5f, 1, 1.5f, 0.73f, 1, 1.27f}},
       {7, 0, {0.5f, 0, 1.5f, 0, 1, 1}},
       {8, 0, {0.5f, 0, 0, 0, 0.5f, 0}}},
      {{11, 2.27, {9, 1, 1, 7.73f, 1, 2.27f}},
       {9, 0.5, {1.77f, 1, 1, 0.5f, 1, 2.27f}},
       {10, 0, {0.77f, 1, 1, 0.5f, 0, 2.27f}},
       {11, 0, {0, 0.5f, 0, 0.5f, 0, 0}}}};
  for (const std::vector<Step>& run : runs) {
    ProjectData p = DefaultProject();
    for (const auto& [label, value, heights] : run) {
      ASSERT_TRUE(ApplyDimensionEdit(p, label, value));
      EXPECT_THAT((std::array{p.stemFrontHeight, p.toeTaper, p.toeEdgeThickness, p.stemBackHeight, p.heelTaper,
                              p.heelEdgeThickness}),
                  Pointwise(FloatEq(), heights))
          << label << " = " << value;
    }
  }
}
