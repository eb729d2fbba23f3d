// SPDX-License-Identifier: GPL-3.0-or-later
// The device resolutions behind the twips.
#include "report/drawing/TwipsScale.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace kelvadrome {
namespace {

TwipsScale OfDpi(double dpi) { return TwipsScale{dpi > 0 ? dpi : 96.0}; }

}  // namespace

TwipsScale TwipsScale::ForScreen(const QScreen* screen) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? OfDpi(screen->logicalDotsPerInchY()) : TwipsScale{};
}

TwipsScale TwipsScale::ForDevice(const QPaintDevice* device) {
  return device != nullptr ? OfDpi(device->logicalDpiY()) : TwipsScale{};
}

}  // namespace kelvadrome
