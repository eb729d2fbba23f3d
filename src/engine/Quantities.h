// SPDX-License-Identifier: GPL-3.0-or-later
// Material quantities and cost of the wall per unit length: concrete, formwork, the main bars
// of the six design columns, the distribution steel, and their cost at the project's prices.
#pragma once

#include <array>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Per unit length of wall, in the project's system: m³/m, m²/m and kg/m in Metric and SI,
// ft³/ft, ft²/ft and lb/ft in British.
struct Quantities {
  float concrete = 0;  // the outline 1..8, plus the shear key when there is one
  float formwork = 0;  // the formed faces: stem front and back, toe edge, heel edge
  std::array<float, kDesignColumnCount + 1> mainSteel{};  // 1..6; 0 for a column without bars
  float distributionSteel = 0;
  float steel = 0;  // main and distribution
  float cost = 0;
  bool operator==(const Quantities&) const = default;
};

// 7850 kg/m³, or 490 lb/ft³ in British.
[[nodiscard]] double SteelDensity(UnitSystem unitSystem);

// The minimum shrinkage and temperature ratio of the distribution bars along the wall.
inline constexpr double kDistributionSteelRatio = 0.0018;

// Everything that follows from the outline alone: concrete, formwork, distribution steel and
// their cost (no main steel). It is the least cost any reinforcement of this wall can have.
[[nodiscard]] Quantities ComputeConcreteQuantities(const ProjectData& project,
                                                   const AnalysisResults& outline);

// The quantities of a completed design: the outline in `outline` (ComputeWallOutline) and the
// bars in project.barDiameters and barPitches. A column whose diameter or pitch is not above 0
// has no main steel.
[[nodiscard]] Quantities ComputeQuantities(const ProjectData& project, const AnalysisResults& outline);

// The main steel of one column: bar area per unit length × bar length × steel density.
[[nodiscard]] double ColumnSteelMass(const ProjectData& project, const AnalysisResults& outline,
                                     int column);

}  // namespace kelvadrome
