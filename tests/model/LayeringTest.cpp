// SPDX-License-Identifier: GPL-3.0-or-later
// Each layer includes only the layers beneath it: the core builds with the standard library
// alone, and the report (shared with the windows) never reaches up into the windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path& SourceFolder() {
  static const fs::path source = fs::path(KELVADROME_TEST_DATA).parent_path().parent_path() / "src";
  return source;
}

// Every include line under the layers matching the pattern; returns the number of files read.
int ExpectNoInclude(std::initializer_list<const char*> layers, const std::regex& forbidden) {
  int files = 0;
  for (const char* layer : layers) {
    if (!fs::exists(SourceFolder() / layer)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(SourceFolder() / layer)) {
      if (!entry.is_regular_file()) continue;
      ++files;
      std::ifstream in(entry.path());
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        EXPECT_FALSE(std::regex_search(line, forbidden)) << entry.path() << ":" << number << ": " << line;
      }
    }
  }
  return files;
}

}  // namespace

TEST(Layers, CoreIncludesNoQtHeader) {
  const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt))");
  EXPECT_GT(ExpectNoInclude({"model", "format", "engine", "calculator"}, qtInclude), 10);
}

TEST(Layers, CoreAndReportIncludeNoWindowHeader) {
  const std::regex uiInclude(R"(^\s*#\s*include\s*"(ui|app)/)");
  EXPECT_GT(ExpectNoInclude({"model", "format", "engine", "calculator", "report"}, uiInclude), 10);
}
