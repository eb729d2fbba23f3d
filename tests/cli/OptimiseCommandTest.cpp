// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli optimise and the "quantities" of analyse --json: the best wall written with -o
// analyses to what the optimiser reported, the thread count changes nothing, and impossible
// targets or bad arguments are said plainly.
#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

using nlohmann::json;

// A small search: heel and key only, on a toe long enough for the base to bear the wall.
ProjectData SmallSearch() {
  ProjectData p = test::DefaultProject();
  for (OptimiserVariable& v : p.optimiserVariables) v.vary = false;
  p.optimiserVariables[0] = {true, 3.5f, 3.5f};
  p.optimiserVariables[1] = {true, 10.0f, 11.5f};
  p.optimiserVariables[7] = {true, 1.5f, 2.0f};
  return p;
}

using OptimiseTest = CliTest;

TEST_F(OptimiseTest, BestWallWrittenWithDashOAnalysesToTheReportedCost) {
  WriteProjectFile(SmallSearch(), PathOf("wall.kvi"));
  const CliResult one = Run({"optimise", PathOf("wall.kvi"), "--json", "--threads", "1", "-o", PathOf("best.kvi")});
  ASSERT_EQ(one.status, 0) << one.err;
  json first = test::ParsedJson(one.out);
  json second = test::ParsedJson(Run({"optimise", PathOf("wall.kvi"), "--json", "--threads", "2"}).out);
  json best = first["best"];
  ASSERT_TRUE(best.is_object()) << one.out;
  EXPECT_EQ(best["cost"], second["best"]["cost"]);
  EXPECT_EQ(first["evaluated"], second["evaluated"]);

  json design = test::ParsedJson(Run({"analyse", PathOf("best.kvi"), "--json"}).out)["design"];
  EXPECT_EQ(design["quantities"]["cost"], best["cost"]);
  const ProjectData written = ReadProjectFile(PathOf("best.kvi"));
  EXPECT_EQ(best["heelLength"].get<float>(), written.heelLength);
  EXPECT_TRUE(written.shearKeyOption);
}

TEST_F(OptimiseTest, ImpossibleTargetsAndBadArgumentsAreSaidPlainly) {
  ProjectData p = SmallSearch();
  p.optimiserTargets.withSeismic.overturning = 50;
  WriteProjectFile(p, PathOf("hard.kvi"));
  const CliResult none = Run({"optimise", PathOf("hard.kvi"), "-o", PathOf("best.kvi")});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no wall to write"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(PathOf("best.kvi")));

  for (const char* threads : {"0", "x", "1000", "-2"}) {
    const CliResult bad = Run({"optimise", "--default", "--threads", threads});
    EXPECT_EQ(bad.status, 2) << threads;
    EXPECT_NE(bad.err.find("--threads needs a whole number"), std::string::npos);
  }
  p.optimiserVariables[1] = {true, 9.0f, 6.0f};
  WriteProjectFile(p, PathOf("reversed.kvi"));
  const CliResult reversed = Run({"optimise", PathOf("reversed.kvi")});
  EXPECT_EQ(reversed.status, 1);
  EXPECT_NE(reversed.err.find("The minimum of Heel length is above its maximum."), std::string::npos);
}

}  // namespace
