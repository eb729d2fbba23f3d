// SPDX-License-Identifier: GPL-3.0-or-later
// Numeric display patterns and the general number format.
#include "format/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "format/DecimalRounding.h"

namespace kelvadrome {

namespace {

constexpr std::string_view kNotAvailable = "N/A";

struct PatternParts {
  std::string_view prefix;   // literal text before the number
  std::string_view suffix;   // literal text after the number ("%" stays in it)
  int minIntegerDigits = 1;  // count of "0" before the point, at least one
  int decimals = 0;          // placeholders after the point
  int minDecimals = 0;       // up to and including the last "0" after the point
  bool percent = false;
};

PatternParts ParsePattern(std::string_view pattern) {
  PatternParts parts;
  const std::size_t start = pattern.find_first_of("#0.");
  if (start == std::string_view::npos) {
    parts.prefix = pattern;
  } else {
    std::size_t end = pattern.find_first_not_of("#0.", start);
    if (end == std::string_view::npos) end = pattern.size();
    const std::string_view number = pattern.substr(start, end - start);
    parts.prefix = pattern.substr(0, start);
    parts.suffix = pattern.substr(end);

    const std::size_t point = number.find('.');
    const std::string_view integer = number.substr(0, point);
    int zeros = 0;
    for (const char c : integer) zeros += c == '0';
    parts.minIntegerDigits = zeros > 0 ? zeros : 1;
    if (point != std::string_view::npos) {
      const std::string_view fraction = number.substr(point + 1);
      for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (fraction[i] == '.') break;  // a second point ends the placeholders
        ++parts.decimals;
        if (fraction[i] == '0') parts.minDecimals = parts.decimals;
      }
    }
  }
  parts.percent = pattern.find('%') != std::string_view::npos;
  return parts;
}

// Shortest round-trip digits of a float, as a digit string and the decimal exponent of the
// first digit (value = d.ddd x 10^exponent).
struct ShortestDigits {
  std::string digits;
  int exponent = 0;
};

ShortestDigits ShortestFloatDigits(float magnitude) {
  std::array<char, 48> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific);
  const std::string text(buffer.data(), result.ptr);
  const std::size_t ePos = text.find('e');
  ShortestDigits out;
  out.digits = text.substr(0, 1);
  if (ePos > 1) out.digits += text.substr(2, ePos - 2);
  out.exponent = std::atoi(text.c_str() + ePos + 1);
  return out;
}

// The forms below append to the text they are given, piece by piece: GCC 12 at -O3 reports a
// false overlap (-Wrestrict) inside std::string when a literal is put in front of a temporary
// string ("." + s), and appending is the plainer way to say it anyway.
void AppendExponentForm(std::string& text, const ShortestDigits& d) {
  text += d.digits.front();
  if (d.digits.size() > 1) {
    text += '.';
    text.append(d.digits, 1);
  }
  text += d.exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
}

void AppendPlainForm(std::string& text, const ShortestDigits& d) {
  const int pointPos = d.exponent + 1;  // digits before the decimal point
  if (pointPos <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-pointPos), '0');
    text += d.digits;
    return;
  }
  const auto before = static_cast<std::size_t>(pointPos);
  if (d.digits.size() <= before) {
    text += d.digits;
    text.append(before - d.digits.size(), '0');
    return;
  }
  text.append(d.digits, 0, before);
  text += '.';
  text.append(d.digits, before);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  const PatternParts parts = ParsePattern(pattern);
  if (parts.percent) value *= 100.0;
  if (!std::isfinite(value)) return std::string(kNotAvailable);

  const RoundedDecimal rounded = RoundDecimal(value, parts.decimals);
  std::string integer = rounded.integerDigits;
  if (integer.size() < static_cast<std::size_t>(parts.minIntegerDigits)) {
    integer.insert(0, static_cast<std::size_t>(parts.minIntegerDigits) - integer.size(), '0');
  }
  std::string fraction = rounded.fractionDigits;
  while (fraction.size() > static_cast<std::size_t>(parts.minDecimals) && fraction.back() == '0') {
    fraction.pop_back();
  }

  std::string text;
  if (rounded.negative && !rounded.IsZero()) text += '-';
  text += parts.prefix;
  text += integer;
  if (!fraction.empty()) {
    text += '.';
    text += fraction;
  }
  text += parts.suffix;
  return text;
}

std::string FormatGeneral(float value) {
  if (!std::isfinite(value)) return std::string(kNotAvailable);
  if (value == 0.0f) return "0";
  const ShortestDigits d = ShortestFloatDigits(std::fabs(value));
  std::string text;
  if (value < 0) text += '-';
  if (d.exponent >= 15 || d.exponent < -4) {
    AppendExponentForm(text, d);
  } else {
    AppendPlainForm(text, d);
  }
  return text;
}

}  // namespace kelvadrome
