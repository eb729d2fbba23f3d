// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli circle and the "global" object of analyse --json: the one-circle diagnostic
// agrees with the search it explains, refusals say why, and a wall that is not stable has no
// global result.
#include <cstdlib>
#include <string>

#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

// The text after "name": up to the end of its line, or to the next comma inside a one-line
// object.
std::string Member(const std::string& json, const std::string& name, std::size_t from = 0) {
  const std::string key = "\"" + name + "\": ";
  const std::size_t at = json.find(key, from);
  if (at == std::string::npos) return "<missing " + name + ">";
  const std::size_t start = at + key.size();
  const std::size_t end = json.find_first_of(",\n}", start);
  return json.substr(start, end - start);
}

double Number(const std::string& json, const std::string& name, std::size_t from = 0) {
  return std::strtod(Member(json, name, from).c_str(), nullptr);
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

using CircleTest = CliTest;

TEST_F(CircleTest, TheSearchedCircleGivesTheSearchedFactor) {
  const CliResult analyse = Run({"analyse", "--default", "--json"});
  ASSERT_EQ(analyse.status, 0) << analyse.err;
  const std::size_t global = analyse.out.find("\"global\"");
  ASSERT_NE(global, std::string::npos);
  const double F = Number(analyse.out, "safetyFactor", global);
  ASSERT_GT(F, 0.3);
  ASSERT_LT(F, 3.0);
  EXPECT_GT(Number(analyse.out, "circlesTried", global), Number(analyse.out, "circlesAdmissible", global));

  const std::string centre = Member(analyse.out, "centreX", global) + "," + Member(analyse.out, "centreY", global);
  const CliResult circle =
      Run({"circle", "--default", "--centre", centre, "--radius", Member(analyse.out, "radius", global), "--json"});
  ASSERT_EQ(circle.status, 0) << circle.err;
  EXPECT_EQ(Member(circle.out, "admissible"), "true");
  EXPECT_EQ(Member(circle.out, "reason"), "null");
  EXPECT_NEAR(Number(circle.out, "safetyFactor"), F, 1e-4 * F);
  EXPECT_NEAR(Number(circle.out, "exitX"), Number(analyse.out, "exitX", global), 1e-3);
  EXPECT_NEAR(Number(circle.out, "entryX"), Number(analyse.out, "entryX", global), 1e-3);
  EXPECT_EQ(Count(circle.out, "\"alpha\""), 50u);
  // Base friction angle of the default project under the wall; the slices are in order.
  const std::size_t slices = circle.out.find("\"slices\"");
  EXPECT_LT(Number(circle.out, "x", slices), 0);
  EXPECT_EQ(Number(circle.out, "phi", slices), 30);

  const CliResult text =
      Run({"circle", "--default", "--centre", centre, "--radius", Member(analyse.out, "radius", global)});
  EXPECT_NE(text.out.find("Safety factor (Bishop's simplified method) F = "), std::string::npos) << text.out;
  EXPECT_EQ(Count(text.out, "\n"), 6u + 50u);
}

TEST_F(CircleTest, RefusedCircleSaysWhichRuleFailed) {
  const CliResult r = Run({"circle", "--default", "--centre", "3,-2", "--radius", "5", "--json"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Member(r.out, "admissible"), "false");
  EXPECT_NE(Member(r.out, "reason").find("cuts the concrete"), std::string::npos);
  EXPECT_EQ(Member(r.out, "safetyFactor"), "null");
  EXPECT_EQ(Member(r.out, "slices"), "[]");

  // Centre between the wall top and the toe-earth level: an exit, but no entry.
  const CliResult noEntry = Run({"circle", "--default", "--centre=3.6,2", "--radius", "12", "--json"});
  EXPECT_NE(Member(noEntry.out, "reason").find("backfill surface"), std::string::npos);
  EXPECT_LT(Number(noEntry.out, "exitX"), 0);
  EXPECT_EQ(Member(noEntry.out, "entryX"), "null");

  const CliResult text = Run({"circle", "--default", "--centre", "3,-2", "--radius", "5"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("Not admissible: the circle cuts the concrete"), std::string::npos);
}

TEST_F(CircleTest, WallThatIsNotStableHasNoGlobalResult) {
  ProjectData p = test::DefaultProject();
  test::AddLineLoad(p, 500.0f, 7.2f, 10.0f, 270.0f);
  WriteProjectFile(p, PathOf("fallen.kvi"));
  const CliResult r = Run({"analyse", PathOf("fallen.kvi"), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::size_t global = r.out.find("\"global\"");
  for (const char* key : {"safetyFactor", "centreX", "radius", "entryX", "circlesTried", "circlesAdmissible"}) {
    EXPECT_EQ(Member(r.out, key, global), "null") << key;
  }
  // The one-circle diagnostic still evaluates.
  EXPECT_EQ(Run({"circle", PathOf("fallen.kvi"), "--centre", "-0.9,-7.9", "--radius", "19.6"}).status, 0);
}

TEST_F(CircleTest, Usage) {
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1;2", "--radius", "5"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2", "--radius", "-5"}).status, 2);
  EXPECT_EQ(Run({"circle", "--default", "--centre", "1,2x", "--radius", "5"}).status, 2);
  EXPECT_EQ(Run({"circle", PathOf("missing.kvi"), "--centre", "1,2", "--radius", "5"}).status, 1);
  EXPECT_NE(Run({"circle", "--help"}).out.find("--centre X,Y --radius R"), std::string::npos);
}

}  // namespace
