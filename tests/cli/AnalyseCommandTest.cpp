// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli analyse end to end: the readable summary, the JSON contract's "service" part
// on walls whose results are checked by hand, and the exit statuses. (The whole JSON of many
// walls is held by the golden-file suite.)
#include <cmath>
#include <string>

#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

using nlohmann::json;

class AnalyseTest : public CliTest {
 protected:
  CliResult AnalyseJson(const ProjectData& p) {
    WriteProjectFile(p, PathOf("wall.kvi"));
    return Run({"analyse", PathOf("wall.kvi"), "--json"});
  }
};

TEST_F(AnalyseTest, DefaultWallSummary) {
  const CliResult r = Run({"analyse", "--default"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("> 7.20/6 = 1.20, < 7.20/3 = 2.40 m"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("»The sliding safety factor is less than unity."), std::string::npos);
  EXPECT_NE(r.out.find("»The global stability safety factor is less than 1.5."), std::string::npos);
  EXPECT_NE(r.out.find("\nSTABLE\nPressure SF = 2.18. Sliding SF = 0.72. Within base, 62.7%.\n"),
            std::string::npos)
      << r.out;
}

// One line load of each load case, on a wall that weighs nothing (base 6 wide):
//   case 1: 10 down at x 3         V +10              M +30
//   case 2:  2 towards the heel, 5 high   H +2        M +10
//   case 3:  1 towards the toe, 4 high    H -1        M -4
//   case 4:  4 up at x 4           V -4               M -16
//   case 5:  2 down at x 5         V +2               M +10
//   case 6:  3 at 135° at (3, 3)   V +3/√2  H +3/√2   M +9√2
//   case 7:  1 at 225° at (6, 1)   V +1/√2  H -1/√2   M +5/√2
TEST_F(AnalyseTest, LineLoadsOfEveryCase) {
  ProjectData p = test::WeightlessWall();
  test::AddLineLoad(p, 10, 3, 0, 180, LoadCase::dead);
  test::AddLineLoad(p, 2, 1, 5, 90, LoadCase::live);
  test::AddLineLoad(p, 1, 2, 4, 270, LoadCase::soil);
  test::AddLineLoad(p, 4, 4, 0, 0, LoadCase::water);
  test::AddLineLoad(p, 2, 5, 2, 180, LoadCase::structural);
  test::AddLineLoad(p, 3, 3, 3, 135, LoadCase::impact);
  test::AddLineLoad(p, 1, 6, 1, 225, LoadCase::seismic);
  const CliResult r = AnalyseJson(p);
  ASSERT_EQ(r.status, 0) << r.err;
  json service = test::ParsedJson(r.out)["service"];
  const auto Number = [&service](const char* key) { return service[key].get<double>(); };
  const double root2 = std::sqrt(2.0);
  const double V = 8 + 4 / root2, H = 1 + 2 / root2, M = 30 + 9 * root2 + 5 / root2;
  EXPECT_NEAR(Number("sumVertical"), V, 1e-5);
  EXPECT_NEAR(Number("sumHorizontal"), H, 1e-5);
  EXPECT_NEAR(Number("sumMoment"), M, 1e-4);
  EXPECT_NEAR(Number("resistingMoment"), 50 + 9 * root2 + 5 / root2, 1e-4);
  EXPECT_NEAR(Number("overturningMoment"), 20, 1e-5);
  // x̄ = 4.27 lies in the heel third: the toe lifts, contact 3(B - x̄) from the heel edge.
  const double x = M / V;
  EXPECT_NEAR(Number("contactWidth"), 3 * (6 - x), 1e-4);
  EXPECT_EQ(Number("toePressure"), 0);
  EXPECT_NEAR(Number("heelPressure"), 2 * V / (3 * (6 - x)), 1e-4);
  // The net horizontal force points to the heel: a negative sliding force and safety factor.
  EXPECT_NEAR(Number("slidingForce"), -H, 1e-5);
  EXPECT_LT(Number("slidingSafetyFactor"), 0);
}

// The "bearing" object inside "service": numbers when computed, null where not available.
TEST_F(AnalyseTest, BearingObjectNullsWhatWasNotComputed) {
  const auto bearing = [](const CliResult& r) { return test::ParsedJson(r.out)["service"]["bearing"]; };
  ProjectData p = test::WeightlessWall();
  p.toeUnitWeight = 1.8f;
  test::AddLineLoad(p, 10, 3, 0, 180);  // centred and vertical: every inclination factor 1
  CliResult r = AnalyseJson(p);
  ASSERT_EQ(r.status, 0) << r.err;
  json b = bearing(r);
  EXPECT_EQ(b["iq"], 1);
  EXPECT_EQ(b["effectiveWidth"], 6);
  EXPECT_NEAR(b["resistance"].get<double>(), 1.8 * 18.401 * 6 + 0.5 * 2.0 * 6 * 6 * 20.093, 0.05);

  test::AddLineLoad(p, 10, 3, 1, 270);  // as much pushing towards the toe as pressing down
  r = AnalyseJson(p);
  b = bearing(r);
  EXPECT_TRUE(b["iq"].is_null());
  EXPECT_TRUE(b["igamma"].is_null());
  EXPECT_EQ(b["safetyFactor"], 0);
  EXPECT_EQ(b["horizontalLoad"], 10);
  EXPECT_NE(Run({"analyse", PathOf("wall.kvi")}).out.find("»The base has no bearing resistance under this load."),
            std::string::npos);

  p.lineLoadCount = 1;
  p.lineLoads[1].x = 6.5f;  // beyond the heel edge: not stable, nothing computed
  r = AnalyseJson(p);
  b = bearing(r);
  for (const char* key : {"effectiveWidth", "eccentricity", "Nq", "ultimatePressure", "safetyFactor"}) {
    EXPECT_TRUE(b.contains(key)) << key;
    EXPECT_TRUE(b[key].is_null()) << key;
  }
}

TEST_F(AnalyseTest, FaultEndsTheRunWithAnError) {
  ProjectData p = test::WeightlessWall();  // nothing presses on the base: ΣV = 0
  const CliResult faulted = AnalyseJson(p);
  EXPECT_EQ(faulted.status, 1);
  json document = test::ParsedJson(faulted.out);
  ASSERT_TRUE(document["error"].is_string()) << faulted.out;
  EXPECT_NE(document["error"].get<std::string>().find("Division by zero"), std::string::npos) << faulted.out;
  EXPECT_NE(faulted.err.find("kelvadrome-cli analyse: "), std::string::npos);
  EXPECT_EQ(document["service"]["wallOutlineX"].size(), 51u);  // what was computed remains

  const CliResult text = Run({"analyse", PathOf("wall.kvi")});
  EXPECT_EQ(text.status, 1);
  EXPECT_NE(text.err.find("Division by zero"), std::string::npos);
}

TEST_F(AnalyseTest, UsageAndHelp) {
  EXPECT_EQ(Run({"analyse"}).status, 2);
  EXPECT_EQ(Run({"analyse", "--default", "--pdf"}).status, 2);
  EXPECT_NE(Run({"analyse", "--help"}).out.find("analyse FILE [--json]"), std::string::npos);
  EXPECT_EQ(Run({"analyse", PathOf("missing.kvi")}).status, 1);
}

}  // namespace
