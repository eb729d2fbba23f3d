// SPDX-License-Identifier: GPL-3.0-or-later
// The golden-file suite: every project under tests/golden goes through kelvadrome-cli analyse,
// calculator and show (JSON) and report (the PDF's text by pdftotext -layout, with the footer's
// moment fixed), and each output must match the copy stored beside the project. With
// KELVADROME_GOLDEN_UPDATE=1 in the environment the outputs are written there instead
// (`make golden`), so a deliberate change is reviewed as a diff of those files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "golden/GoldenCompare.h"

namespace kelvadrome::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kGoldenFolder = KELVADROME_GOLDEN_DIR;

// The same footer and date format on every machine and in every run.
constexpr const char* kEnvironment =
    "env KELVADROME_FIXED_TIME=2026-01-01T12:00:00 LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen";

bool Updating() {
  const char* value = std::getenv("KELVADROME_GOLDEN_UPDATE");
  return value != nullptr && std::string(value) == "1";
}

std::string Quoted(const std::string& word) {
  std::string out = "'";
  for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> ProjectNames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kGoldenFolder, ec)) {
    if (entry.path().extension() == ".kvi") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Ran {
  int status = -1;
  std::string out;
  std::string err;
};

// One output of a project: the command that makes it and how it is compared.
struct Output {
  std::string suffix;  // of the stored copy: <project>.<suffix>
  std::string command;
  bool isJson;
};

class Golden : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    scratch_ = fs::temp_directory_path() / ("kelvadrome-golden-" + std::to_string(getpid()) + "-" + GetParam());
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  // Runs a shell command in the golden folder, so that the project's path (which the footer
  // and show print) is its bare file name.
  Ran Run(const std::string& command) const {
    const fs::path out = scratch_ / "stdout", err = scratch_ / "stderr";
    const std::string line = "cd " + Quoted(kGoldenFolder.string()) + " && (" + command + ") >" +
                             Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int raw = std::system(line.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
  }

  std::vector<Output> Outputs() const {
    const std::string cli = std::string(kEnvironment) + " " + Quoted(KELVADROME_CLI) + " ";
    const std::string file = Quoted(GetParam() + ".kvi");
    const std::string pdf = Quoted((scratch_ / "report.pdf").string());
    return {{"analyse.json", cli + "analyse " + file + " --json", true},
            {"calculator.json", cli + "calculator " + file + " --json", true},
            {"show.json", cli + "show " + file + " --json", true},
            {"report.txt", cli + "report " + file + " -o " + pdf + " >/dev/null && pdftotext -layout " + pdf + " -",
             false}};
  }

  fs::path scratch_;
};

// A fault of the analysis is part of the output (its "error" member) and exits with 1; every
// other command must succeed.
void ExpectStatus(const std::string& where, const Ran& ran, bool isAnalyse) {
  int expected = 0;
  if (isAnalyse) {
    const json parsed = json::parse(ran.out, nullptr, false);
    if (!parsed.is_discarded() && parsed.contains("error")) expected = 1;
  }
  EXPECT_EQ(ran.status, expected) << where << " exited with " << ran.status << ": " << ran.err;
}

TEST_P(Golden, OutputsMatchTheStoredCopies) {
  for (const Output& output : Outputs()) {
    const std::string where = GetParam() + " " + output.suffix;
    const Ran ran = Run(output.command);
    ExpectStatus(where, ran, output.suffix == "analyse.json");
    const fs::path stored = kGoldenFolder / (GetParam() + "." + output.suffix);
    if (Updating()) {
      std::ofstream(stored, std::ios::binary | std::ios::trunc) << ran.out;
      continue;
    }
    ASSERT_TRUE(fs::exists(stored)) << where << ": no stored copy; `make golden` writes it";
    const std::string expected = Slurp(stored);
    if (!output.isJson) {
      const std::string difference = FirstTextDifference(expected, ran.out);
      EXPECT_TRUE(difference.empty()) << where << ", " << difference;
      continue;
    }
    const json want = json::parse(expected, nullptr, false);
    const json got = json::parse(ran.out, nullptr, false);
    ASSERT_FALSE(want.is_discarded()) << where << ": the stored copy is not JSON";
    ASSERT_FALSE(got.is_discarded()) << where << ": the output is not JSON: " << ran.out.substr(0, 200);
    std::string listed;
    for (const std::string& difference : JsonDifferences(want, got)) listed += "\n  " + difference;
    EXPECT_TRUE(listed.empty()) << where << " differs at:" << listed;
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Projects, Golden, ::testing::ValuesIn(ProjectNames()), TestName);

// Every project has its stored outputs, and no stored output has lost its project.
TEST(GoldenFolder, HoldsEveryProjectWithItsOutputs) {
  const std::vector<std::string> names = ProjectNames();
  EXPECT_GE(names.size(), 30u);
  for (const auto& entry : fs::directory_iterator(kGoldenFolder)) {
    const std::string file = entry.path().filename().string();
    if (entry.path().extension() == ".kvi" || entry.path().extension() == ".cpp" ||
        entry.path().extension() == ".h" || file == "README.md") {
      continue;
    }
    const std::string project = file.substr(0, file.find('.'));
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), project)) << file << " has no project";
  }
}

