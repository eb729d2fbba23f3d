// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli optimise and the "quantities" of analyse --json: the best wall written with -o
// analyses to what the optimiser reported, the thread count changes nothing, and impossible
// targets or bad arguments are said plainly.
#include <string>

#include "CliRunner.h"
#include "engine/ServiceTestSupport.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

std::string Member(const std::string& json, const std::string& name, std::size_t from = 0) {
  const std::string key = "\"" + name + "\": ";
  const std::size_t at = json.find(key, from);
  if (at == std::string::npos) return "<missing " + name + ">";
  const std::size_t start = at + key.size();
  return json.substr(start, json.find_first_of(",\n}", start) - start);
}

// A small search: heel and key only, on a toe long enough for the base to bear the wall.
ProjectData SmallSearch() {
  ProjectData p = test::DefaultProject();
  for (OptimiserVariable& v : p.optimiserVariables) v.vary = kFalse;
  p.optimiserVariables[0] = {kTrue, 3.5f, 3.5f};
  p.optimiserVariables[1] = {kTrue, 10.0f, 11.5f};
  p.optimiserVariables[7] = {kTrue, 1.5f, 2.0f};
  return p;
}

using OptimiseTest = CliTest;

TEST_F(OptimiseTest, BestWallWrittenWithDashOAnalysesToTheReportedCost) {
  WriteProjectFile(SmallSearch(), PathOf("wall.kvi"));
  const CliResult one = Run({"optimise", PathOf("wall.kvi"), "--json", "--threads", "1", "-o", PathOf("best.kvi")});
  ASSERT_EQ(one.status, 0) << one.err;
  const CliResult two = Run({"optimise", PathOf("wall.kvi"), "--json", "--threads", "2"});
  const std::string best = one.out.substr(one.out.find("\"best\""));
  EXPECT_EQ(Member(best, "cost"), Member(two.out.substr(two.out.find("\"best\"")), "cost"));
  EXPECT_EQ(Member(one.out, "evaluated"), Member(two.out, "evaluated"));
  EXPECT_EQ(Member(one.out, "message"), "null");

  const CliResult analysed = Run({"analyse", PathOf("best.kvi"), "--json"});
  ASSERT_EQ(analysed.status, 0) << analysed.err;
  const std::string quantities = analysed.out.substr(analysed.out.find("\"quantities\""));
  EXPECT_EQ(Member(quantities, "cost"), Member(best, "cost"));
  EXPECT_EQ(Member(analysed.out, "completed"), "true");
  const ProjectData written = ReadProjectFile(PathOf("best.kvi"));
  EXPECT_EQ(std::stof(Member(best, "heelLength")), written.heelLength);
  EXPECT_EQ(written.shearKeyOption, 1);

  const CliResult text = Run({"optimise", PathOf("wall.kvi")});
  EXPECT_NE(text.out.find("Cheapest wall: cost"), std::string::npos);
  EXPECT_NE(text.out.find("The 10 cheapest walls"), std::string::npos);
}

TEST_F(OptimiseTest, ImpossibleTargetsAndBadArgumentsAreSaidPlainly) {
  ProjectData p = SmallSearch();
  p.optimiserTargets.withSeismic.overturning = 50;
  WriteProjectFile(p, PathOf("hard.kvi"));
  const CliResult none = Run({"optimise", PathOf("hard.kvi"), "-o", PathOf("best.kvi")});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.out.find("No wall within the bounds meets every target; the check that failed most often "
                          "among the near-misses: overturning."),
            std::string::npos)
      << none.out;
  EXPECT_NE(none.err.find("no wall to write"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(PathOf("best.kvi")));

  for (const char* threads : {"0", "x", "1000", "-2"}) {
    const CliResult bad = Run({"optimise", "--default", "--threads", threads});
    EXPECT_EQ(bad.status, 2) << threads;
    EXPECT_NE(bad.err.find("--threads needs a whole number"), std::string::npos);
  }
  p.optimiserVariables[1] = {kTrue, 9.0f, 6.0f};
  WriteProjectFile(p, PathOf("reversed.kvi"));
  const CliResult reversed = Run({"optimise", PathOf("reversed.kvi")});
  EXPECT_EQ(reversed.status, 1);
  EXPECT_NE(reversed.err.find("The minimum of Heel length is above its maximum."), std::string::npos);
}

}  // namespace
