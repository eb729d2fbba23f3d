// SPDX-License-Identifier: GPL-3.0-or-later
// Detects a second running instance of the program through a lock file in the user's runtime
// folder; a lock left behind by a crashed instance is taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace kelvadrome {

inline constexpr const char* kAlreadyRunningText = "Kelvadrome is already running in memory.";

class InstanceGuard {
 public:
  // lockPath empty: "kelvadrome.lock" in the runtime folder (the temp folder when there is none).
  explicit InstanceGuard(QString lockPath = {});

  // True when this process now holds the lock (or already did); false when another live
  // process holds it.
  [[nodiscard]] bool TryAcquire();
  [[nodiscard]] const QString& LockPath() const { return lockPath_; }

 private:
  QString lockPath_;
  std::unique_ptr<QLockFile> lock_;
};

[[nodiscard]] QString DefaultInstanceLockPath();

}  // namespace kelvadrome
