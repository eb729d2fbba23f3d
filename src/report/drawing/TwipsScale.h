// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion from twips (1/1440 inch), the unit the window layout, the pictures and the
// report are laid out in, to device pixels through the device's real resolution, so that
// everything keeps its physical size on high-resolution screens and on paper.
#pragma once

#include <cmath>

class QPaintDevice;
class QScreen;

namespace kelvadrome {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerMm = 56.7;  // the classic rounding of 1440 / 25.4

class TwipsScale {
 public:
  explicit TwipsScale(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / kTwipsPerInch) {}

  // The scale of a screen; of the primary screen without one, 96 dpi without any.
  [[nodiscard]] static TwipsScale ForScreen(const QScreen* screen);
  // The scale of a widget, a printer or a PDF writer; 96 dpi without one.
  [[nodiscard]] static TwipsScale ForDevice(const QPaintDevice* device);

  [[nodiscard]] int Px(double twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
  [[nodiscard]] double Twips(double pixels) const { return pixels / pixelsPerTwip_; }
  [[nodiscard]] double PixelsPerTwip() const { return pixelsPerTwip_; }

 private:
  double pixelsPerTwip_;
};

}  // namespace kelvadrome
