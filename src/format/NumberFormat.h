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
[[nodiscard]] std::string FormatNumber(double value, std::string_view pattern);

// The general number format: the shortest text that reads back to the same single-precision
// value (0.15 gives "0.15", never "0.150000006"); no exponent below 1E15 in magnitude.
[[nodiscard]] std::string FormatGeneral(float value);

}  // namespace kelvadrome
