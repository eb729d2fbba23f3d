// SPDX-License-Identifier: GPL-3.0-or-later
// The stability analysis: base pressures at the middle-third limit, every case of partial
// contact, and a resultant on or beyond the base edges.
#include <gtest/gtest.h>

#include <cmath>

#include "ServiceTestSupport.h"
#include "engine/EngineError.h"
#include "engine/Stability.h"

namespace kelvadrome {
namespace {

using test::AddLineLoad;
using test::Analyse;
using test::DefaultProject;
using test::WeightlessWall;

// Σ F·x of the base reactions must give the same moment about the toe edge as the loads, and
// their sum the same vertical force; about the heel edge likewise.
void ExpectBaseReactionBalancesTheLoads(const StabilityResults& s) {
  double force = 0, momentToe = 0, momentHeel = 0;
  for (size_t i = 1; i <= 3; ++i) {
    force += s.baseSegmentForce[i];
    momentToe += double(s.baseSegmentForce[i]) * s.baseSegmentX[i];
    momentHeel += double(s.baseSegmentForce[i]) * (s.baseWidthUsed - s.baseSegmentX[i]);
  }
  const double tolerance = 1e-5 * std::fabs(s.sumVertical) * s.baseWidthUsed;
  EXPECT_NEAR(force, s.sumVertical, tolerance / s.baseWidthUsed);
  EXPECT_NEAR(momentToe, s.sumMoment, tolerance);
  EXPECT_NEAR(momentHeel, double(s.sumVertical) * s.baseWidthUsed - s.sumMoment, tolerance);
}

TEST(Stability, EccentricityOfExactlyASixthKeepsFullContact) {
  ProjectData p = WeightlessWall();
  AddLineLoad(p, 12, 2.0f, 0, 180);  // x̄ = B/3, e = -B/6
  const StabilityResults s = Analyse(p).stability;
  EXPECT_FLOAT_EQ(s.eccentricity, -1.0f);
  EXPECT_EQ(s.heelPressure, 0.0f);
  EXPECT_FLOAT_EQ(s.toePressure, 4.0f);
  EXPECT_FLOAT_EQ(s.contactWidth, 6.0f);
  EXPECT_FLOAT_EQ(s.basePressure[1], 4.0f * 5 / 6);
  ExpectBaseReactionBalancesTheLoads(s);
}

// Each of the six partial-contact cases, with the wall proportioned so that the contact width
// ends in the toe, the stem or the heel.
TEST(Stability, PartialContactReactionBalancesTheLoad) {
  struct Case {
    float toe, heel;  // stem 0.5 + 1 + 0.5: base = toe + 2 + heel
    float x;          // where the vertical load stands
    float contact;    // expected contact width
    bool heelLifts;   // else the toe lifts
  };
  for (const Case c : {Case{2, 3, 0.5f, 1.5f, true}, {2, 5, 1.0f, 3.0f, true}, {1, 5, 1.2f, 3.6f, true},
                       {2, 3, 6.5f, 1.5f, false}, {5, 2, 8.0f, 3.0f, false}, {5, 1, 6.8f, 3.6f, false}}) {
    SCOPED_TRACE(testing::Message() << "load at " << c.x << " on a base of toe " << c.toe << ", heel " << c.heel);
    ProjectData p = WeightlessWall();
    p.toeLength = c.toe;
    p.heelLength = c.heel;
    p.baseWidth = c.toe + 2.0f + c.heel;
    AddLineLoad(p, 9, c.x, 0, 180);
    const StabilityResults s = Analyse(p).stability;
    ASSERT_TRUE(s.wallStable);
    EXPECT_NEAR(s.contactWidth, c.contact, 1e-5);
    EXPECT_EQ(c.heelLifts ? s.heelPressure : s.toePressure, 0.0f);
    const double peak = c.heelLifts ? s.toePressure : s.heelPressure;
    EXPECT_NEAR(peak, 2 * 9 / c.contact, 1e-5);
    // Every ordinate lies on the triangle: linear from the loaded edge to zero at the contact end.
    const double B = p.baseWidth;
    const double xs[] = {0, p.toeLength, p.toeLength + 2.0, B};
    for (size_t i = 0; i < 4; ++i) {
      const double fromEdge = c.heelLifts ? xs[i] : B - xs[i];
      const double expected = fromEdge >= c.contact ? 0 : peak * (1 - fromEdge / c.contact);
      EXPECT_NEAR(s.basePressure[i], expected, 1e-5) << "ordinate " << i;
    }
    ExpectBaseReactionBalancesTheLoads(s);
  }
}

// A resultant exactly on an edge leaves no width of contact: not stable, no division by zero.
TEST(Stability, ResultantOnAnEdgeIsNotStableAndNoLoadIsAFault) {
  for (const float x : {0.0f, 6.0f}) {
    ProjectData p = WeightlessWall();
    AddLineLoad(p, 10, x, 0, 180);
    const StabilityResults s = Analyse(p).stability;
    EXPECT_FALSE(s.wallStable) << x;
    EXPECT_FLOAT_EQ(s.resultantX, x);
  }
  ProjectData empty = WeightlessWall();  // nothing on the base at all is a fault
  EXPECT_THROW((void)Analyse(empty), EngineError);
}

}  // namespace
}  // namespace kelvadrome
