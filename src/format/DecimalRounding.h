// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal rounding shared by the number formatter and RoundTo: a value is taken in its decimal
// form of 15 significant digits (what a person reading the number sees) and rounded there, so
// that 2.675 rounds to 2.68 although its binary value lies just below the half.
#pragma once

#include <string>

namespace kelvadrome {

struct RoundedDecimal {
  bool negative = false;       // sign of the value; the digits may still all be zero
  std::string integerDigits;   // at least one digit, no leading zeros except a lone "0"
  std::string fractionDigits;  // exactly the requested number of digits

  [[nodiscard]] bool IsZero() const {
    return integerDigits.find_first_not_of('0') == std::string::npos &&
           fractionDigits.find_first_not_of('0') == std::string::npos;
  }
};

// Rounds a finite value to `decimals` digits after the point (0 or more), halves away from zero.
// Independent of the locale.
[[nodiscard]] RoundedDecimal RoundDecimal(double value, int decimals);

}  // namespace kelvadrome
