// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli circle and the "global" object of analyse --json: the one-circle diagnostic
// agrees with the search it explains, refusals say why, and a wall that is not stable still
// evaluates one circle.
#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

using nlohmann::json;
using CircleTest = CliTest;

TEST_F(CircleTest, TheSearchedCircleGivesTheSearchedFactor) {
  json global = test::ParsedJson(Run({"analyse", "--default", "--json"}).out)["service"]["global"];
  ASSERT_TRUE(global.is_object());
  const double F = global["safetyFactor"].get<double>();
  // Numbers as the command line takes them: the shortest text that reads back the same value.
  const std::string centre = global["centreX"].dump() + "," + global["centreY"].dump();
  const CliResult circle = Run({"circle", "--default", "--centre", centre, "--radius", global["radius"].dump(), "--json"});
  ASSERT_EQ(circle.status, 0) << circle.err;
  json one = test::ParsedJson(circle.out);
  EXPECT_EQ(one["admissible"], true);
  EXPECT_NEAR(one["safetyFactor"].get<double>(), F, 1e-4 * F);
  EXPECT_EQ(one["slices"].size(), 50u);
}

TEST_F(CircleTest, RefusedCircleSaysWhichRuleFailedAndAFallenWallStillEvaluatesOne) {
  const CliResult r = Run({"circle", "--default", "--centre", "3,-2", "--radius", "5", "--json"});
  EXPECT_EQ(r.status, 0);
  json refused = test::ParsedJson(r.out);
  EXPECT_EQ(refused["admissible"], false);
  EXPECT_NE(refused["reason"].get<std::string>().find("cuts the concrete"), std::string::npos);
  EXPECT_TRUE(refused["safetyFactor"].is_null());

  // Centre between the wall top and the toe-earth level: an exit, but no entry.
  json noEntry = test::ParsedJson(Run({"circle", "--default", "--centre=3.6,2", "--radius", "12", "--json"}).out);
  EXPECT_NE(noEntry["reason"].get<std::string>().find("backfill surface"), std::string::npos);
  EXPECT_LT(noEntry["exitX"].get<double>(), 0);
  EXPECT_TRUE(noEntry.contains("entryX") && noEntry["entryX"].is_null());

  // A wall that is not stable still evaluates one circle.
  ProjectData p = test::DefaultProject();
  test::AddLineLoad(p, 500.0f, 7.2f, 10.0f, 270.0f);
  WriteProjectFile(p, PathOf("fallen.kvi"));
  EXPECT_EQ(Run({"circle", PathOf("fallen.kvi"), "--centre", "-0.9,-7.9", "--radius", "19.6"}).status, 0);
}

}  // namespace
