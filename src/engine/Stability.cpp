// SPDX-License-Identifier: GPL-3.0-or-later
// The stability analysis: all loads reduced to the base underside, then the resultant, the
// base pressures and the pressure, sliding and overturning checks.
#include "engine/Stability.h"

#include <cmath>

#include "engine/BaseContact.h"
#include "engine/BearingResistance.h"
#include "engine/EarthPressure.h"
#include "engine/EngineNumerics.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"
#include "engine/WaterPressure.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

inline constexpr float kNoFailure = 1e10f;  // safety factor when nothing drives the failure

// The running sums, each rounded to single precision after every addition. The moment is also
// split as it is summed: a positive term resists overturning about the toe, a negative one
// overturns.
struct LoadSums {
  float moment = 0, vertical = 0, horizontal = 0;
  float resisting = 0, overturning = 0;

  void AddMoment(double term) {
    moment = Single(moment + term);
    if (term > 0) resisting = Single(resisting + term);
    if (term < 0) overturning = Single(overturning - term);
  }
  void AddVertical(double term) { vertical = Single(vertical + term); }
  void AddHorizontal(double term) { horizontal = Single(horizontal + term); }
};

// Cosine and sine of a line-load direction; whole multiples of 90° are exact, so that a vertical
// load has no horizontal component at all.
struct Direction {
  double cos, sin;
};
Direction DirectionOf(double degrees) {
  if (std::fmod(degrees, 90.0) == 0) {
    const long quarter = ((std::lround(degrees / 90.0) % 4) + 4) % 4;
    static constexpr Direction kQuarters[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    return kQuarters[quarter];
  }
  const double alpha = Radians(degrees);
  return {std::cos(alpha), std::sin(alpha)};
}

void AddLineLoads(const ProjectData& p, const AnalysisResults& r, LoadSums& sums) {
  if (p.lineLoadCount < 0 || p.lineLoadCount > kMaxLineLoads) {
    throw EngineError("The number of line loads must be 0 to 10.");
  }
  for (int k = 1; k <= p.lineLoadCount; ++k) {
    const LineLoad& load = p.lineLoads[static_cast<size_t>(k)];
    const double f = LoadFactorOf(r, load.loadCase);
    const Direction d = DirectionOf(load.direction);
    const double P = load.load;
    sums.AddMoment((-P * d.cos * load.x + P * d.sin * load.y) * f);
    sums.AddVertical(-P * d.cos * f);
    sums.AddHorizontal(P * d.sin * f);
  }
}

void AddSurcharge(const ProjectData& p, const AnalysisResults& r, LoadSums& sums) {
  const double width = double(p.stemBackBatter) + p.heelLength;  // behind the stem top
  const double W = p.surchargeLoad * LoadFactorOf(r, p.surchargeLoadCase) * width;
  sums.AddMoment(W * (p.baseWidth - width / 2));
  sums.AddVertical(W);
}

// An earth thrust on the virtual back through the heel edge: horizontal resultants 1 and 2
// towards the toe at their depths, and their downward components 3 and 4 at x = B.
void AddEarthThrust(const std::array<float, 5>& force, const std::array<float, 3>& depth,
                    double B, double D, LoadSums& sums) {
  for (size_t j = 1; j <= 2; ++j) {
    sums.AddMoment(-(force[j] * (D - depth[j])));
    sums.AddHorizontal(-double(force[j]));
  }
  for (size_t j = 3; j <= 4; ++j) {
    sums.AddMoment(double(force[j]) * B);
    sums.AddVertical(force[j]);
  }
}

void AddSeismic(const ProjectData& p, const AnalysisResults& r, double D, LoadSums& sums) {
  for (size_t i = 1; i <= kPolygonCount; ++i) {
    sums.AddMoment(-(r.polygonInertia[i] * (D - r.polygonCentroidY[i])));
    sums.AddHorizontal(-double(r.polygonInertia[i]));
  }
  const PressureResults& s = r.pressure;
  AddEarthThrust(s.seismicForce, s.seismicForceDepth, p.baseWidth, D, sums);
  sums.AddMoment(-(s.hydrodynamicForce * (D - s.hydrodynamicDepth)));
  sums.AddHorizontal(-double(s.hydrodynamicForce));
}

void AddWater(const PressureResults& s, double D, LoadSums& sums) {
  for (size_t j = 1; j <= 3; ++j) {  // backfill side, towards the toe
    sums.AddMoment(-(s.waterForce[j] * (D - s.waterForceDepth[j])));
    sums.AddHorizontal(-double(s.waterForce[j]));
  }
  for (size_t j = 4; j <= 6; ++j) {  // toe side, towards the heel
    sums.AddMoment(s.waterForce[j] * (D - s.waterForceDepth[j]));
    sums.AddHorizontal(s.waterForce[j]);
  }
  for (size_t j = 7; j <= 10; ++j) {  // on the battered faces and sloping tops, downward
    sums.AddMoment(double(s.waterForceX[j]) * s.waterForce[j]);
    sums.AddVertical(s.waterForce[j]);
  }
  sums.AddMoment(-(double(s.waterForceX[11]) * s.waterForce[11]));  // uplift
  sums.AddVertical(-double(s.waterForce[11]));
}

void ComputeSafetyFactors(const ProjectData& p, AnalysisResults& r) {
  StabilityResults& s = r.stability;
  if (p.unitSystem < kMetric || p.unitSystem > kBritish) {
    throw EngineError("Unknown unit system " + std::to_string(static_cast<int>(p.unitSystem)) + ".");
  }
  const double unitFactor = StressToPressureFactor(p.unitSystem);
  const double allowable =
      std::fmin(double(p.baseBearingCapacity), double(p.concreteStrength)) * unitFactor;
  s.pressureSafetyFactor =
      Single(Quotient(allowable, std::fmax(double(s.toePressure), double(s.heelPressure)),
                      "no pressure under the base"));

  s.slidingForce = Single(-double(s.sumHorizontal));
  s.baseFriction = Single(s.sumVertical * std::tan(Radians(p.baseFrictionAngle)));
  s.baseCohesionResistance = Single(p.baseWidth * double(p.baseCohesion) * unitFactor);
  float resisting = Single(double(s.baseFriction) + s.baseCohesionResistance);
  if (p.restraintForceOption) resisting = Single(double(resisting) + p.restraintForce);
  if (p.toePassiveOption) {
    ComputePassivePressure(p, r);
    resisting = Single(resisting + (double(r.pressure.passiveForce[1]) + r.pressure.passiveForce[2]));
  }
  if (p.shearKeyOption) {
    ComputePassivePressure(p, r);
    resisting = Single(double(resisting) + r.pressure.passiveForce[3]);
  }
  s.resistingForce = resisting;
  s.slidingSafetyFactor = s.slidingForce != 0
                              ? Single(double(s.resistingForce) / s.slidingForce)
                              : kNoFailure;
}

}  // namespace

