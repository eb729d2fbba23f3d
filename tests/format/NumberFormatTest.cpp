// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric patterns and the general number format: rounding, signs, padding and exponents.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "format/NumberFormat.h"

using namespace kelvadrome;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct PatternCase {
  double value;
  const char* pattern;
  const char* expected;
};

}  // namespace

TEST(FormatNumber, Patterns) {
  const PatternCase cases[] = {
      // Both decimals of the general pattern always show.
      {7.2, "#0.#0", "7.20"}, {0.0, "#0.#0", "0.00"}, {12345.678, "#0.#0", "12345.68"},
      // Halves round away from zero on the decimal text, not on the binary value.
      {2.675, "#0.#0", "2.68"}, {-2.675, "#0.#0", "-2.68"}, {0.125, "#0.#0", "0.13"},
      {2.5, "#0", "3"}, {-2.5, "#0", "-3"}, {1.0049999, "#0.#0", "1.00"},
      // Carry into a new integer digit.
      {9.995, "#0.#0", "10.00"}, {99.96, "#0.0", "100.0"},
      // Floats show their short decimal.
      {double(0.15f), "#0.#0", "0.15"}, {double(0.83f), "#0.##0", "0.830"},
      // What rounds to zero has no minus sign.
      {-0.004, "#0.#0", "0.00"}, {-0.0, "#0", "0"}, {-0.4, "#0", "0"}, {-0.05, "#0.0", "-0.1"},
      {-3.25, "#0.##0", "-3.250"},
      // Optional decimals after the last zero are dropped.
      {3.0, "#0.##0", "3.000"}, {3.14159, "#0.##0", "3.142"}, {3.1, "0.0#", "3.1"},
      {3.126, "0.0#", "3.13"}, {3.0, "#0.#", "3"},
      {0.0123, "0.#0%", "1.23%"}, {0.5, "#0.#0%", "50.00%"}, {-0.00001, "0.#0%", "0.00%"},
      // Whole numbers, leading zeros and literals around the number.
      {25000 / 9.81, "#0 ", "2548 "}, {1e10, "#0.#0", "10000000000.00"}, {0.5, "00.0", "00.5"},
      {7, "x=#0 m", "x=7 m"},
      // Not finite, also after the percent's factor 100.
      {kNaN, "#0.#0", "N/A"}, {kInfinity, "#0", "N/A"}, {-kInfinity, "0.#0%", "N/A"}, {1e308, "0.#0%", "N/A"},
  };
  for (const PatternCase& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
  }
}

TEST(FormatGeneral, ShortestTextThatReadsBackToTheSameFloat) {
  const std::pair<float, const char*> cases[] = {
      {0.15f, "0.15"}, {7.73f, "7.73"}, {3000.0f, "3000"}, {1.0f / 3.0f, "0.33333334"}, {-4.5f, "-4.5"},
      {0.0001f, "0.0001"}, {0.0f, "0"}, {-0.0f, "0"},
      // Plain below the exponent limit, an exponent above it and for tiny values.
      {-1e10f, "-10000000000"}, {123456790000000.0f, "123456790000000"}, {1e15f, "1E+15"},
      {-2.5e20f, "-2.5E+20"}, {std::numeric_limits<float>::max(), "3.4028235E+38"},
      {0.00001f, "1E-05"}, {-1.25e-7f, "-1.25E-07"}, {std::numeric_limits<float>::denorm_min(), "1E-45"},
      {std::numeric_limits<float>::quiet_NaN(), "N/A"}, {-std::numeric_limits<float>::infinity(), "N/A"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatGeneral(value), expected) << expected;
  for (const float v : {0.1f, 1.0f / 7.0f, 123456.7f, 9.81f, -0.017f, 16777217.0f, 3.4e-3f}) {
    EXPECT_EQ(std::stof(FormatGeneral(v)), v) << FormatGeneral(v);
  }
}
