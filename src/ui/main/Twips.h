// SPDX-License-Identifier: GPL-3.0-or-later
// Converts the window layout's twips (1/1440 inch) to widget pixels through the screen's real
// resolution, so the layout keeps its physical size on high-resolution screens.
#pragma once

#include <cmath>

class QWidget;

namespace kelvadrome {

class TwipsScale {
 public:
  explicit TwipsScale(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / 1440.0) {}

  // The scale of the screen the widget is on (the primary screen before it is shown).
  [[nodiscard]] static TwipsScale ForWidget(const QWidget* widget);

  [[nodiscard]] int Px(double twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
  [[nodiscard]] double Twips(int pixels) const { return pixels / pixelsPerTwip_; }
  [[nodiscard]] double PixelsPerTwip() const { return pixelsPerTwip_; }

 private:
  double pixelsPerTwip_;
};

}  // namespace kelvadrome
