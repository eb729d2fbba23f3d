// SPDX-License-Identifier: GPL-3.0-or-later
// View availability and the water and seismic switches.
#include "ui/main/ProjectOptions.h"

#include <algorithm>

namespace kelvadrome {

namespace {

bool HasLineLoadOfCase(const ProjectData& project, LoadCase loadCase) {
  for (int i = 1; i <= project.lineLoadCount && i <= kMaxLineLoads; ++i) {
    const LineLoad& load = project.lineLoads[i];
    if (load.loadCase == loadCase && load.load > 0) return true;
  }
  return false;
}

}  // namespace

std::array<bool, kViewCount> SelectableViews(const ProjectData& p) {
  std::array<bool, kViewCount> available{};
  available.fill(true);
  const float total = p.TotalHeightFront();
  available[static_cast<int>(ViewKind::Live)] =
      (p.surchargeLoad > 0 && p.surchargeLoadCase == LoadCase::live) || HasLineLoadOfCase(p, LoadCase::live);
  available[static_cast<int>(ViewKind::Water)] =
      p.waterDepthFront < total || p.waterDepthBack < total || HasLineLoadOfCase(p, LoadCase::water);
  available[static_cast<int>(ViewKind::Structural)] = HasLineLoadOfCase(p, LoadCase::structural);
  available[static_cast<int>(ViewKind::Impact)] = HasLineLoadOfCase(p, LoadCase::impact);
  available[static_cast<int>(ViewKind::Seismic)] = p.seismicCoefficient > 0 || HasLineLoadOfCase(p, LoadCase::seismic);
  return available;
}

void ApplyWaterOption(ProjectData& p, bool ticked) {
  if (p.waterOption) {
    p.savedWaterDepthFront = p.waterDepthFront;
    p.savedWaterDepthBack = p.waterDepthBack;
    if (!ticked) {
      p.waterDepthFront = p.TotalHeightFront();
      p.waterDepthBack = p.waterDepthFront;
    }
  } else {
    // The wall may have been lowered while the water was off: a table below the base stands at it.
    p.waterDepthFront = std::min(p.savedWaterDepthFront, p.TotalHeightFront());
    p.waterDepthBack = std::min(p.savedWaterDepthBack, p.TotalHeightFront());
  }
  p.waterOption = ticked;
  ClearKeptValuesOfOptionsOn(p);
}

void ApplySeismicOption(ProjectData& p, bool ticked) {
  if (p.seismicOption) {
    p.savedSeismicCoefficient = p.seismicCoefficient;
    if (!ticked) p.seismicCoefficient = 0;
  } else {
    p.seismicCoefficient = p.savedSeismicCoefficient;
  }
  p.seismicOption = ticked;
  ClearKeptValuesOfOptionsOn(p);
}

void ClearKeptValuesOfOptionsOn(ProjectData& p) {
  if (p.waterOption) p.savedWaterDepthFront = p.savedWaterDepthBack = 0;
  if (p.seismicOption) p.savedSeismicCoefficient = 0;
}

}  // namespace kelvadrome
