// SPDX-License-Identifier: GPL-3.0-or-later
// SetDefaults: what it keeps of the previous project and which switches it resets.
#include <gtest/gtest.h>

#include "model/ProjectData.h"

using namespace kelvadrome;

// Every default value is checked byte for byte by the default project file's layout test.
TEST(SetDefaults, KeepsLineLoadEntriesAndBarsButResetsTheirSwitches) {
  ProjectData p;
  p.lineLoads[1].load = 7;
  p.barDiameters[2] = 1.6f;
  p.userReinforcement = true;
  p.lineLoadCount = 1;
  p.savedSeismicCoefficient = 0.3f;
  p.keptExtensionItems = {{30, {1}}};
  SetDefaults(p);
  EXPECT_EQ(p.lineLoadCount, 0);
  EXPECT_EQ(p.lineLoads[1].load, 7);
  EXPECT_EQ(p.barDiameters[2], 1.6f);
  EXPECT_FALSE(p.userReinforcement);
  EXPECT_EQ(p.savedSeismicCoefficient, 0.3f);
  EXPECT_TRUE(p.keptExtensionItems.empty());  // New starts without another version's items
}
