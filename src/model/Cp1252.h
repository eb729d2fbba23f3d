// SPDX-License-Identifier: GPL-3.0-or-later
// Text conversion at the project-file boundary: the file holds single-byte Windows-1252 text
// (so ², ³, » and × survive), the program holds UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kelvadrome {

// Every byte has a meaning; the five bytes Windows-1252 leaves undefined become the control
// characters of the same number, so that they survive a round trip.
[[nodiscard]] std::string Cp1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold, and bytes that are not valid UTF-8, become "?".
[[nodiscard]] std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace kelvadrome
