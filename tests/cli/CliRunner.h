// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built kelvadrome-cli in a scratch folder and captures its exit status and outputs.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kelvadrome::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// A command's output read as JSON. Output that does not parse fails the test and reads as null,
// so the checks after it fail too instead of crashing.
inline nlohmann::json ParsedJson(const std::string& text) {
  nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
  EXPECT_FALSE(parsed.is_discarded()) << "not JSON: " << text.substr(0, 300);
  return parsed.is_discarded() ? nlohmann::json() : parsed;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kelvadrome-cli-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  [[nodiscard]] std::string PathOf(const std::string& name) const {
    return (folder_ / name).string();
  }

  CliResult Run(const std::vector<std::string>& args) const {
    std::string command = Quoted(KELVADROME_CLI);
    for (const std::string& a : args) command += " " + Quoted(a);
    command += " >" + Quoted(PathOf("stdout.txt")) + " 2>" + Quoted(PathOf("stderr.txt"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(PathOf("stdout.txt")), Slurp(PathOf("stderr.txt"))};
  }

  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  static std::string Quoted(const std::string& word) {
    std::string out = "'";
    for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
  }

  std::filesystem::path folder_;
};

}  // namespace kelvadrome::test
