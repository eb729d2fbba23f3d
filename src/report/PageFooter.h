// SPDX-License-Identifier: GPL-3.0-or-later
// The page footer: three texts of the project with their tokens (&Date, &Time, &Input, &Page,
// &NPages) expanded, written at the bottom of every page.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>
#include <string>

namespace kelvadrome {

struct ProjectData;
struct ReportSheet;

// What the tokens stand for on the page being finished.
struct FooterContext {
  QString date;          // today's date, long format
  QString time;          // the current time
  std::string filePath;  // the project's file; empty for a project never saved
  int pageNumber = 1;
  int totalPages = 0;  // 0 when not counted: &NPages then expands to nothing
};

// The time of the footer: hours (24-hour clock), minutes and seconds, "09:05:07", whatever the
// locale.
[[nodiscard]] QString FooterTime(const QTime& time);

// Today's date as the system's locale writes it (long format) and the time as FooterTime does.
[[nodiscard]] FooterContext FooterContextNow(const std::string& filePath);

// The same for a given moment instead of the clock, so that a printed report can be compared
// byte for byte with one printed earlier.
[[nodiscard]] FooterContext FooterContextAt(const QDateTime& moment, const std::string& filePath);

// The environment variable that fixes the footer's date and time, and its one accepted form.
inline constexpr const char* kFixedTimeVariable = "KELVADROME_FIXED_TIME";
inline constexpr const char* kFixedTimeExample = "2026-01-01T12:00:00";

// Reads "yyyy-MM-ddTHH:mm:ss" (a real date and time of day, nothing before or after it);
// anything else is nullopt.
[[nodiscard]] std::optional<QDateTime> ParseFixedTime(const QString& text);

// Copies text, replacing "&" followed by DATE, TIME, INPUT, PAGE or NPAGES (any letter case);
// every other character, including an "&" before anything else, is copied as it is.
[[nodiscard]] QString ExpandFooterTokens(const QString& text, const FooterContext& context);

// Writes the footer of the current page: left, centre and right text, each cut to the page width.
void PrintPageFooter(ReportSheet& sheet, const ProjectData& project, const FooterContext& context);

}  // namespace kelvadrome
