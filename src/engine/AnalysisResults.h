// SPDX-License-Identifier: GPL-3.0-or-later
// The results of one analysis of the wall (service or factored): load factors, outline points,
// polygons, earth and water pressures and the stability. Each run fills its own object and
// hands it back by value; the values of one run never depend on an earlier one.
#pragma once

#include <array>
#include <optional>

#include "model/ProjectData.h"

namespace kelvadrome {

// Outline points are numbered 1..49; indices 0, 9, 19, 20, 29, 30, 37..39 and 50 are never
// written and stay 0.
inline constexpr int kOutlineLastIndex = 50;
inline constexpr int kPolygonCount = 17;

using OutlineArray = std::array<float, kOutlineLastIndex + 1>;  // 0..50
using PolygonArray = std::array<float, kPolygonCount + 1>;       // 1..17, 0 unused
using LoadFactors = std::array<float, kLoadCaseCount + 1>;       // 1..7 by load case, 0 unused

// Earth and water pressure. Depths are y values (downward from the stem top), x from the toe
// edge. Forces are per unit length of wall, already multiplied by their load factors.
struct PressureResults {
  // Static active earth pressure on the vertical through the heel edge.
  float activeCoefficient = 0;                  // KA (Coulomb)
  std::array<float, 3> activePressure{};        // 0: backfill surface above the heel edge,
                                                // 1: back water table, 2: base underside
  float activeBottomPressure = 0;               // copy of activePressure[2]
  std::array<float, 5> activeForce{};           // 1, 2: horizontal above / below the back water
                                                // table (towards the toe); 3, 4: their
                                                // downward components
  std::array<float, 3> activeForceDepth{};      // 1..2: depth of activeForce[1..2]
  std::array<float, 5> activeForceX{};          // 3..4: x of activeForce[3..4], always B

  // Seismic increment (Mononobe-Okabe) and hydrodynamic thrust (Westergaard).
  float seismicIncrementCoefficient = 0;        // ΔKAE = KAE - KA, never below 0
  std::array<float, 3> seismicPressure{};       // 1..2: top ordinates of the two triangles
  std::array<float, 5> seismicForce{};          // as activeForce
  std::array<float, 3> seismicForceDepth{};     // 1..2
  std::array<float, 5> seismicForceX{};         // 3..4, always B
  float hydrodynamicForce = 0;                  // toe-side water, towards the toe
  float hydrodynamicBasePressure = 0;           // its ordinate at the base underside
  float hydrodynamicDepth = 0;                  // depth of its resultant

  // Passive earth pressure on the toe side.
  std::array<float, 4> passivePressure{};       // 0: toe edge top, 1: toe-side water table,
                                                // 2: base underside, 3: bottom of the shear key
  std::array<float, 4> passiveForce{};          // 1: above water, 2: below water, 3: key
  std::array<float, 4> passiveForceDepth{};     // 1..3

  // Hydrostatic water pressure. Ordinates 1..3 backfill side at Hb, heel edge top, D;
  // 4..6 toe side at Hf, toe edge top, D; 7, 8 copies of 1, 2 (vertical load on the back batter
  // and heel top); 9, 10 copies of 4, 5; 11, 12 uplift under the toe edge and the heel edge.
  std::array<float, 13> waterPressure{};        // 1..12
  // Forces 1..3 towards the toe (stem back, heel top, heel edge face), 4..6 towards the heel
  // (stem front, toe top, toe edge face), 7..10 downward (back batter, heel top, front batter,
  // toe top), 11 upward (uplift).
  std::array<float, 12> waterForce{};           // 1..11
  std::array<float, 7> waterForceDepth{};       // 1..6
  std::array<float, 12> waterForceX{};          // 7..11
  float maxWaterPressure = 0;                   // largest of waterPressure[1..12]

