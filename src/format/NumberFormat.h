// SPDX-License-Identifier: GPL-3.0-or-later
// The one number formatter of the program: every number shown in a window, the report, the
// command line or a message goes through these functions. Results never depend on the locale.
#pragma once

#include <string>
#include <string_view>

namespace kelvadrome {

// Formats value with a numeric pattern: "#0.#0", "#0.0", "#0", "#0.##0", "0.#0%", "#0.#0%", "#0 ".
// "0" is a digit always shown, "#" a digit shown only when significant, "." the decimal point,
// "%" multiplies by 100 and appends "%"; other characters are copied. Halves round away from zero;
// the decimal separator is always ".". A value that is not finite gives "N/A".
// The number of placeholders after "." is the number of decimals; decimals up to the last "0"
// placeholder are always shown ("#0.#0" gives 1.5 as "1.50"), later ones only when not zero.
// The integer part has at least one digit. A value that rounds to zero has no minus sign.
[[nodiscard]] std::string FormatNumber(double value, std::string_view pattern);

// The general number format: the shortest text that reads back to the same single-precision
// value (0.15 gives "0.15", never "0.150000006"). Plain decimals for magnitudes from 1E-4 up to
// below 1E15 (1E10 gives "10000000000"); an exponent outside that range, as in "1E+15",
// "-2.5E+20" or "1E-05". A value that is not finite gives "N/A".
[[nodiscard]] std::string FormatGeneral(float value);

}  // namespace kelvadrome
