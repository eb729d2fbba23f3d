// SPDX-License-Identifier: GPL-3.0-or-later
// Dimension lines and values of the wall.
#include "report/drawing/DimensionFigure.h"

#include <algorithm>

#include "model/Units.h"

namespace kelvadrome {
namespace {

constexpr double kTopLineRise = 240;      // top dimension line above the highest backfill point
constexpr double kBaseLineDrop = 300;     // base width line under the base (or the shear key)
constexpr double kFrontLineOffset = 480;  // front heights, in front of the toe edge
constexpr double kWaterLineOffset = 840;  // front water depth, further out
constexpr double kBackLineOffset = 360;   // back heights, beyond the far end of the backfill
constexpr double kBackWaterOffset = 720;
constexpr double kKeyLineOffset = 240;
constexpr double kSlopeGap = 120;      // slope values above the middle of the backfill surface
constexpr double kLevelSlopeGap = 20;  // ... and above a level one

void SlopeLabels(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project, const ScreenPoints& pt,
                 std::vector<DimensionLabel>& labels) {
  const QString caption = QString::fromUtf8(kSlopeCaption);
  const QString value = FigureNumber(project.backfillSlope);
  const double captionWidth = canvas.TextWidth(caption), valueWidth = canvas.TextWidth(value);
  const double height = canvas.TextHeight();
  const QPointF middle = (pt.P(8) + pt.P(10)) / 2;
  const double left = middle.x() - (captionWidth + valueWidth) / 2;
  // A level surface lies only kTopLineRise under the top dimension line: the values sit close
  // on the surface there, so that they keep clear of that line and its values.
  const double gap = pt.y[8] == pt.y[10] ? kLevelSlopeGap : kSlopeGap;
  const double top = middle.y() - height - gap;
  labels.push_back({kSlopeLabel, caption, QRectF(left, top, captionWidth, height)});
  labels.push_back({14, value, QRectF(left + captionWidth, top, valueWidth, height)});
  if (style.writeDimensionText) {
    canvas.Text(left, top, caption);
    canvas.Text(left + captionWidth, top, value);
  }
}

}  // namespace

std::vector<DimensionLabel> DrawDimensionsFigure(WallCanvas& canvas, const DrawStyle& style,
                                                 const ProjectData& p, const ScreenPoints& pt) {
  std::vector<DimensionLabel> labels;
  const auto text = [](float value) { return FigureNumber(value); };
  const auto horizontal = [&](int index, float value, int from, int to, double yLine, LabelSide side) {
    labels.push_back(DrawDimensionH(canvas, style, index, text(value), pt.x[from], pt.x[to], pt.y[from],
                                    pt.y[to], yLine, side));
  };
  const auto vertical = [&](int index, float value, int from, int to, double xLine, LabelSide side) {
    labels.push_back(DrawDimensionV(canvas, style, index, text(value), pt.y[from], pt.y[to], pt.x[from],
                                    pt.x[to], xLine, side));
  };

  const double top = std::min(pt.y[8], pt.y[10]) - kTopLineRise;
  horizontal(0, p.toeLength, 3, 2, top, LabelSide::above);
  horizontal(1, p.stemFrontBatter, 2, 1, top, LabelSide::above);
  horizontal(2, p.stemTopWidth, 1, 8, top, LabelSide::above);
  horizontal(3, p.stemBackBatter, 8, 7, top, LabelSide::above);
  horizontal(4, p.heelLength, 7, 6, top, LabelSide::above);

  const ShearKeyOutline key = ShearKeyOf(pt.wall, p.shearKeyDepth);
  const bool hasKey = p.shearKeyOption;
  const double underside = hasKey ? pt.Y(key.bottom) : pt.y[4];
  horizontal(5, p.baseWidth, 4, 5, underside + kBaseLineDrop, LabelSide::below);

  const double front = pt.x[4] - kFrontLineOffset;
  vertical(6, p.stemFrontHeight, 1, 2, front, LabelSide::left);
  vertical(7, p.toeTaper, 2, 3, front, LabelSide::left);
  vertical(8, p.toeEdgeThickness, 3, 4, front, LabelSide::left);
  const double back = pt.x[10] + kBackLineOffset;
  vertical(9, p.stemBackHeight, 8, 7, back, LabelSide::right);
  vertical(10, p.heelTaper, 7, 6, back, LabelSide::right);
  vertical(11, p.heelEdgeThickness, 6, 5, back, LabelSide::right);

  if (p.waterOption) {
    labels.push_back(DrawDimensionV(canvas, style, 12, text(p.waterDepthFront), pt.Y(0), pt.Y(p.waterDepthFront),
                                    pt.x[1], pt.x[11], pt.x[4] - kWaterLineOffset, LabelSide::left));
    labels.push_back(DrawDimensionV(canvas, style, 13, text(p.waterDepthBack), pt.Y(0), pt.Y(p.waterDepthBack),
                                    pt.x[8], pt.x[14], pt.x[10] + kBackWaterOffset, LabelSide::right));
  }
  if (hasKey) {
    const double keyBack = pt.X(key.backX);
    labels.push_back(DrawDimensionV(canvas, style, 15, text(p.shearKeyDepth), pt.Y(key.top), pt.Y(key.bottom),
                                    keyBack, keyBack, keyBack + kKeyLineOffset, LabelSide::right));
  }
  // On screen the slope's value is also how the slope is edited, so a level backfill keeps it
  // ("1 : 0.00") to be sloped again; on paper a level backfill needs no slope written.
  if (p.backfillSlope > 0 || !style.writeDimensionText) SlopeLabels(canvas, style, p, pt, labels);
  return labels;
}

void DrawDimensionLegend(WallCanvas& canvas, const ProjectData& project, double left, double bottom) {
  canvas.SetColour(1);
  const std::string label = UnitLabel(UnitQuantity::length, project.unitSystem);
  canvas.Text(left, bottom - 240, QString::fromStdString("Dimensions in " + label));
}

}  // namespace kelvadrome
