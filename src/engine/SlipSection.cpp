// SPDX-License-Identifier: GPL-3.0-or-later
// The slip section: a project and its service outline turned into the few numbers a slip
// circle needs, once per search rather than once per circle.
#include "engine/SlipSection.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineNumerics.h"
#include "engine/WallGeometry.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

// The straight line from (xa, ya) to (xb, yb) at x; a vertical edge gives its lower end.
double Along(double x, double xa, double ya, double xb, double yb) {
  if (xb == xa) return std::max(ya, yb);
  return ya + (yb - ya) * (x - xa) / (xb - xa);
}

SlipSoil Soil(double moist, double saturated, double frictionDegrees, double cohesionStress,
              double stressToPressure) {
  SlipSoil s;
  s.moist = moist;
  s.saturated = saturated;
  s.frictionDegrees = frictionDegrees;
  s.tanFriction = std::tan(Radians(frictionDegrees));
  s.cohesion = cohesionStress * stressToPressure;
  return s;
}

// Cosine and sine of a line-load direction (0° up, 90° towards the heel); whole quarter turns
// are exact so that a vertical load has no horizontal component.
void LineLoadComponents(const LineLoad& load, double& down, double& towardsToe) {
  double c = 0, s = 0;
  if (std::fmod(double(load.direction), 90.0) == 0) {
    const long quarter = ((std::lround(load.direction / 90.0) % 4) + 4) % 4;
    constexpr double kCos[] = {1, 0, -1, 0};
    constexpr double kSin[] = {0, 1, 0, -1};
    c = kCos[quarter];
    s = kSin[quarter];
  } else {
    c = std::cos(Radians(load.direction));
    s = std::sin(Radians(load.direction));
  }
  down = -double(load.load) * c;
  towardsToe = -double(load.load) * s;
}

}  // namespace

double SlipSection::Ground(double x) const {
  if (x <= 0) return y3;
  if (x <= T) return Along(x, 0, y3, T, y2);
  if (x <= x1) return Along(x, T, y2, x1, 0);
  if (x <= x8) return 0;
  return -(x - x8) * slopeRise;
}

double SlipSection::ConcreteTop(double x) const {
  if (x <= x8) return Ground(x);
  if (x <= x7) return Along(x, x8, 0, x7, y7);
  return Along(x, x7, y7, B, y6);
}

double SlipSection::LevelBelowBase(double x) const {
  if (x <= 0) return frontLevel;
  if (x >= B) return backLevel;
  return frontLevel + (backLevel - frontLevel) * x / B;
}

double SlipSection::WaterLevel(double x, double y) const {
  if (y > D || x <= 0 || x >= B) return LevelBelowBase(x);
  return x >= x8 ? backLevel : frontLevel;  // above D between the edges only backfill is soil
}

SlipSection BuildSlipSection(const ProjectData& p) {
  AnalysisResults service;
  ComputeWallOutline(p, service);
  const auto X = [&](int point) { return double(service.wallOutlineX[static_cast<size_t>(point)]); };
  const auto Y = [&](int point) { return double(service.wallOutlineY[static_cast<size_t>(point)]); };
  SlipSection s;
  s.T = X(2);
  s.x1 = X(1);
  s.x8 = X(8);
  s.x7 = X(7);
  s.B = X(5);
  s.y2 = Y(2);
  s.y3 = Y(3);
  s.y6 = Y(6);
  s.y7 = Y(7);
  s.D = Y(4);
  s.slopeRise = p.backfillSlope > 0 ? 1.0 / double(p.backfillSlope) : 0.0;
  s.hasKey = p.shearKeyOption;
  s.keyBottom = s.D + double(p.shearKeyDepth);

  const double toPressure = StressToPressureFactor(p.unitSystem);
  s.concreteWeight = p.concreteUnitWeight;
  s.backfill = Soil(p.backfillUnitWeight, p.backfillSaturatedDensity, p.backfillFrictionAngle,
                    p.backfillCohesion, toPressure);
  s.toe = Soil(p.toeUnitWeight, p.toeSaturatedDensity, p.toeFrictionAngle, p.toeCohesion, toPressure);
  s.foundation = Soil(p.foundationUnitWeight, p.foundationSaturatedDensity, p.baseFrictionAngle,
                      p.baseCohesion,
                      toPressure);

  s.hasWater = p.waterOption;
  s.waterWeight = p.waterUnitWeight;
  s.frontLevel = p.waterDepthFront;
  s.backLevel = p.waterDepthBack;
  if (s.hasWater && s.frontLevel < s.y3) {
    const double h = s.y3 - s.frontLevel;
    s.frontThrust = 0.5 * s.waterWeight * h * h;
    s.frontThrustDepth = s.y3 - h / 3;
  }

  s.surcharge = p.surchargeLoad;
  s.seismic = p.seismicOption ? double(p.seismicCoefficient) : 0.0;

  if (p.lineLoadCount < 0 || p.lineLoadCount > kMaxLineLoads) {
    throw EngineError("The number of line loads must be 0 to 10.");
  }
  for (int k = 1; k <= p.lineLoadCount; ++k) {
    const LineLoad& load = p.lineLoads[static_cast<size_t>(k)];
    SlipLineLoad& l = s.lineLoads[static_cast<size_t>(s.lineLoadCount++)];
    l.x = load.x;
    l.y = s.D - double(load.y);
    LineLoadComponents(load, l.down, l.towardsToe);
  }

  for (int point = 1; point <= 8; ++point) {
    s.mustContain[static_cast<size_t>(s.pointCount++)] = {X(point), Y(point)};
  }
  if (s.hasKey) {
    s.mustContain[static_cast<size_t>(s.pointCount++)] = {s.x1, s.keyBottom};
    s.mustContain[static_cast<size_t>(s.pointCount++)] = {s.x8, s.keyBottom};
  }
  s.wallHeight = s.D - std::min(0.0, Y(10));
  return s;
}

}  // namespace kelvadrome
