// SPDX-License-Identifier: GPL-3.0-or-later
// The busy (hourglass) pointer for the length of a scope, restored however the scope ends.
#pragma once

#include <QGuiApplication>

namespace kelvadrome {

class BusyPointer {
 public:
  BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace kelvadrome
