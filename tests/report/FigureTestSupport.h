// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the figure tests: a canvas over a white image, and seeded random walls.
#pragma once

#include <QImage>
#include <QPainter>

#include <optional>
#include <random>

#include "model/ProjectData.h"
#include "report/drawing/WallCanvas.h"

namespace kelvadrome::test {

inline ProjectData DefaultWall() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

// A canvas drawing on a white image in logical units: area fills the whole image.
struct Board {
  QImage image;
  QPainter painter;
  std::optional<WallCanvas> canvas;
  explicit Board(const QRectF& area, QSize pixels = {1200, 800}) : image(pixels, QImage::Format_ARGB32_Premultiplied) {
    image.fill(Qt::white);
    painter.begin(&image);
    painter.scale(pixels.width() / area.right(), pixels.height() / area.bottom());
    canvas.emplace(painter);
  }
  QImage Done() {
    painter.end();
    return image;
  }
};

// Walls with water, a seismic coefficient, a surcharge of either sign and one to ten line loads
// of every case anywhere on and around the wall.
class LoadedWalls {
 public:
  explicit LoadedWalls(unsigned seed) : random_(seed) {}

  ProjectData Next() {
    ProjectData p = DefaultWall();
    const auto scale = [&](float& v, double low, double high) { v = static_cast<float>(v * Between(low, high)); };
    for (float* v : {&p.toeLength, &p.heelLength, &p.stemTopWidth}) scale(*v, 0.5, 1.8);
    scale(p.stemFrontHeight, 0.5, 1.5);
    p.stemBackHeight = p.stemFrontHeight + p.toeTaper + p.toeEdgeThickness - p.heelTaper - p.heelEdgeThickness;
    p.baseWidth = p.toeLength + p.stemFrontBatter + p.stemTopWidth + p.stemBackBatter + p.heelLength;
    p.backfillSlope = Chance(0.3) ? 0.0f : static_cast<float>(Between(2.5, 8));
    const double height = p.TotalHeightFront();
    p.waterOption = true;
    p.waterDepthFront = static_cast<float>(Between(0.2, 1.0) * height);
    p.waterDepthBack = static_cast<float>(Between(0.1, 1.0) * height);
    p.seismicOption = true;
    p.seismicCoefficient = static_cast<float>(Between(0.05, 0.3));
    p.surchargeLoad = static_cast<float>(Between(-3, 5));
    p.surchargeLoadCase = kAllLoadCases[static_cast<std::size_t>(Pick(1, kLoadCaseCount) - 1)];
    p.lineLoadCount = static_cast<int16_t>(Pick(1, kMaxLineLoads));
    for (int k = 1; k <= p.lineLoadCount; ++k) {
      LineLoad& load = p.lineLoads[static_cast<std::size_t>(k)];
      load.load = static_cast<float>((Chance(0.2) ? -1 : 1) * Between(0.5, 30));
      load.x = static_cast<float>(Between(0, p.baseWidth));
      load.y = static_cast<float>(Between(0, height * 1.1));
      load.direction = static_cast<float>(Chance(0.5) ? 45 * Pick(0, 7) : Between(0, 360));
      load.loadCase = kAllLoadCases[static_cast<std::size_t>(Pick(1, kLoadCaseCount) - 1)];
    }
    return p;
  }

 private:
  double Between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(double p) { return Between(0, 1) < p; }

  std::mt19937 random_;
};

}  // namespace kelvadrome::test
