// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli analyse end to end: the readable summary, the "bearing" object where parts are
// not available, and a fault. (The whole JSON of many walls is held by the golden-file suite.)
#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

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
  EXPECT_NE(r.out.find("\nSTABLE\nPressure SF = 2.18. Sliding SF = 0.72. Within base, 62.7%.\n"),
            std::string::npos)
      << r.out;
}

// The "bearing" object inside "service": numbers when computed, null where not available.
TEST_F(AnalyseTest, BearingObjectNullsWhatWasNotComputed) {
  const auto bearing = [this](const ProjectData& p) { return test::ParsedJson(AnalyseJson(p).out)["service"]["bearing"]; };
  ProjectData p = test::WeightlessWall();
  p.toeUnitWeight = 1.8f;
  test::AddLineLoad(p, 10, 3, 0, 180);  // centred and vertical: every inclination factor 1
  json b = bearing(p);
  EXPECT_EQ(b["iq"], 1);
  EXPECT_NEAR(b["resistance"].get<double>(), 1.8 * 18.401 * 6 + 0.5 * 2.0 * 6 * 6 * 20.093, 0.05);

  test::AddLineLoad(p, 10, 3, 1, 270);  // as much pushing towards the toe as pressing down
  b = bearing(p);
  EXPECT_TRUE(b["iq"].is_null());
  EXPECT_EQ(b["safetyFactor"], 0);
  EXPECT_NE(Run({"analyse", PathOf("wall.kvi")}).out.find("»The base has no bearing resistance under this load."),
            std::string::npos);

  p.lineLoadCount = 1;
  p.lineLoads[1].x = 6.5f;  // beyond the heel edge: not stable, nothing computed
  b = bearing(p);
  for (const char* key : {"effectiveWidth", "eccentricity", "Nq", "ultimatePressure", "safetyFactor"}) {
    EXPECT_TRUE(b.contains(key) && b[key].is_null()) << key;
  }
}

TEST_F(AnalyseTest, FaultEndsTheRunWithAnError) {
  const CliResult faulted = AnalyseJson(test::WeightlessWall());  // nothing presses on the base: ΣV = 0
  EXPECT_EQ(faulted.status, 1);
  json document = test::ParsedJson(faulted.out);
  ASSERT_TRUE(document["error"].is_string()) << faulted.out;
  EXPECT_NE(document["error"].get<std::string>().find("Division by zero"), std::string::npos) << faulted.out;
  EXPECT_EQ(document["service"]["wallOutlineX"].size(), 51u);  // what was computed remains
  const CliResult text = Run({"analyse", PathOf("wall.kvi")});
  EXPECT_EQ(text.status, 1);
  EXPECT_NE(text.err.find("Division by zero"), std::string::npos);
}

}  // namespace
