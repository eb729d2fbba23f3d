// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the report settings between the project and the Page Setup dialog's value.
#include "ui/print/PageSetup.h"

#include <charconv>

#include "model/Cp1252.h"
#include "model/ProjectData.h"

namespace kelvadrome {

std::string FooterTextProblem(const std::string& text) {
  constexpr size_t kMaxFooterLength = 255;
  if (Cp1252ToUtf8(Utf8ToCp1252(text)) != text) {
    return "The footer text holds a character that the project file cannot store.";
  }
  if (Utf8ToCp1252(text).size() > kMaxFooterLength) return "The footer text is longer than 255 characters.";
  return {};
}

bool IsValidMarginText(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return false;
  int value = -1;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  const auto [next, error] = std::from_chars(begin, end, value);
  return error == std::errc() && next == end && value >= 0 && value <= kMaxPageMargin;
}

PageSetupValues PageSetupOf(const ProjectData& project) {
  PageSetupValues values;
  values.margins = {project.pageMarginA, project.pageMarginB, project.pageMarginC, project.pageMarginD};
  for (size_t i = 0; i < values.footerTexts.size(); ++i) values.footerTexts[i] = project.headerFooterTexts.at(i + 1);
  values.footerFont = project.reportFontName;
  return values;
}

void ApplyPageSetup(ProjectData& project, const PageSetupValues& values) {
  project.pageMarginA = values.margins[0];
  project.pageMarginB = values.margins[1];
  project.pageMarginC = values.margins[2];
  project.pageMarginD = values.margins[3];
  for (size_t i = 0; i < values.footerTexts.size(); ++i) project.headerFooterTexts.at(i + 1) = values.footerTexts[i];
  project.reportFontName = values.footerFont;
}

}  // namespace kelvadrome
