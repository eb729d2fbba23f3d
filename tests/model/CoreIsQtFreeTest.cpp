// The core layers build with the standard library only: no file under them may include Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

TEST(CoreLayers, IncludeNoQtHeader) {
  const fs::path source = fs::path(KELVADROME_TEST_DATA).parent_path().parent_path() / "src";
  const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt))");
  int files = 0;
  for (const char* layer : {"model", "format", "engine", "calculator"}) {
    if (!fs::exists(source / layer)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(source / layer)) {
      if (!entry.is_regular_file()) continue;
      ++files;
      std::ifstream in(entry.path());
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        EXPECT_FALSE(std::regex_search(line, qtInclude)) << entry.path() << ":" << number << ": " << line;
      }
    }
  }
  EXPECT_GT(files, 10);
}
