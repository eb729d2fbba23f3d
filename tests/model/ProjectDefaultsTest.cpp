// SetDefaults: the derived dimensions and the zero-toe and zero-heel rules.
#include <gtest/gtest.h>

#include "model/ProjectData.h"

using namespace kelvadrome;

TEST(SetDefaults, DerivedDimensionsAgreeOnBothSides) {
  ProjectData p;
  SetDefaults(p);
  EXPECT_EQ(p.baseWidth, 7.2f);
  EXPECT_EQ(p.stemBackHeight, 7.73f);
  EXPECT_EQ(p.stemFrontHeight, 8.0f);
  EXPECT_FLOAT_EQ(p.TotalHeightFront(), 10.0f);
  EXPECT_FLOAT_EQ(p.stemBackHeight + p.heelTaper + p.heelEdgeThickness, 10.0f);
}

TEST(SetDefaults, KeepsLineLoadEntriesAndBarsButResetsTheirSwitches) {
  ProjectData p;
  p.lineLoads[1].load = 7;
  p.barDiameters[2] = 1.6f;
  p.userReinforcement = kTrue;
  p.lineLoadCount = 1;
  p.savedSeismicCoefficient = 0.3f;
  SetDefaults(p);
  EXPECT_EQ(p.lineLoadCount, 0);
  EXPECT_EQ(p.lineLoads[1].load, 7);
  EXPECT_EQ(p.barDiameters[2], 1.6f);
  EXPECT_EQ(p.userReinforcement, kFalse);
  EXPECT_EQ(p.savedSeismicCoefficient, 0.3f);
}
