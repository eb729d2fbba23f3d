// SPDX-License-Identifier: GPL-3.0-or-later
#include "golden/GoldenCompare.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace kelvadrome::test {
namespace {

using nlohmann::json;

std::string Shown(const json& value) {
  std::string text = value.dump();
  if (text.size() > 80) text = text.substr(0, 77) + "...";
  return text;
}

bool NumbersAgree(double a, double b) {
  if (a == b) return true;
  return std::fabs(a - b) <= kGoldenRelativeTolerance * std::max(std::fabs(a), std::fabs(b));
}

struct Walker {
  std::vector<std::string> found;
  std::size_t limit;

  void Differ(const std::string& path, const std::string& what) {
    if (found.size() < limit) found.push_back((path.empty() ? std::string("(top)") : path) + ": " + what);
  }

  void Compare(const json& expected, const json& actual, const std::string& path) {
    if (found.size() >= limit) return;
    if (expected.is_number() && actual.is_number()) {
      if (!NumbersAgree(expected.get<double>(), actual.get<double>())) {
        Differ(path, "expected " + Shown(expected) + ", got " + Shown(actual));
      }
      return;
    }
    if (expected.type() != actual.type()) {
      Differ(path, "expected " + Shown(expected) + ", got " + Shown(actual));
      return;
    }
    if (expected.is_object()) {
      for (const auto& [key, value] : expected.items()) {
        const std::string at = path.empty() ? key : path + "." + key;
        if (!actual.contains(key)) {
          Differ(at, "missing");
        } else {
          Compare(value, actual.at(key), at);
        }
      }
      for (const auto& [key, value] : actual.items()) {
        if (!expected.contains(key)) Differ(path.empty() ? key : path + "." + key, "not expected, got " + Shown(value));
      }
    } else if (expected.is_array()) {
      if (expected.size() != actual.size()) {
        Differ(path, "expected " + std::to_string(expected.size()) + " elements, got " + std::to_string(actual.size()));
        return;
      }
      for (std::size_t i = 0; i < expected.size(); ++i) {
        Compare(expected[i], actual[i], path + "[" + std::to_string(i) + "]");
      }
    } else if (expected != actual) {
      Differ(path, "expected " + Shown(expected) + ", got " + Shown(actual));
    }
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::vector<std::string> JsonDifferences(const json& expected, const json& actual, std::size_t limit) {
  Walker walker{{}, limit};
  walker.Compare(expected, actual, "");
  return walker.found;
}

std::string FirstTextDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  const std::vector<std::string> a = Lines(expected);
  const std::vector<std::string> b = Lines(actual);
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string left = i < a.size() ? "\"" + a[i] + "\"" : "(end of text)";
    const std::string right = i < b.size() ? "\"" + b[i] + "\"" : "(end of text)";
    if (left != right) return "line " + std::to_string(i + 1) + ": expected " + left + ", got " + right;
  }
  return "the texts differ in their line ends";
}

}  // namespace kelvadrome::test
