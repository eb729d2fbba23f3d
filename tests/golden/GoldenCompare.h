// SPDX-License-Identifier: GPL-3.0-or-later
// Comparison of an output with its stored golden copy: JSON value by value (numbers within a
// relative tolerance, everything else exactly) and texts line by line. Each difference is
// described by where it is, so that a failing comparison says what moved.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace kelvadrome::test {

// Numbers agree when they differ by at most this part of the larger magnitude: the outputs are
// single-precision values written with nine digits, so a real change is far larger.
inline constexpr double kGoldenRelativeTolerance = 1e-6;

// The differences between two JSON documents, each as "path: expected X, got Y", the path in
// the form service.wallOutlineX[13]; at most `limit` of them. Empty when they agree.
[[nodiscard]] std::vector<std::string> JsonDifferences(const nlohmann::json& expected, const nlohmann::json& actual,
                                                       std::size_t limit = 20);

// The first line in which two texts differ, as "line N: expected "...", got "..."", or empty.
[[nodiscard]] std::string FirstTextDifference(const std::string& expected, const std::string& actual);

}  // namespace kelvadrome::test
