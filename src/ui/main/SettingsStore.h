// SPDX-License-Identifier: GPL-3.0-or-later
// What the program keeps between runs in the per-user settings store: the recent files, the last
// folder and the main window's placement, under "Kelvadrome", sections "Recent" and "Window".
#pragma once

#include <QRect>
#include <QString>

#include "ui/main/RecentFiles.h"

class QSettings;

namespace kelvadrome {

inline constexpr const char* kAppName = "Kelvadrome";

enum class StoredWindowState { Normal = 0, Maximised = 2 };

// The main window's normal-state placement, in twips as stored.
struct WindowPlacement {
  StoredWindowState state = StoredWindowState::Normal;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowPlacement&) const = default;
};

struct StoredSettings {
  RecentFileList recent;
  QString lastDirectory;
  WindowPlacement window;
  // False when the store holds nothing of the window (the first start): window then holds the
  // defaults, which describe no placement the user ever had.
  bool windowStored = true;

  bool operator==(const StoredSettings&) const = default;
};

// The store of this user: QSettings("Kelvadrome", "Kelvadrome").
class SettingsStore {
 public:
  // screenWidthTwips/screenHeightTwips are the defaults of the window size.
  [[nodiscard]] static StoredSettings Load(QSettings& settings, int screenWidthTwips, int screenHeightTwips);
  static void Save(QSettings& settings, const StoredSettings& values);
};

}  // namespace kelvadrome
