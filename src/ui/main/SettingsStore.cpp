// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings store. Every value is kept as text; a value that is missing or
// does not read as a number gives its default.
#include "ui/main/SettingsStore.h"

#include <QSettings>

namespace kelvadrome {

namespace {

int ReadInt(const QSettings& settings, const QString& key, int fallback) {
  bool ok = false;
  const int value = settings.value(key).toString().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

QString RecentKey(int i) { return QStringLiteral("Recent/File%1").arg(i); }

}  // namespace

StoredSettings SettingsStore::Load(QSettings& settings, int screenWidthTwips, int screenHeightTwips) {
  StoredSettings values;
  std::array<QString, kRecentFileSlots + 1> stored{};
  for (int i = 1; i <= kRecentFileSlots; ++i) stored[i] = settings.value(RecentKey(i)).toString();
  values.recent = PackRecentFiles(stored);
  values.lastDirectory = settings.value(QStringLiteral("Recent/Dir")).toString();

  WindowPlacement& w = values.window;
  values.windowStored = false;
  for (const char* key : {"WindowState", "Left", "Top", "Width", "Height"}) {
    if (settings.contains(QStringLiteral("Window/") + QLatin1String(key))) values.windowStored = true;
  }
  const int state = ReadInt(settings, QStringLiteral("Window/WindowState"), 0);
  w.state = state == 2 ? StoredWindowState::Maximised : StoredWindowState::Normal;
  w.left = ReadInt(settings, QStringLiteral("Window/Left"), 0);
  w.top = ReadInt(settings, QStringLiteral("Window/Top"), 0);
  w.width = ReadInt(settings, QStringLiteral("Window/Width"), screenWidthTwips);
  w.height = ReadInt(settings, QStringLiteral("Window/Height"), screenHeightTwips);
  return values;
}

void SettingsStore::Save(QSettings& settings, const StoredSettings& values) {
  for (int i = 1; i <= kRecentFileSlots; ++i) settings.setValue(RecentKey(i), values.recent.files[i]);
  settings.setValue(QStringLiteral("Recent/Dir"), values.lastDirectory);
  const WindowPlacement& w = values.window;
  settings.setValue(QStringLiteral("Window/WindowState"), QString::number(static_cast<int>(w.state)));
  settings.setValue(QStringLiteral("Window/Left"), QString::number(w.left));
  settings.setValue(QStringLiteral("Window/Top"), QString::number(w.top));
  settings.setValue(QStringLiteral("Window/Width"), QString::number(w.width));
  settings.setValue(QStringLiteral("Window/Height"), QString::number(w.height));
  settings.sync();
}

}  // namespace kelvadrome
