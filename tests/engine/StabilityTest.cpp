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
  const StabilityResults s = Analyse(p).results.stability;
  EXPECT_FLOAT_EQ(s.eccentricity, -1.0f);
  EXPECT_EQ(s.heelPressure, 0.0f);
  EXPECT_FLOAT_EQ(s.toePressure, 4.0f);
  EXPECT_FLOAT_EQ(s.contactWidth, 6.0f);
  EXPECT_FLOAT_EQ(s.basePressure[1], 4.0f * 5 / 6);
  ExpectBaseReactionBalancesTheLoads(s);
}

// Each of the six partial-contact cases, with the wall proportioned so that the contact width
// ends in the toe, the stem or the heel.
struct ContactCase {
  const char* name;
  float toe, heel;  // toe and heel length; stem 0.5 + 1 + 0.5, base = toe + 2 + heel
  float x;          // where the vertical load stands
  float contact;    // expected contact width
  int lifted;       // 1: the heel lifts, 2: the toe lifts
};

class PartialContact : public testing::TestWithParam<ContactCase> {};

TEST_P(PartialContact, ReactionBalancesTheLoad) {
  const ContactCase c = GetParam();
  ProjectData p = WeightlessWall();
  p.toeLength = c.toe;
  p.heelLength = c.heel;
  p.baseWidth = c.toe + 2.0f + c.heel;
  AddLineLoad(p, 9, c.x, 0, 180);
  const StabilityResults s = Analyse(p).results.stability;
  ASSERT_TRUE(s.wallStable);
  EXPECT_NEAR(s.contactWidth, c.contact, 1e-5);
  if (c.lifted == 1) {
    EXPECT_EQ(s.heelPressure, 0.0f);
    EXPECT_NEAR(s.toePressure, 2 * 9 / c.contact, 1e-5);
    EXPECT_EQ(s.basePressure[3], 0.0f);
  } else {
    EXPECT_EQ(s.toePressure, 0.0f);
    EXPECT_NEAR(s.heelPressure, 2 * 9 / c.contact, 1e-5);
    EXPECT_EQ(s.basePressure[0], 0.0f);
  }
  // Every ordinate lies on the triangle: linear from the loaded edge to zero at the contact end.
  const double B = p.baseWidth;
  const double xs[] = {0, p.toeLength, p.toeLength + 2.0, B};
  const double peak = c.lifted == 1 ? s.toePressure : s.heelPressure;
  for (size_t i = 0; i < 4; ++i) {
    const double fromEdge = c.lifted == 1 ? xs[i] : B - xs[i];
    const double expected = fromEdge >= c.contact ? 0 : peak * (1 - fromEdge / c.contact);
    EXPECT_NEAR(s.basePressure[i], expected, 1e-5) << "ordinate " << i;
  }
  ExpectBaseReactionBalancesTheLoads(s);
}

INSTANTIATE_TEST_SUITE_P(
    SixCases, PartialContact,
    testing::Values(ContactCase{"HeelLiftsContactInToe", 2, 3, 0.5f, 1.5f, 1},
                    ContactCase{"HeelLiftsContactInStem", 2, 5, 1.0f, 3.0f, 1},
                    ContactCase{"HeelLiftsContactInHeel", 1, 5, 1.2f, 3.6f, 1},
                    ContactCase{"ToeLiftsContactInHeel", 2, 3, 6.5f, 1.5f, 2},
                    ContactCase{"ToeLiftsContactInStem", 5, 2, 8.0f, 3.0f, 2},
                    ContactCase{"ToeLiftsContactInToe", 5, 1, 6.8f, 3.6f, 2}),
    [](const testing::TestParamInfo<ContactCase>& info) { return info.param.name; });

// A resultant exactly on an edge leaves no width of contact: not stable, no division by zero.
TEST(Stability, ResultantExactlyOnAnEdgeIsNotStable) {
  for (const float x : {0.0f, 6.0f}) {
    ProjectData p = WeightlessWall();
    AddLineLoad(p, 10, x, 0, 180);
    const StabilityResults s = Analyse(p).results.stability;
    EXPECT_FALSE(s.wallStable) << x;
    EXPECT_FLOAT_EQ(s.resultantX, x);
  }
}

TEST(Stability, NothingOnTheBaseIsAFault) {
  ProjectData p = WeightlessWall();
  EXPECT_THROW((void)Analyse(p), EngineError);
}

}  // namespace
}  // namespace kelvadrome
