// SPDX-License-Identifier: GPL-3.0-or-later
// The cross-section seen by a deep slip circle: the ground surface, the concrete, the three
// soils with their water, the surcharge, the line loads and the seismic coefficient, all taken
// from a project and its wall outline. Service values (every factor 1).
#pragma once

#include <array>

#include "engine/AnalysisResults.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// A soil's unit weights above and below the piezometric level and its strength (cohesion
// already in the pressure unit).
struct SlipSoil {
  double moist = 0;
  double saturated = 0;
  double frictionDegrees = 0;
  double tanFriction = 0;
  double cohesion = 0;
};

// A point of the wall outline in the section.
using SlipPoint = PlanePoint;

// A line load inside the section: its point (y downward like every depth), its downward and its
// horizontal component towards the toe.
struct SlipLineLoad {
  double x = 0;
  double y = 0;
  double down = 0;
  double towardsToe = 0;
};

// Every depth is a y value (downward from the stem top), every x from the toe edge.
struct SlipSection {
  // Concrete outline: toe length, stem top front and back, foot of the back face, base width;
  // depths of the stem feet, the toe edge top, the heel edge top and the base underside.
  double T = 0, x1 = 0, x8 = 0, x7 = 0, B = 0;
  double y2 = 0, y3 = 0, y6 = 0, y7 = 0, D = 0;
  double slopeRise = 0;  // rise per unit run of the backfill surface behind point 8 (1/n, or 0)
  double keyBottom = 0;  // depth of the shear key's bottom; only with hasKey
  bool hasKey = false;

  double concreteWeight = 0;
  SlipSoil backfill, toe, foundation;

  bool hasWater = false;
  double waterWeight = 0;
  double frontLevel = 0;  // Pw
  double backLevel = 0;   // Qw
  double frontThrust = 0;       // Hw towards the heel, 0 without free water over the toe earth
  double frontThrustDepth = 0;  // its depth

  double surcharge = 0;  // per horizontal length, on the backfill surface behind point 8
  double seismic = 0;    // kh, 0 when the seismic option is off

  int lineLoadCount = 0;
  std::array<SlipLineLoad, kMaxLineLoads> lineLoads{};

  // The points a circle must hold strictly inside: outline points 1..8 and, with a key, its
  // bottom corners.
  int pointCount = 0;
  std::array<SlipPoint, 10> mustContain{};

  // The wall's height including the backfill rise at the heel edge: D - min(0, y10).
  double wallHeight = 0;

  // Ground surface (top of solid material) at x.
  [[nodiscard]] double Ground(double x) const;
  // Top of the concrete for 0 <= x <= B.
  [[nodiscard]] double ConcreteTop(double x) const;
  // Piezometric level that holds at the point (x, y); only meaningful with hasWater.
  [[nodiscard]] double WaterLevel(double x, double y) const;
  // The level below the base underside at x: straight from Pw at the toe edge to Qw at the heel
  // edge, as the uplift of the stability analysis, and Pw or Qw beyond them.
  [[nodiscard]] double LevelBelowBase(double x) const;
};

// Builds the section from the project, with the backfill slope as the service analysis left it
// (a slope rule may have flattened it) and the outline recomputed from that slope: the analysis
// that flattened the slope began with the outline of the old one.
[[nodiscard]] SlipSection BuildSlipSection(const ProjectData& project);

}  // namespace kelvadrome
