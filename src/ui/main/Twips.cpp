// SPDX-License-Identifier: GPL-3.0-or-later
// The screen resolution behind the twips of the window layout.
#include "ui/main/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kelvadrome {

TwipsScale TwipsScale::ForWidget(const QWidget* widget) {
  const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return TwipsScale{};
  const double dpi = screen->logicalDotsPerInchY();
  return TwipsScale{dpi > 0 ? dpi : 96.0};
}

}  // namespace kelvadrome
