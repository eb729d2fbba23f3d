// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal rounding on the 15-significant-digit text of a value, halves away from zero.
#include "format/DecimalRounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kelvadrome {

namespace {

constexpr int kSignificantDigits = 15;

// Adds one unit in the last place of a string of decimal digits; returns true on a carry out.
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

RoundedDecimal RoundDecimal(double value, int decimals) {
  decimals = std::max(decimals, 0);
  RoundedDecimal result;
  result.negative = value < 0;

  // "d.dddddddddddddde+XX": 15 significant digits and the decimal exponent.
  std::array<char, 64> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific,
                                       kSignificantDigits - 1);
  const std::string text(buffer.data(), ec == std::errc() ? end : buffer.data());
  const std::size_t ePos = text.find('e');
  if (ePos == std::string::npos) {  // not finite: callers check first; stay defined anyway
    result.integerDigits.assign(1, '0');
    result.fractionDigits.assign(static_cast<std::size_t>(decimals), '0');
    return result;
  }
  std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
  int pointPos = std::atoi(text.c_str() + ePos + 1) + 1;  // digits before the decimal point

  if (pointPos < 1) {
    digits.insert(0, static_cast<std::size_t>(1 - pointPos), '0');
    pointPos = 1;
  }
  const std::size_t keep = static_cast<std::size_t>(pointPos) + static_cast<std::size_t>(decimals);
  if (digits.size() < keep + 1) digits.resize(keep + 1, '0');

  const bool roundUp = digits[keep] >= '5';
  std::string kept = digits.substr(0, keep);
  if (roundUp && IncrementDigits(kept)) {
    kept.insert(kept.begin(), '1');
    ++pointPos;
  }
  std::string integerPart = kept.substr(0, static_cast<std::size_t>(pointPos));
  const std::size_t firstNonZero = integerPart.find_first_not_of('0');
  integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);

  result.integerDigits = std::move(integerPart);
  result.fractionDigits = kept.substr(static_cast<std::size_t>(pointPos));
  return result;
}

}  // namespace kelvadrome