void ComputeStability(const ProjectData& p, AnalysisResults& r, MessageSink& sink) {
  r.stability.bearing = {};  // the service analysis computes it afterwards
  LoadSums sums;
  const double D = r.wallOutlineY[4];

  AddLineLoads(p, r, sums);
  AddSurcharge(p, r, sums);

  // Self-weight of the wall and weight of the earth over the base.
  ComputeWallPolygons(p, r);
  for (size_t i = 1; i <= kPolygonCount; ++i) {
    sums.AddMoment(double(r.polygonCentroidX[i]) * r.polygonWeight[i]);
    sums.AddVertical(r.polygonWeight[i]);
  }

  ComputeSeismicPressureWithPolygons(p, r, sink);
  AddSeismic(p, r, D, sums);

  ComputeActivePressure(p, r, sink);
  ComputePassivePressure(p, r);  // not a load: it enters only the sliding resistance
  AddEarthThrust(r.pressure.activeForce, r.pressure.activeForceDepth, p.baseWidth, D, sums);

  ComputeWaterPressure(p, r);
  AddWater(r.pressure, D, sums);

  StabilityResults& s = r.stability;
  s.sumMoment = sums.moment;
  s.sumVertical = sums.vertical;
  s.sumHorizontal = sums.horizontal;
  s.resistingMoment = sums.resisting;
  s.overturningMoment = sums.overturning;
  s.overturningSafetyFactor =
      sums.overturning != 0 ? Single(double(sums.resisting) / sums.overturning) : kNoFailure;

  const double B = p.baseWidth;
  s.baseWidthUsed = p.baseWidth;
  s.resultantX = Single(Quotient(s.sumMoment, s.sumVertical,
                                 "the vertical forces on the base add up to zero, so the "
                                 "resultant cannot be placed"));
  s.eccentricity = Single(s.resultantX - B / 2);
  s.eccentricMoment = Single(double(s.eccentricity) * s.sumVertical);
  const double meanPressure = Quotient(s.sumVertical, B, "the base width is zero");
  s.toePressure = Single(meanPressure * (1 - 6 * s.eccentricity / B));
  s.heelPressure = Single(meanPressure * (1 + 6 * s.eccentricity / B));

  // A resultant outside the base overturns the wall. One exactly at an edge leaves no contact
  // width to carry the load, so it is not stable either.
  if (s.resultantX <= 0 || s.resultantX >= p.baseWidth) {
    s.wallStable = false;
    return;
  }
  ComputeBaseContact(p, r.wallOutlineX[7], s);
  s.wallStable = true;
  ComputeSafetyFactors(p, r);
}

void RunServiceAnalysis(const ProjectData& p, AnalysisResults& r, MessageSink& sink) {
  r.slopeAdjusted = false;
  r.adjustedSlope.reset();
  SetServiceLoadFactors(r);
  ComputeWallOutline(p, r);
  ComputeStability(p, r, sink);
  ComputeBearingResistance(p, r);
}

}  // namespace kelvadrome
