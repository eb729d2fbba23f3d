// SPDX-License-Identifier: GPL-3.0-or-later
// The list of recently used project files shown at the foot of the File menu.
#pragma once

#include <QString>
#include <array>

namespace kelvadrome {

inline constexpr int kRecentFileSlots = 4;

struct RecentFileList {
  std::array<QString, kRecentFileSlots + 1> files{};  // 1..4, entry 1 the most recent
  int count = 0;                                      // entries 1..count are in use

  bool operator==(const RecentFileList&) const = default;
};

// Puts path at the top of the list. An equal entry (compared case-sensitively, as paths are on
// this platform) moves up instead of appearing twice; the fifth distinct path drops off.
void AddRecentFile(RecentFileList& list, const QString& path);

// Counts the non-empty entries and packs them to the front, as the settings may hold gaps.
[[nodiscard]] RecentFileList PackRecentFiles(const std::array<QString, kRecentFileSlots + 1>& stored);

// The File menu caption of entry i: "&" and the number as access key, a blank, the path.
[[nodiscard]] QString RecentFileCaption(int index, const QString& path);

}  // namespace kelvadrome
