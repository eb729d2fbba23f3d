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

TEST_F(CalculatorCommand, DefaultProjectAsJson) {
  const test::CliResult r = Run({"calculator", "--default", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* key : {"\"A1\": {", "\"A2\": {", "\"P1\": {", "\"P2\": {", "\"R\": {", "\"pWt2\"", "\"Pw\"",
                          "\"Fw\"", "\"zw\"", "\"inclination\""})
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
  EXPECT_EQ(r.out.find("null"), std::string::npos);
}

TEST_F(CalculatorCommand, ReadableTableShowsEveryCase) {
  const test::CliResult r = Run({"calculator", "--default"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* text : {"Pressure coefficient (K):", "Active seismic", "At rest", "Water force (Fw):", "/"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
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

TEST_F(CalculatorCommand, AnalyseWritesTheDesign) {
  const test::CliResult json = Run({"analyse", "--default", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"design\": {"), std::string::npos);
  EXPECT_NE(json.out.find("\"completed\": true"), std::string::npos);
  EXPECT_NE(json.out.find("\"colMomentCapacity\""), std::string::npos);
  const test::CliResult text = Run({"analyse", "--default"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Concrete design"), std::string::npos);
  EXPECT_NE(text.out.find("Shear capacity, Vu"), std::string::npos);
}

TEST_F(CalculatorCommand, AnalyseWritesNullForADegenerateSection) {
  ProjectData p;
  SetDefaults(p);
  p.userReinforcement = kTrue;
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
