// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli new, convert and show end to end, the exit statuses and messages of every
// command, and a fixed footer moment for report that is not a date and time (the golden suite
// covers a valid one).
#include "CliRunner.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace

// The rounding itself is the model's; here the options reach it and the files come back right.
TEST_F(CliTest, NewWritesTheDefaultFileAndConvertChangesTheUnitSystem) {
  const CliResult r = Run({"new", "-o", PathOf("m.kvi")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Slurp(PathOf("m.kvi")).size(), 291u);
  ProjectData defaults;
  SetDefaults(defaults);
  EXPECT_EQ(ReadProjectFile(PathOf("m.kvi")), defaults);
  ASSERT_EQ(Run({"convert", PathOf("m.kvi"), "--units", "british", "-o", PathOf("b.kvi")}).status, 0);
  EXPECT_EQ(ReadProjectFile(PathOf("b.kvi")).stemTopWidth, 2.72f);
  ASSERT_EQ(Run({"convert", PathOf("b.kvi"), "--units=Metric", "-o", PathOf("m2.kvi")}).status, 0);
  EXPECT_EQ(ReadProjectFile(PathOf("m2.kvi")).stemTopWidth, 0.83f);
  ASSERT_EQ(Run({"new", "-o", PathOf("n.kvi"), "--units", "british"}).status, 0);
  EXPECT_TRUE(HasLine(Run({"show", PathOf("n.kvi")}).out, "stemTopWidth = 2.72"));
}

TEST_F(CliTest, ShowQuotesTextsAndConvertCarriesTheExtensionBlock) {
  ProjectData p;
  SetDefaults(p);
  p.projectTitle = "Wall \"A\" \\ 2³";
  p.lineLoadCount = 1;
  p.lineLoads[1] = {12.5f, 1.0f, 2.0f, 180.0f, LoadCase::soil};
  p.foundationUnitWeight = 1.8f;
  p.keptExtensionItems = {{9, {1, 2}}};
  WriteProjectFile(p, PathOf("p.kvi"));
  const CliResult text = Run({"show", PathOf("p.kvi")});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(HasLine(text.out, R"(projectTitle = "Wall \"A\" \\ 2³")")) << text.out;
  EXPECT_TRUE(HasLine(text.out, "lineLoads[1].loadCase = 3"));
  EXPECT_EQ(test::ParsedJson(Run({"show", PathOf("p.kvi"), "--json"}).out)["projectTitle"], p.projectTitle);

  ASSERT_EQ(Run({"convert", PathOf("p.kvi"), "--units", "si", "-o", PathOf("s.kvi")}).status, 0);
  const ProjectData si = ReadProjectFile(PathOf("s.kvi"));
  EXPECT_EQ(si.foundationUnitWeight, 17.66f);         // 1.8 x 9.81 = 17.658
  EXPECT_EQ(si.foundationSaturatedDensity, 19.62f);  // the default, converted
  EXPECT_EQ(si.keptExtensionItems, p.keptExtensionItems);
  EXPECT_TRUE(HasLine(Run({"show", PathOf("s.kvi")}).out, "keptExtensionItems[0].payload[1] = 2"));
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
  EXPECT_EQ(Run({"analyse", PathOf("missing.kvi")}).status, 1);
  EXPECT_EQ(Run({"circle", PathOf("missing.kvi"), "--centre", "1,2", "--radius", "5"}).status, 1);
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> wrong{
      {}, {"frobnicate"}, {"new"}, {"new", "-o"}, {"new", "-o", PathOf("a.kvi"), "--units", "furlongs"},
      {"show"}, {"show", "a.kvi", "b.kvi"}, {"show", "a.kvi", "--jsn"}, {"analyse"}, {"analyse", "--default", "--pdf"},
      {"circle", "--default", "--centre", "1,2"}, {"circle", "--default", "--centre", "1;2", "--radius", "5"},
      {"circle", "--default", "--centre", "1,2", "--radius", "-5"},
      {"circle", "--default", "--centre", "1,2x", "--radius", "5"}};
  for (std::size_t k = 0; k < wrong.size(); ++k) EXPECT_EQ(Run(wrong[k]).status, 2) << "case " << k;
  const CliResult r = Run({"convert", "a.kvi", "-o", "b.kvi"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Usage: kelvadrome-cli convert"), std::string::npos) << r.err;
  for (const std::string command : {"new", "convert", "show", "analyse"}) EXPECT_EQ(Run({command, "--help"}).status, 0);
}

TEST_F(CliTest, MalformedFixedTimeIsSaidAndTheClockUsed) {
  for (const char* wrong : {"2031-02-30T09:05:07", "2031-07-04 09:05:07", "2031-07-04T09:05:07Z", "tomorrow"}) {
    setenv("KELVADROME_FIXED_TIME", wrong, 1);
    const CliResult report = Run({"report", "--default", "-o", PathOf("r.pdf"), "--sections", "dimensions"});
    unsetenv("KELVADROME_FIXED_TIME");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.err.find(std::string("kelvadrome-cli report: KELVADROME_FIXED_TIME '") + wrong +
                              "' is not a date and time like 2026-01-01T12:00:00"),
              std::string::npos)
        << report.err;
    const std::string toText = "pdftotext -layout '" + PathOf("r.pdf") + "' '" + PathOf("r.txt") + "'";
    EXPECT_EQ(std::system(toText.c_str()), 0);
    EXPECT_EQ(Slurp(PathOf("r.txt")).find("09:05:07"), std::string::npos) << wrong;
  }
}
