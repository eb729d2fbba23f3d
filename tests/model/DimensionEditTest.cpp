// SPDX-License-Identifier: GPL-3.0-or-later
// Dimension edits by label: the order in which the base width and the heights are fitted, and
// the refusals. The rules every edit keeps are checked after random edits in
// DimensionEditRandomTest.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "ModelTesting.h"
#include "model/DimensionEdit.h"

using namespace kelvadrome;
using test::DefaultProject;

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
  ProjectData p = DefaultProject();  // 2 + 0.5 + 0.83 + 0.5 + 3.37
  ASSERT_TRUE(ApplyDimensionEdit(p, 5, 6.2));
  EXPECT_FLOAT_EQ(p.toeLength, 1.0f);
  EXPECT_EQ(p.heelLength, 3.37f);

  ASSERT_TRUE(ApplyDimensionEdit(p, 5, 2.0));  // takes the toe, then the heel
  EXPECT_EQ(p.toeLength, 0.0f);
  EXPECT_FLOAT_EQ(p.heelLength, 0.17f);
  EXPECT_EQ(p.stemTopWidth, 0.83f);

  // Below the sum of the batters and the stem top: the stem top, then the front batter give way.
  ASSERT_TRUE(ApplyDimensionEdit(p, 5, 1.2));
  EXPECT_EQ(p.heelLength, 0.0f);
  EXPECT_FLOAT_EQ(p.stemTopWidth, 0.2f);
  ASSERT_TRUE(ApplyDimensionEdit(p, 5, 0.7));
  EXPECT_EQ(p.stemTopWidth, 0.0f);
  EXPECT_FLOAT_EQ(p.stemFrontBatter, 0.2f);
  EXPECT_EQ(p.stemBackBatter, 0.5f);
  ASSERT_TRUE(ApplyDimensionEdit(p, 5, 0.3));
  EXPECT_EQ(p.stemFrontBatter, 0.0f);
  EXPECT_EQ(p.stemBackBatter, 0.3f);
  EXPECT_EQ(p.baseWidth, 0.3f);
}

TEST(DimensionEdit, StemHeightsAreAtLeastHalfAUnit) {
  ProjectData p = DefaultProject();
  ASSERT_TRUE(ApplyDimensionEdit(p, 6, 0.2));
  EXPECT_EQ(p.stemFrontHeight, 0.5f);
  EXPECT_FLOAT_EQ(p.stemBackHeight, 0.23f);  // 0.5 + 1 + 1 - 1 - 1.27
  ASSERT_TRUE(ApplyDimensionEdit(p, 9, 0.2));
  EXPECT_EQ(p.stemBackHeight, 0.5f);
  EXPECT_FLOAT_EQ(p.stemFrontHeight, 0.77f);
}

TEST(DimensionEdit, ToeThicknessLengthensTheBackStemUntilTheBackSideGivesWay) {
  ProjectData p = DefaultProject();
  ASSERT_TRUE(ApplyDimensionEdit(p, 8, 1.5));
  EXPECT_FLOAT_EQ(p.stemBackHeight, 8.23f);

  // A smaller front total than the heel's thickness: the back stem and then the heel edge go to
  // zero and the heel taper takes the whole height.
  ASSERT_TRUE(ApplyDimensionEdit(p, 6, 0.5));
  ASSERT_TRUE(ApplyDimensionEdit(p, 7, 0.0));
  ASSERT_TRUE(ApplyDimensionEdit(p, 8, 0.0));
  EXPECT_EQ(p.stemBackHeight, 0.0f);
  EXPECT_EQ(p.heelEdgeThickness, 0.0f);
  EXPECT_EQ(p.heelTaper, 0.5f);

  ProjectData q = DefaultProject();
  q.heelTaper = 1.0f;
  ASSERT_TRUE(ApplyDimensionEdit(q, 6, 0.5));  // front total 2.5, back needs 2.27 without stem
  EXPECT_FLOAT_EQ(q.stemBackHeight, 0.23f);
  ASSERT_TRUE(ApplyDimensionEdit(q, 8, 0.0));  // front total 1.5
  EXPECT_EQ(q.stemBackHeight, 0.0f);
  EXPECT_FLOAT_EQ(q.heelEdgeThickness, 0.5f);
  EXPECT_EQ(q.heelTaper, 1.0f);
}

TEST(DimensionEdit, HeelThicknessFitsTheFrontSide) {
  ProjectData p = DefaultProject();
  ASSERT_TRUE(ApplyDimensionEdit(p, 11, 2.27));
  EXPECT_FLOAT_EQ(p.stemFrontHeight, 9.0f);
  ASSERT_TRUE(ApplyDimensionEdit(p, 9, 0.5));
  ASSERT_TRUE(ApplyDimensionEdit(p, 10, 0.0));
  ASSERT_TRUE(ApplyDimensionEdit(p, 11, 0.0));  // back total 0.5 < toe taper + thickness
  EXPECT_EQ(p.stemFrontHeight, 0.0f);
  EXPECT_EQ(p.toeEdgeThickness, 0.0f);
  EXPECT_EQ(p.toeTaper, 0.5f);
}
