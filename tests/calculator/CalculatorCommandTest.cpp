// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli calculator and the design part of analyse, end to end through the command line.
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

// Each output form of both commands shows every part it is made of.
TEST_F(CalculatorCommand, DefaultProjectInEveryForm) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> forms{
      {{"calculator", "--default", "--json"},
       {"\"A1\": {", "\"A2\": {", "\"P1\": {", "\"P2\": {", "\"R\": {", "\"pWt2\"", "\"Pw\"", "\"Fw\"", "\"zw\"",
        "\"inclination\""}},
      {{"calculator", "--default"}, {"Pressure coefficient (K):", "Active seismic", "At rest", "Water force (Fw):", "/"}},
      {{"analyse", "--default", "--json"}, {"\"design\": {", "\"completed\": true", "\"colMomentCapacity\""}},
      {{"analyse", "--default"}, {"Concrete design", "Shear capacity, Vu"}}};
  for (const auto& [args, texts] : forms) {
    const test::CliResult r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const std::string& text : texts) EXPECT_NE(r.out.find(text), std::string::npos) << args[0] << " " << text;
    if (args.back() == "--json" && args[0] == "calculator") EXPECT_EQ(r.out.find("null"), std::string::npos);
  }
}

TEST_F(CalculatorCommand, SteepSlopeWithSeismicLoadWritesNullSeismicCases) {
  ProjectData p;
  SetDefaults(p);
  p.backfillSlope = 1.0f;  // 45° against a friction angle of 30°
  const test::CliResult r = Run({"calculator", SaveProject(p), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"A2\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"P2\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"A1\": {"), std::string::npos);
  EXPECT_NE(r.out.find("Soil slope adjusted"), std::string::npos);
  const test::CliResult text = Run({"calculator", PathOf("wall.kvi")});
  EXPECT_NE(text.out.find("N/A"), std::string::npos);
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
