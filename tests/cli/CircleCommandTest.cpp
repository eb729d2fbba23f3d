// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli circle and the "global" object of analyse --json: the one-circle diagnostic
// agrees with the search it explains, refusals say why, and a wall that is not stable has no
// global result.
#include <string>

#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

using nlohmann::json;

// A number as the command line takes it: the shortest text that reads back the same value.
std::string Argument(const json& value) { return value.dump(); }

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

using CircleTest = CliTest;

TEST_F(CircleTest, TheSearchedCircleGivesTheSearchedFactor) {
  const CliResult analyse = Run({"analyse", "--default", "--json"});
  ASSERT_EQ(analyse.status, 0) << analyse.err;
  json global = test::ParsedJson(analyse.out)["service"]["global"];
  ASSERT_TRUE(global.is_object()) << analyse.out;
  const double F = global["safetyFactor"].get<double>();

  const std::string centre = Argument(global["centreX"]) + "," + Argument(global["centreY"]);
  const std::string radius = Argument(global["radius"]);
  const CliResult circle = Run({"circle", "--default", "--centre", centre, "--radius", radius, "--json"});
  ASSERT_EQ(circle.status, 0) << circle.err;
  json one = test::ParsedJson(circle.out);
  EXPECT_EQ(one["admissible"], true);
  EXPECT_TRUE(one["reason"].is_null());
  EXPECT_NEAR(one["safetyFactor"].get<double>(), F, 1e-4 * F);
  EXPECT_NEAR(one["exitX"].get<double>(), global["exitX"].get<double>(), 1e-3);
  EXPECT_NEAR(one["entryX"].get<double>(), global["entryX"].get<double>(), 1e-3);
  ASSERT_EQ(one["slices"].size(), 50u);
  // Base friction angle of the default project under the wall; the slices are in order.
  EXPECT_LT(one["slices"][0]["x"].get<double>(), 0);
  EXPECT_EQ(one["slices"][0]["phi"], 30);

  const CliResult text = Run({"circle", "--default", "--centre", centre, "--radius", radius});
  EXPECT_EQ(Count(text.out, "\n"), 6u + 50u);
}

TEST_F(CircleTest, RefusedCircleSaysWhichRuleFailed) {
  const CliResult r = Run({"circle", "--default", "--centre", "3,-2", "--radius", "5", "--json"});
  EXPECT_EQ(r.status, 0);
  json refused = test::ParsedJson(r.out);
  EXPECT_EQ(refused["admissible"], false);
  EXPECT_NE(refused["reason"].get<std::string>().find("cuts the concrete"), std::string::npos);
  EXPECT_TRUE(refused["safetyFactor"].is_null());
  EXPECT_EQ(refused["slices"], json::array());

  // Centre between the wall top and the toe-earth level: an exit, but no entry.
  json noEntry =
      test::ParsedJson(Run({"circle", "--default", "--centre=3.6,2", "--radius", "12", "--json"}).out);
  EXPECT_NE(noEntry["reason"].get<std::string>().find("backfill surface"), std::string::npos);
  EXPECT_LT(noEntry["exitX"].get<double>(), 0);
  EXPECT_TRUE(noEntry.contains("entryX"));
  EXPECT_TRUE(noEntry["entryX"].is_null());
}

// On a wall that is not stable (no global result) the one-circle diagnostic still evaluates.
TEST_F(CircleTest, WallThatIsNotStableStillEvaluatesOneCircle) {
  ProjectData p = test::DefaultProject();
  test::AddLineLoad(p, 500.0f, 7.2f, 10.0f, 270.0f);
  WriteProjectFile(p, PathOf("fallen.kvi"));
  EXPECT_EQ(Run({"circle", PathOf("fallen.kvi"), "--centre", "-0.9,-7.9", "--radius", "19.6"}).status, 0);
}

TEST_F(CircleTest, Usage) {
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1;2", "--radius", "5"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2", "--radius", "-5"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2x", "--radius", "5"}).status, 2);
  EXPECT_EQ(Run({"circle", PathOf("missing.kvi"), "--centre", "1,2", "--radius", "5"}).status, 1);
}

}  // namespace
