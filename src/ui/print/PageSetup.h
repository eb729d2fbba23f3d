// SPDX-License-Identifier: GPL-3.0-or-later
// The report settings that travel with the project: margins, footer texts and footer font,
// as a plain value that the Page Setup dialog edits and hands back.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvadrome {

struct ProjectData;

struct PageSetupValues {
  std::array<int16_t, 4> margins{};          // left, right, top, bottom in whole millimetres
  std::array<std::string, 3> footerTexts{};  // left, centre, right
  std::string footerFont;
  bool operator==(const PageSetupValues&) const = default;
};

// A margin is a whole number of millimetres from 0 to this; two opposite margins together
// always leave most of an A4 sheet to print on.
inline constexpr int kMaxPageMargin = 80;

// Why a footer text cannot be kept (it would not survive the project file), or "" when it can.
[[nodiscard]] std::string FooterTextProblem(const std::string& text);
// Whether a typed margin is a whole number of millimetres from 0 to kMaxPageMargin.
[[nodiscard]] bool IsValidMarginText(const std::string& text);

[[nodiscard]] PageSetupValues PageSetupOf(const ProjectData& project);
void ApplyPageSetup(ProjectData& project, const PageSetupValues& values);

}  // namespace kelvadrome
