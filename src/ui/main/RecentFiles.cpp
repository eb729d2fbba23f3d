// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the recent-file list in order.
#include "ui/main/RecentFiles.h"

#include <algorithm>

namespace kelvadrome {

void AddRecentFile(RecentFileList& list, const QString& path) {
  if (path.isEmpty()) return;
  for (int i = 1; i <= list.count;) {
    if (list.files[i] == path) {
      for (int j = i; j < list.count; ++j) list.files[j] = list.files[j + 1];
      list.files[list.count].clear();
      --list.count;
    } else {
      ++i;
    }
  }
  for (int i = kRecentFileSlots; i >= 2; --i) list.files[i] = list.files[i - 1];
  list.files[1] = path;
  list.count = std::min(list.count + 1, kRecentFileSlots);
  for (int i = list.count + 1; i <= kRecentFileSlots; ++i) list.files[i].clear();
}

RecentFileList PackRecentFiles(const std::array<QString, kRecentFileSlots + 1>& stored) {
  RecentFileList list;
  for (int i = 1; i <= kRecentFileSlots; ++i) {
    if (!stored[i].isEmpty()) list.files[++list.count] = stored[i];
  }
  return list;
}

QString RecentFileCaption(int index, const QString& path) {
  // A "&" inside the path would otherwise turn the next letter into an access key.
  QString shown = path;
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index).arg(shown);
}

}  // namespace kelvadrome
