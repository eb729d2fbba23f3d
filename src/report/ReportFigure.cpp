// SPDX-License-Identifier: GPL-3.0-or-later
// The section figure set-up and the pressure scales of the report's load and reaction figures.
#include "report/ReportFigure.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/ReportSheet.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {
namespace {

constexpr float kNoPressureScale = 10000;

// One limiting rule: a candidate ordinate drawn `length` long may only make the scale smaller.
// Magnitudes are compared: a negative load (suction) must not turn the scale negative, which
// would turn every diagram of the figure inside out.
void Limit(float& scale, float ordinate, float length) {
  if (std::fabs(ordinate) <= 0.00001f) return;
  const auto candidate = static_cast<float>(double(length) / std::fabs(ordinate));
  if (candidate < scale) scale = candidate;
}

}  // namespace

SectionFigure::SectionFigure(ReportSheet& sheet, const ProjectData& project)
    : canvas(sheet.painter),
      style(PaperDrawStyle(QString::fromStdString(sheet.fonts.defaultReportFont), 6 * 20.0)),
      points(ComputeScreenPoints(project, FitWallToSection(project, sheet.pageWidth, sheet.sectionContentHeight,
                                                           sheet.sectionBodyTop))),
      left(0),
      bottom(sheet.sectionTop + sheet.halfHeight),
      top(sheet.sectionBodyTop),
      width(sheet.pageWidth) {
  canvas.SetFont(style.fontFamily, style.fontUnits);
  canvas.SetLabelBounds(Body());
}

float LoadsPressureScale(const ProjectData& project, const AnalysisResults& results) {
  const PressureResults& p = results.pressure;
  const auto sum = static_cast<float>(double(p.waterPressure[2]) + p.activePressure[2] + p.seismicPressure[1]);
  float scale = sum != 0 ? static_cast<float>(720.0 / std::fabs(sum)) : kNoPressureScale;
  Limit(scale, p.waterPressure[11], 660);
  Limit(scale, p.waterPressure[12], 660);
  Limit(scale, static_cast<float>(double(project.surchargeLoad) + p.waterPressure[8]), 480);
  Limit(scale, static_cast<float>(double(project.surchargeLoad) + p.waterPressure[10]), 480);
  Limit(scale, static_cast<float>(double(p.hydrodynamicBasePressure) + p.waterPressure[6]), 960);
  return scale;
}

float ReactionsPressureScale(const AnalysisResults& results) {
  // The fitting leaves 900 report units under the base; a diagram 720 long with its labels
  // would run out of the frame, so the largest pressure is drawn 540 long.
  constexpr double kLargestOrdinate = 540;
  const float largest = std::max(results.stability.toePressure, results.stability.heelPressure);
  return largest != 0 ? static_cast<float>(kLargestOrdinate / largest) : kNoPressureScale;
}

}  // namespace kelvadrome
