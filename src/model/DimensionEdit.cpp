// SPDX-License-Identifier: GPL-3.0-or-later
// Dimension editing on the drawing: the label-to-field table and the order in which the other
// dimensions are fitted after one of them changed.
#include "model/DimensionEdit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "model/Units.h"

namespace kelvadrome {

namespace {

constexpr std::array<float ProjectData::*, kDimensionLabelCount> kLabelFields{
    &ProjectData::toeLength,        &ProjectData::stemFrontBatter,   &ProjectData::stemTopWidth,
    &ProjectData::stemBackBatter,   &ProjectData::heelLength,        &ProjectData::baseWidth,
    &ProjectData::stemFrontHeight,  &ProjectData::toeTaper,          &ProjectData::toeEdgeThickness,
    &ProjectData::stemBackHeight,   &ProjectData::heelTaper,         &ProjectData::heelEdgeThickness,
    &ProjectData::waterDepthFront,  &ProjectData::waterDepthBack,    &ProjectData::backfillSlope,
    &ProjectData::shearKeyDepth,
};

float ProjectData::*FieldOf(int labelIndex) {
  if (labelIndex < 0 || labelIndex >= kDimensionLabelCount)
    throw std::out_of_range("dimension label index out of range");
  return kLabelFields[static_cast<std::size_t>(labelIndex)];
}

float Stored(double value) { return static_cast<float>(value); }

double FrontTotal(const ProjectData& p) {
  return double(p.stemFrontHeight) + p.toeTaper + p.toeEdgeThickness;
}

double BackTotal(const ProjectData& p) {
  return double(p.stemBackHeight) + p.heelTaper + p.heelEdgeThickness;
}

void SumBaseWidth(ProjectData& p) {
  p.baseWidth = Stored(double(p.toeLength) + p.stemFrontBatter + p.stemTopWidth + p.stemBackBatter +
                       p.heelLength);
}

// A new base width is taken from the toe first, then the heel, the stem top, the front batter
// and last the back batter, so that no part becomes negative.
void FitPartsToBaseWidth(ProjectData& p) {
  const double width = p.baseWidth;
  p.toeLength = Stored(width - p.stemFrontBatter - p.stemTopWidth - p.stemBackBatter - p.heelLength);
  if (p.toeLength >= 0) return;
  p.toeLength = 0;
  p.heelLength = Stored(width - p.stemFrontBatter - p.stemTopWidth - p.stemBackBatter);
  if (p.heelLength >= 0) return;
  p.heelLength = 0;
  p.stemTopWidth = Stored(width - p.stemFrontBatter - p.stemBackBatter);
  if (p.stemTopWidth >= 0) return;
  p.stemTopWidth = 0;
  p.stemFrontBatter = Stored(width - p.stemBackBatter);
  if (p.stemFrontBatter >= 0) return;
  p.stemFrontBatter = 0;
  p.stemBackBatter = Stored(width);
}

// The back side follows a changed front side: the back stem height first, then the heel edge
// thickness, and what is still missing goes to the heel taper.
void FitBackSide(ProjectData& p) {
  const double front = FrontTotal(p);
  p.stemBackHeight = Stored(front - p.heelTaper - p.heelEdgeThickness);
  if (p.stemBackHeight >= 0) return;
  p.stemBackHeight = 0;
  p.heelEdgeThickness = Stored(front - p.heelTaper);
  if (p.heelEdgeThickness >= 0) return;
  p.heelEdgeThickness = 0;
  p.heelTaper = Stored(front);
}

// The mirror image of FitBackSide for a changed back side.
void FitFrontSide(ProjectData& p) {
  const double back = BackTotal(p);
  p.stemFrontHeight = Stored(back - p.toeTaper - p.toeEdgeThickness);
  if (p.stemFrontHeight >= 0) return;
  p.stemFrontHeight = 0;
  p.toeEdgeThickness = Stored(back - p.toeTaper);
  if (p.toeEdgeThickness >= 0) return;
  p.toeEdgeThickness = 0;
  p.toeTaper = Stored(back);
}

void StoreAndFit(ProjectData& p, int labelIndex, double v) {
  switch (labelIndex) {
    case 0: case 1: case 2: case 3: case 4:
      p.*FieldOf(labelIndex) = Stored(v);
      SumBaseWidth(p);
      break;
    case 5:
      p.baseWidth = Stored(v);
      FitPartsToBaseWidth(p);
      break;
    case 6:
      p.stemFrontHeight = Stored(std::max(v, kMinimumStemHeight));
      FitBackSide(p);
      break;
    case 7: case 8:
      p.*FieldOf(labelIndex) = Stored(v);
      FitBackSide(p);
      break;
    case 9:
      p.stemBackHeight = Stored(std::max(v, kMinimumStemHeight));
      FitFrontSide(p);
      break;
    case 10: case 11:
      p.*FieldOf(labelIndex) = Stored(v);
      FitFrontSide(p);
      break;
    default:  // water depths, backfill slope, shear key depth
      p.*FieldOf(labelIndex) = Stored(v);
      break;
  }
}

// A toe or heel without thickness cannot have a length. The base width then loses that length
// too, so that it stays the sum of its parts.
void DropLengthsWithoutThickness(ProjectData& p) {
  bool changed = false;
  if (double(p.toeTaper) + p.toeEdgeThickness == 0 && p.toeLength != 0) {
    p.toeLength = 0;
    changed = true;
  }
  if (double(p.heelTaper) + p.heelEdgeThickness == 0 && p.heelLength != 0) {
    p.heelLength = 0;
    changed = true;
  }
  if (changed) SumBaseWidth(p);
}

void KeepWaterWithinWall(ProjectData& p) {
  const double total = FrontTotal(p);
  if (p.waterDepthFront > total) p.waterDepthFront = Stored(total);
  if (p.waterDepthBack > total) p.waterDepthBack = Stored(total);
  if (!p.waterOption) p.waterDepthFront = p.waterDepthBack = Stored(total);
}

}  // namespace

float DimensionFieldValue(const ProjectData& project, int labelIndex) {
  return project.*FieldOf(labelIndex);
}

double DimensionLabelValue(const ProjectData& project, int labelIndex) {
  return RoundTo(DimensionFieldValue(project, labelIndex), 2);
}

bool ApplyDimensionEdit(ProjectData& project, int labelIndex, double enteredValue) {
  (void)FieldOf(labelIndex);  // an unknown label is a programming fault, whatever the value
  if (!std::isfinite(enteredValue) || enteredValue < 0) return false;
  // The label shows two decimals; the value stored is the one the label shows (+ 0.0 drops a
  // negative zero).
  const double v = RoundTo(enteredValue, 2) + 0.0;
  ProjectData edited = project;
  StoreAndFit(edited, labelIndex, v);
  DropLengthsWithoutThickness(edited);
  KeepWaterWithinWall(edited);
  // A value beyond single precision, or sums of such values, would leave infinite dimensions.
  for (int i = 0; i < kDimensionLabelCount; ++i)
    if (!std::isfinite(DimensionFieldValue(edited, i))) return false;
  project = std::move(edited);
  return true;
}

}  // namespace kelvadrome