  bool operator==(const PressureResults&) const = default;
};

// The bearing resistance of the base: a strip on drained soil (undrained when the base friction
// angle is 0) with the effective width B' = B - 2|e|, from the service results. Values in the
// project's units.
struct BearingResults {
  // False when ΣV <= 0 or the wall is not stable (or a factor would not fit in single
  // precision): nothing is shown but "N/A".
  bool computed = false;
  // False in the cases where the base carries nothing (B' <= 0, the load too inclined, q_ult
  // <= 0): the inclination factors are not available and q_ult, R and the safety factor are 0.
  bool hasResistance = false;
  float effectiveWidth = 0;       // B'
  float eccentricity = 0;         // e = x̄ - B/2
  float horizontalLoad = 0;       // H that base friction and cohesion must carry, >= 0
  float overburden = 0;           // q' beside the toe at base level
  float effectiveUnitWeight = 0;  // γ' of the earth under the base
  float Nq = 0, Nc = 0, Ngamma = 0;
  float iq = 0, ic = 0, igamma = 0;
  float ultimatePressure = 0;     // q_ult
  float resistance = 0;           // R = q_ult·B'
  float safetyFactor = 0;         // R / ΣV

  bool operator==(const BearingResults&) const = default;
};

// The loads reduced to the base underside and the checks made with them. Moments are about the
// toe edge at the base underside (point 4); vertical forces positive downward, horizontal ones
// positive towards the heel.
struct StabilityResults {
  float sumMoment = 0;               // ΣM
  float sumVertical = 0;             // ΣV
  float sumHorizontal = 0;           // ΣH
  float baseWidthUsed = 0;           // B
  float resultantX = 0;              // x̄ = ΣM / ΣV, from the toe edge
  float eccentricity = 0;            // e = x̄ - B/2, positive towards the heel
  float eccentricMoment = 0;         // e·ΣV, about the middle of the base
  float toePressure = 0;             // base pressure at x = 0
  float heelPressure = 0;            // base pressure at x = B
  float contactWidth = 0;            // width of the base in compression
  std::array<float, 4> basePressure{};      // at x = 0, T, x7, B
  std::array<float, 4> baseSegmentForce{};  // 1: toe (0..T), 2: stem (T..x7), 3: heel (x7..B)
  std::array<float, 4> baseSegmentX{};      // 1..3: x of those reactions
  float pressureSafetyFactor = 0;    // allowable / largest base pressure
  float slidingForce = 0;            // -ΣH, net horizontal force towards the toe
  float baseFriction = 0;            // ΣV·tan(base friction angle)
  float baseCohesionResistance = 0;  // B·cohesion
  float resistingForce = 0;          // total sliding resistance
  float slidingSafetyFactor = 0;     // resistingForce / slidingForce, 1E10 without sliding force
  bool wallStable = false;           // the resultant falls inside the base

  // Overturning about the toe edge: every positive term of ΣM resists, every negative term
  // overturns. Computed in every run, also for a wall that is not stable.
  float resistingMoment = 0;
  float overturningMoment = 0;
  float overturningSafetyFactor = 0;  // resisting / overturning, 1E10 when nothing overturns

  // Computed by the service analysis only; every other run leaves it not computed.
  BearingResults bearing;

  bool operator==(const StabilityResults&) const = default;
};

struct AnalysisResults {
  LoadFactors loadFactor{};  // factors of the analysis in progress, by load case 1..7

  OutlineArray wallOutlineX{};  // points 1..49 (see WallGeometry.h)
  OutlineArray wallOutlineY{};

  // The seventeen wall and soil polygons (vertex lists in WallGeometry.h): area, centroid,
  // weight (dead load) and horizontal seismic inertia force.
  PolygonArray polygonArea{};
  PolygonArray polygonCentroidX{};
  PolygonArray polygonCentroidY{};
  PolygonArray polygonWeight{};
  PolygonArray polygonInertia{};

  PressureResults pressure;
  StabilityResults stability;

  // Set when a slope rule flattened the backfill slope in this run (in a factored analysis: in
  // this case); adjustedSlope then holds the flattened ratio, with which the rest of the run
  // computes. The project itself keeps the slope it was given: the caller decides what to do
  // with the new one.
  bool slopeAdjusted = false;
  std::optional<float> adjustedSlope;

  bool operator==(const AnalysisResults&) const = default;
};

// The backfill slope ratio a run computes its pressures and forces with: the project's, until a
// slope rule has flattened it. (The outline of a run is drawn with the project's own slope.)
[[nodiscard]] inline float SlopeInForce(const ProjectData& project, const AnalysisResults& results) {
  return results.adjustedSlope.value_or(project.backfillSlope);
}

}  // namespace kelvadrome
