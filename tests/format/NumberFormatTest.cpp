// The numeric patterns and the general number format: rounding, signs, padding and exponents.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/NumberFormat.h"

using namespace kelvadrome;

TEST(FormatNumber, TwoDecimalGeneralPatternAlwaysShowsBothDecimals) {
  EXPECT_EQ(FormatNumber(1.5, "#0.#0"), "1.50");
  EXPECT_EQ(FormatNumber(7.2, "#0.#0"), "7.20");
  EXPECT_EQ(FormatNumber(0.0, "#0.#0"), "0.00");
  EXPECT_EQ(FormatNumber(12345.678, "#0.#0"), "12345.68");
  EXPECT_EQ(FormatNumber(0.004, "#0.#0"), "0.00");
}

TEST(FormatNumber, HalvesRoundAwayFromZeroOnTheDecimalText) {
  EXPECT_EQ(FormatNumber(2.675, "#0.#0"), "2.68");    // binary value is just below the half
  EXPECT_EQ(FormatNumber(-2.675, "#0.#0"), "-2.68");
  EXPECT_EQ(FormatNumber(0.125, "#0.#0"), "0.13");
  EXPECT_EQ(FormatNumber(2.5, "#0"), "3");
  EXPECT_EQ(FormatNumber(-2.5, "#0"), "-3");
  EXPECT_EQ(FormatNumber(9.995, "#0.#0"), "10.00");   // carry into a new integer digit
  EXPECT_EQ(FormatNumber(99.96, "#0.0"), "100.0");
  EXPECT_EQ(FormatNumber(1.0049999, "#0.#0"), "1.00");
}

TEST(FormatNumber, FloatValuesShowTheirShortDecimal) {
  EXPECT_EQ(FormatNumber(0.15f, "#0.#0"), "0.15");
  EXPECT_EQ(FormatNumber(0.83f, "#0.##0"), "0.830");
}

TEST(FormatNumber, NegativeValuesAndNegativeZero) {
  EXPECT_EQ(FormatNumber(-1.5, "#0.#0"), "-1.50");
  EXPECT_EQ(FormatNumber(-0.004, "#0.#0"), "0.00");  // rounds to zero: no minus sign
  EXPECT_EQ(FormatNumber(-0.0, "#0"), "0");
  EXPECT_EQ(FormatNumber(-0.4, "#0"), "0");
  EXPECT_EQ(FormatNumber(-0.05, "#0.0"), "-0.1");
  EXPECT_EQ(FormatNumber(-3.25, "#0.##0"), "-3.250");
}

TEST(FormatNumber, OptionalDecimalsAfterTheLastZeroAreDropped) {
  EXPECT_EQ(FormatNumber(3.0, "#0.##0"), "3.000");
  EXPECT_EQ(FormatNumber(3.14159, "#0.##0"), "3.142");
  EXPECT_EQ(FormatNumber(3.1, "0.0#"), "3.1");
  EXPECT_EQ(FormatNumber(3.126, "0.0#"), "3.13");
  EXPECT_EQ(FormatNumber(3.0, "#0.#"), "3");
}

TEST(FormatNumber, PercentPatterns) {
  EXPECT_EQ(FormatNumber(0.0123, "0.#0%"), "1.23%");
  EXPECT_EQ(FormatNumber(0.0123, "#0.#0%"), "1.23%");
  EXPECT_EQ(FormatNumber(0.5, "#0.#0%"), "50.00%");
  EXPECT_EQ(FormatNumber(0.0, "0.#0%"), "0.00%");
  EXPECT_EQ(FormatNumber(-0.00001, "0.#0%"), "0.00%");
}

TEST(FormatNumber, WholeNumberPatternsAndTrailingLiteral) {
  EXPECT_EQ(FormatNumber(25000 / 9.81, "#0 "), "2548 ");
  EXPECT_EQ(FormatNumber(1e10, "#0"), "10000000000");
  EXPECT_EQ(FormatNumber(1e10, "#0.#0"), "10000000000.00");
  EXPECT_EQ(FormatNumber(0.5, "00.0"), "00.5");
  EXPECT_EQ(FormatNumber(7, "x=#0 m"), "x=7 m");
}

TEST(FormatNumber, NotFiniteIsNotAvailable) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.#0"), "N/A");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "#0"), "N/A");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0.#0%"), "N/A");
  EXPECT_EQ(FormatNumber(1e308, "0.#0%"), "N/A");  // overflows when multiplied by 100
}

TEST(FormatGeneral, ShortestTextThatReadsBackToTheSameFloat) {
  EXPECT_EQ(FormatGeneral(0.15f), "0.15");
  EXPECT_EQ(FormatGeneral(0.83f), "0.83");
  EXPECT_EQ(FormatGeneral(7.73f), "7.73");
  EXPECT_EQ(FormatGeneral(3000.0f), "3000");
  EXPECT_EQ(FormatGeneral(2.72f), "2.72");
  EXPECT_EQ(FormatGeneral(1.0f / 3.0f), "0.33333334");
  EXPECT_EQ(FormatGeneral(-4.5f), "-4.5");
  EXPECT_EQ(FormatGeneral(0.0001f), "0.0001");
  for (const float v : {0.1f, 1.0f / 7.0f, 123456.7f, 9.81f, -0.017f, 16777217.0f, 3.4e-3f}) {
    EXPECT_EQ(std::stof(FormatGeneral(v)), v) << FormatGeneral(v);
  }
}

TEST(FormatGeneral, ZeroAndNegativeZero) {
  EXPECT_EQ(FormatGeneral(0.0f), "0");
  EXPECT_EQ(FormatGeneral(-0.0f), "0");
}

TEST(FormatGeneral, LargeValuesArePlainBelowTheExponentLimit) {
  EXPECT_EQ(FormatGeneral(1e10f), "10000000000");
  EXPECT_EQ(FormatGeneral(-1e10f), "-10000000000");
  EXPECT_EQ(FormatGeneral(123456790000000.0f), "123456790000000");
  EXPECT_EQ(FormatGeneral(1e15f), "1E+15");
  EXPECT_EQ(FormatGeneral(-2.5e20f), "-2.5E+20");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<float>::max()), "3.4028235E+38");
}

TEST(FormatGeneral, TinyValuesUseAnExponent) {
  EXPECT_EQ(FormatGeneral(0.00001f), "1E-05");
  EXPECT_EQ(FormatGeneral(-1.25e-7f), "-1.25E-07");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<float>::denorm_min()), "1E-45");
}

TEST(FormatGeneral, NotFiniteIsNotAvailable) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<float>::quiet_NaN()), "N/A");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<float>::infinity()), "N/A");
}
