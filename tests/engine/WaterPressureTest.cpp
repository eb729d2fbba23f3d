// SPDX-License-Identifier: GPL-3.0-or-later
// Hydrostatic water pressure: ordinates, the start points chosen by the water cases, the mend
// of the toe edge face, and equilibrium of the uplift.
#include <gtest/gtest.h>

#include "ServiceTestSupport.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"
#include "engine/WaterPressure.h"

namespace kelvadrome {
namespace {

using test::DefaultProject;

PressureResults Water(const ProjectData& p) {
  AnalysisResults r;
  SetServiceLoadFactors(r);
  ComputeWallOutline(p, r);
  ComputeWaterPressure(p, r);
  return r.pressure;
}

TEST(WaterPressure, DefaultWall) {
  const PressureResults s = Water(DefaultProject());
  // Back water at 1.5: stem foot 7.73, heel edge top 8.73, base 10. Front water at 5: 8, 9, 10.
  // Ordinates 7 .. 10 repeat those of the stem and toe edge faces they continue.
  const float expected[13] = {0, 6.23f, 7.23f, 8.5f, 3.0f, 4.0f, 5.0f, 6.23f, 0, 0, 4.0f, 5.0f, 8.5f};
  for (const size_t j : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 10u, 11u, 12u}) EXPECT_FLOAT_EQ(s.waterPressure[j], expected[j]) << j;
  EXPECT_FLOAT_EQ(s.maxWaterPressure, 8.5f);

  // The horizontal forces on each side add up to the hydrostatic triangle over the wetted
  // height, since the faces follow each other without gap down to the base.
  EXPECT_NEAR(s.waterForce[1] + s.waterForce[2] + s.waterForce[3], 8.5 * 8.5 / 2, 1e-4);
  EXPECT_NEAR(s.waterForce[4] + s.waterForce[5] + s.waterForce[6], 5.0 * 5.0 / 2, 1e-4);
  EXPECT_FLOAT_EQ(s.waterForceDepth[1], 1.5f + 6.23f * 2 / 3);
  // Uplift: a trapezoid 5 .. 8.5 over the base width 7.2.
  EXPECT_NEAR(s.waterForce[11], 7.2 * (5.0 + 8.5) / 2, 1e-4);
  EXPECT_NEAR(s.waterForceX[11], 7.2 * (5.0 + 2 * 8.5) / (3 * (5.0 + 8.5)), 1e-5);
}

TEST(WaterPressure, NoWaterOnEitherSide) {
  ProjectData p = DefaultProject();
  p.waterDepthFront = p.waterDepthBack = 10.0f;
  const PressureResults s = Water(p);
  for (size_t j = 1; j <= 12; ++j) EXPECT_EQ(s.waterPressure[j], 0.0f) << j;
  for (size_t j = 1; j <= 11; ++j) EXPECT_EQ(s.waterForce[j], 0.0f) << j;
  EXPECT_EQ(s.maxWaterPressure, 0.0f);
  // The zero force on a face sits where its wetted part would begin.
  EXPECT_FLOAT_EQ(s.waterForceDepth[3], 10.0f);
  EXPECT_FLOAT_EQ(s.waterForceDepth[6], 10.0f);
}

TEST(WaterPressure, WaterAtTheWallTop) {
  ProjectData p = DefaultProject();
  p.waterDepthBack = 0;
  const PressureResults s = Water(p);
  EXPECT_FLOAT_EQ(s.waterPressure[3], 10.0f);
  EXPECT_NEAR(s.waterForce[1], 7.73 * 7.73 / 2, 1e-4);
  EXPECT_FLOAT_EQ(s.waterForceDepth[1], 7.73f * 2 / 3);
  // The whole back batter carries water: the load grows from 0 at the stem top edge.
  EXPECT_NEAR(s.waterForce[7], 0.5 * 7.73 / 2, 1e-5);
  EXPECT_FLOAT_EQ(s.waterForceX[7], 3.33f + 0.5f * 2 / 3);
}

TEST(WaterPressure, BackWaterOnTheSlopingHeelTop) {
  ProjectData p = DefaultProject();
  p.waterDepthBack = 8.23f;  // half-way down the heel top
  const PressureResults s = Water(p);
  EXPECT_EQ(s.waterForce[1], 0.0f);
  EXPECT_EQ(s.waterPressure[7], 0.0f);
  EXPECT_NEAR(s.waterForce[2], 0.5 * 0.5 / 2, 1e-5);  // from the water table to the heel edge top
  EXPECT_NEAR(s.waterForceDepth[2], 8.23 + 0.5 * 2 / 3, 1e-5);
  EXPECT_NEAR(s.waterForce[8], 3.37 / 2 * 0.5 / 2, 1e-5);  // the wet half of the heel top
}

// The toe edge face is wet only below the front water table.
TEST(WaterPressure, FrontWaterBelowTheToeEdgeTop) {
  ProjectData p = DefaultProject();
  p.waterDepthFront = 9.4f;
  const PressureResults s = Water(p);
  EXPECT_EQ(s.waterPressure[5], 0.0f);
  EXPECT_NEAR(s.waterPressure[6], 0.6, 1e-6);
  EXPECT_NEAR(s.waterForce[6], 0.6 * 0.6 / 2, 1e-6);
  EXPECT_NEAR(s.waterForceDepth[6], 9.4 + 0.6 * 2 / 3, 1e-5);
  EXPECT_EQ(s.waterForce[5], 0.0f);
  EXPECT_EQ(s.waterForce[10], 0.0f);
}

}  // namespace
}  // namespace kelvadrome