// The comparison itself: numbers within the tolerance, everything else exactly, and the place
// of each difference named.
TEST(GoldenCompare, NumbersWithinTheToleranceAgree) {
  const json a = json::parse(R"({"x": 1.0000004, "y": [0, 2.5e-12], "n": 3})");
  const json b = json::parse(R"({"x": 1, "y": [0, 2.5000012e-12], "n": 3.0000001})");
  EXPECT_TRUE(JsonDifferences(a, b).empty());
  const json c = json::parse(R"({"x": 1.000002, "y": [0, 2.5e-12], "n": 3})");
  EXPECT_EQ(JsonDifferences(a, c), std::vector<std::string>{"x: expected 1.0000004, got 1.000002"});
  EXPECT_EQ(JsonDifferences(json::parse("[0]"), json::parse("[1e-30]")).size(), 1u);  // no absolute slack
}

TEST(GoldenCompare, NamesThePathOfEachDifference) {
  const json a = json::parse(R"({"service": {"w": [1, 2, 3], "ok": true, "b": {"iq": null}}, "messages": ["A"]})");
  const json b = json::parse(R"({"service": {"w": [1, 2, 4], "ok": false, "b": {"iq": 1}}, "messages": ["B"], "error": "x"})");
  const std::vector<std::string> found = JsonDifferences(a, b);
  const std::vector<std::string> expected{"messages[0]: expected \"A\", got \"B\"",
                                          "service.b.iq: expected null, got 1", "service.ok: expected true, got false",
                                          "service.w[2]: expected 3, got 4", "error: not expected, got \"x\""};
  EXPECT_EQ(found, expected);
  EXPECT_EQ(JsonDifferences(json::parse(R"({"k": [1, 2]})"), json::parse(R"({})")),
            std::vector<std::string>{"k: missing"});
  EXPECT_EQ(JsonDifferences(json::parse("[1, 2]"), json::parse("[1]")),
            std::vector<std::string>{"(top): expected 2 elements, got 1"});
  EXPECT_EQ(JsonDifferences(json::parse("[1, 2, 3]"), json::parse("[4, 5, 6]"), 2).size(), 2u);
}

TEST(GoldenCompare, TextsCompareExactlyByLine) {
  EXPECT_EQ(FirstTextDifference("a\nb\n", "a\nb\n"), "");
  EXPECT_EQ(FirstTextDifference("a\nb\n", "a\nb \n"), "line 2: expected \"b\", got \"b \"");
  EXPECT_EQ(FirstTextDifference("a\n", "a\nc\n"), "line 2: expected (end of text), got \"c\"");
  EXPECT_EQ(FirstTextDifference("a\n", "a"), "the texts differ in their line ends");
}

}  // namespace
}  // namespace kelvadrome::test
