// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance lock.
#include "ui/main/InstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvadrome {

QString DefaultInstanceLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("kelvadrome.lock"));
}

InstanceGuard::InstanceGuard(QString lockPath)
    : lockPath_(lockPath.isEmpty() ? DefaultInstanceLockPath() : std::move(lockPath)) {}

bool InstanceGuard::TryAcquire() {
  if (lock_ && lock_->isLocked()) return true;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // A running instance keeps its lock however long it runs; only a lock whose process has died
  // counts as stale.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

}  // namespace kelvadrome
