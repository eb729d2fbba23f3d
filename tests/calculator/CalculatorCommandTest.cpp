// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli calculator and the design part of analyse, end to end through the command line.
// The JSON of both commands is compared for every project of the golden-file suite.
#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "model/ProjectFile.h"

namespace kelvadrome {
namespace {

class CalculatorCommand : public test::CliTest {
 protected:
  std::string SaveProject(const ProjectData& p) {
    const std::string path = PathOf("wall.kvi");
    WriteProjectFile(p, path);
    return path;
  }
};

TEST_F(CalculatorCommand, TextFormShowsNotAvailableForTheLeftOutSeismicCases) {
  ProjectData p;
  SetDefaults(p);
  const test::CliResult fine = Run({"calculator", SaveProject(p)});
  ASSERT_EQ(fine.status, 0) << fine.err;
  EXPECT_EQ(fine.out.find("N/A"), std::string::npos);
  p.backfillSlope = 1.0f;  // 45° against a friction angle of 30°, with a seismic load
  const test::CliResult steep = Run({"calculator", SaveProject(p)});
  ASSERT_EQ(steep.status, 0) << steep.err;
  EXPECT_NE(steep.out.find("N/A"), std::string::npos);
}

TEST_F(CalculatorCommand, UsageAndMissingFile) {
  EXPECT_EQ(Run({"calculator"}).status, 2);
  EXPECT_EQ(Run({"calculator", PathOf("missing.kvi")}).status, 1);
  EXPECT_EQ(Run({"calculator", "--help"}).status, 0);
}

TEST_F(CalculatorCommand, AnalyseWritesNullForADegenerateSection) {
  ProjectData p;
  SetDefaults(p);
  p.userReinforcement = true;
  p.barDiameters = {0, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f};
  p.barPitches = {0, 20, 20, 0, 20, 20, 20};  // column 3 without pitch
  const test::CliResult r = Run({"analyse", SaveProject(p), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto row = [&](const std::string& key) {
    const std::size_t start = r.out.find("\"" + key + "\": [");
    return start == std::string::npos ? std::string() : r.out.substr(start, r.out.find(']', start) - start);
  };
  EXPECT_NE(row("colSteelArea").find(", null, "), std::string::npos) << row("colSteelArea");
  EXPECT_NE(row("colMomentCapacity").find(", null, "), std::string::npos) << row("colMomentCapacity");
  EXPECT_EQ(row("colRequiredArea").find("null"), std::string::npos) << row("colRequiredArea");
}

}  // namespace
}  // namespace kelvadrome
