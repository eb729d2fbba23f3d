// kelvadrome-cli new, convert and show end to end, with their exit statuses and messages.
#include <filesystem>

#include "CliRunner.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace

TEST_F(CliTest, NewWritesThe291ByteDefaultFile) {
  const CliResult r = Run({"new", "-o", PathOf("a.kvi")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string bytes = Slurp(PathOf("a.kvi"));
  ASSERT_EQ(bytes.size(), 291u);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\0\0\0\0\x19\0\x14\0\x14\0\x14\0", 12));
  ProjectData defaults;
  SetDefaults(defaults);
  EXPECT_EQ(ReadProjectFile(PathOf("a.kvi")), defaults);
}

TEST_F(CliTest, ConvertReproducesTheRoundingOfAUnitChange) {
  ASSERT_EQ(Run({"new", "-o", PathOf("m.kvi")}).status, 0);
  ASSERT_EQ(Run({"convert", PathOf("m.kvi"), "--units", "british", "-o", PathOf("b.kvi")}).status, 0);
  const ProjectData british = ReadProjectFile(PathOf("b.kvi"));
  EXPECT_EQ(british.unitSystem, kBritish);
  EXPECT_EQ(british.stemTopWidth, 2.72f);
  EXPECT_EQ(british.concreteCover, 2.0f);
  ASSERT_EQ(Run({"convert", PathOf("b.kvi"), "--units=Metric", "-o", PathOf("m2.kvi")}).status, 0);
  EXPECT_EQ(ReadProjectFile(PathOf("m2.kvi")).stemTopWidth, 0.83f);

  ASSERT_EQ(Run({"convert", "--default", "--units", "si", "-o", PathOf("s.kvi")}).status, 0);
  EXPECT_EQ(ReadProjectFile(PathOf("s.kvi")).concreteStrength, 29.0f);
  ASSERT_EQ(Run({"convert", PathOf("s.kvi"), "--units", "metric", "-o", PathOf("s2.kvi")}).status, 0);
  EXPECT_EQ(ReadProjectFile(PathOf("s2.kvi")).concreteStrength, 296.0f);
}

TEST_F(CliTest, NewWithUnitsConvertsTheDefaultProject) {
  ASSERT_EQ(Run({"new", "-o", PathOf("b.kvi"), "--units", "british"}).status, 0);
  const CliResult r = Run({"show", PathOf("b.kvi")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(HasLine(r.out, "unitSystem = 2")) << r.out;
  EXPECT_TRUE(HasLine(r.out, "stemTopWidth = 2.72")) << r.out;
  EXPECT_TRUE(HasLine(r.out, "backfillSlope = 5")) << r.out;
}

TEST_F(CliTest, ShowNamesEveryFieldInTextAndJson) {
  ProjectData p;
  SetDefaults(p);
  p.projectTitle = "Wall \"A\" \\ 2³";
  p.lineLoadCount = 1;
  p.lineLoads[1] = {12.5f, 1.0f, 2.0f, 180.0f, 3};
  p.seismicCoefficient = 0.15f;
  WriteProjectFile(p, PathOf("p.kvi"));

  const CliResult text = Run({"show", PathOf("p.kvi")});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(HasLine(text.out, R"(projectTitle = "Wall \"A\" \\ 2³")")) << text.out;
  EXPECT_TRUE(HasLine(text.out, "seismicCoefficient = 0.15"));
  EXPECT_TRUE(HasLine(text.out, "lineLoads[1].load = 12.5"));
  EXPECT_TRUE(HasLine(text.out, "lineLoads[1].loadCase = 3"));
  EXPECT_TRUE(HasLine(text.out, "headerFooterTexts[3] = \"Page &Page\""));
  EXPECT_TRUE(HasLine(text.out, "barPitches[6] = 0"));

  const CliResult json = Run({"show", PathOf("p.kvi"), "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.front(), '{');
  EXPECT_NE(json.out.find(R"("projectTitle": "Wall \"A\" \\ 2³",)"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find(R"("seismicCoefficient": 0.15,)"), std::string::npos);
  EXPECT_NE(json.out.find(R"({"load": 12.5, "x": 1, "y": 2, "direction": 180, "loadCase": 3})"),
            std::string::npos);
  EXPECT_NE(json.out.find(R"("barDiameters": [0, 0, 0, 0, 0, 0, 0],)"), std::string::npos);
  EXPECT_NE(json.out.find(R"("previousUnitSystem": 0)"), std::string::npos);
  EXPECT_EQ(json.out.substr(json.out.size() - 2), "}\n");
}

TEST_F(CliTest, ShowDefaultNeedsNoFile) {
  const CliResult r = Run({"show", "--default"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(HasLine(r.out, "stemBackHeight = 7.73"));
  EXPECT_TRUE(HasLine(r.out, "reportFontName = \"Arial\""));
}

TEST_F(CliTest, UnreadableFilesExitWithOneAndSayWhy) {
  const CliResult missing = Run({"show", PathOf("none.kvi")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.kvi"), std::string::npos) << missing.err;
  EXPECT_TRUE(missing.out.empty());

  ASSERT_EQ(Run({"new", "-o", PathOf("a.kvi")}).status, 0);
  std::filesystem::resize_file(PathOf("a.kvi"), 100);
  const CliResult cut = Run({"convert", PathOf("a.kvi"), "--units", "si", "-o", PathOf("b.kvi")});
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("ends too early"), std::string::npos) << cut.err;
  EXPECT_FALSE(std::filesystem::exists(PathOf("b.kvi")));

  const CliResult unwritable = Run({"new", "-o", PathOf("no/such/folder/a.kvi")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot be created"), std::string::npos) << unwritable.err;
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
  EXPECT_EQ(Run({"new"}).status, 2);
  EXPECT_EQ(Run({"new", "-o"}).status, 2);
  EXPECT_EQ(Run({"new", "-o", PathOf("a.kvi"), "--units", "furlongs"}).status, 2);
  EXPECT_EQ(Run({"show"}).status, 2);
  EXPECT_EQ(Run({"show", "a.kvi", "b.kvi"}).status, 2);
  EXPECT_EQ(Run({"show", "a.kvi", "--jsn"}).status, 2);
  const CliResult r = Run({"convert", "a.kvi", "-o", "b.kvi"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Usage: kelvadrome-cli convert"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(PathOf("a.kvi")));
}

TEST_F(CliTest, FileCommandsHaveHelp) {
  for (const std::string command : {"new", "convert", "show"}) {
    const CliResult r = Run({command, "--help"});
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_NE(r.out.find("kelvadrome-cli " + command), std::string::npos) << command << r.out;
  }
  const CliResult top = Run({"--help"});
  EXPECT_EQ(top.status, 0);
  EXPECT_NE(top.out.find("convert"), std::string::npos);
}
