// SPDX-License-Identifier: GPL-3.0-or-later
// Defaults of the unit prices and of the optimiser's settings, and the table of the eight
// dimensions the optimiser may vary.
#include "model/OptimiserDefaults.h"

#include <stdexcept>

namespace kelvadrome {

namespace {

struct DimensionRow {
  float ProjectData::*field;
  std::string_view key;
  std::string_view caption;
  bool variedByDefault;
  double metricMinimum;   // m
  double britishMinimum;  // ft
  double maximumShare;    // of D, the depth of the base underside
};

constexpr std::array<DimensionRow, kOptimisedDimensionCount> kDimensions{{
    {&ProjectData::toeLength, "toeLength", "Toe length", true, 0, 0, 0.6},
    {&ProjectData::heelLength, "heelLength", "Heel length", true, 0, 0, 1.2},
    {&ProjectData::stemTopWidth, "stemTopWidth", "Stem top width", true, 0.2, 8.0 / 12, 0.15},
    {&ProjectData::stemBackBatter, "stemBackBatter", "Stem back batter", true, 0, 0, 0.1},
    {&ProjectData::stemFrontBatter, "stemFrontBatter", "Stem front batter", false, 0, 0, 0.1},
    {&ProjectData::toeEdgeThickness, "toeEdgeThickness", "Toe edge thickness", true, 0.3, 1, 0.15},
    {&ProjectData::heelEdgeThickness, "heelEdgeThickness", "Heel edge thickness", true, 0.3, 1, 0.15},
    {&ProjectData::shearKeyDepth, "shearKeyDepth", "Shear key depth", true, 0, 0, 0.2},
}};

const DimensionRow& Row(int dimension) {
  if (dimension < 0 || dimension >= kOptimisedDimensionCount) {
    throw std::out_of_range("optimised dimension index out of range");
  }
  return kDimensions[static_cast<std::size_t>(dimension)];
}

}  // namespace

UnitPrices DefaultUnitPrices(UnitSystem unitSystem) {
  if (unitSystem == kBritish) return {4.25f, 3.25f, 0.60f};
  return {150.0f, 35.0f, 1.3f};
}

OptimiserTargets DefaultOptimiserTargets() {
  OptimiserTargets t;
  t.withoutSeismic = {1.5f, 2.0f, 3.0f, 2.5f, 1.5f};
  t.withSeismic = {1.1f, 1.5f, 2.0f, 2.0f, 1.1f};
  t.resultantRule = true;
  t.bearingCheck = true;
  t.globalCheck = false;
  return t;
}

OptimiserVariables DefaultOptimiserVariables(const ProjectData& project) {
  const double depth = project.TotalHeightFront();
  OptimiserVariables variables{};
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    const DimensionRow& row = Row(d);
    OptimiserVariable& v = variables[static_cast<std::size_t>(d)];
    v.vary = row.variedByDefault;
    v.minimum = static_cast<float>(project.unitSystem == kBritish ? row.britishMinimum : row.metricMinimum);
    v.maximum = static_cast<float>(row.maximumShare * depth);
  }
  return variables;
}

double OptimiserStep(UnitSystem unitSystem) { return unitSystem == kBritish ? 2.0 / 12 : 0.05; }

float ProjectData::*OptimisedDimensionField(int dimension) { return Row(dimension).field; }
std::string_view OptimisedDimensionKey(int dimension) { return Row(dimension).key; }
std::string_view OptimisedDimensionCaption(int dimension) { return Row(dimension).caption; }

void KeepDefaultCostSettings(ProjectData& converted, const ProjectData& original) {
  if (original.prices == DefaultUnitPrices(original.unitSystem)) {
    converted.prices = DefaultUnitPrices(converted.unitSystem);
  }
  if (original.optimiserVariables == DefaultOptimiserVariables(original)) {
    converted.optimiserVariables = DefaultOptimiserVariables(converted);
  }
}

}  // namespace kelvadrome
