// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator's computation. Each result is rounded to single precision where it
// is stored, and later results build on the stored values, as the calculator's grid shows them.
#include "calculator/SoilPressureCalculator.h"

#include <cmath>
#include <optional>

#include "engine/EngineError.h"
#include "engine/InternalEarthCoefficient.h"

namespace kelvadrome {

namespace {

[[nodiscard]] double Radians(double degrees) { return degrees * (std::atan(1.0) / 45.0); }

// A result as stored and shown; one too large for single precision (or not a number) ends the
// computation, as it does in the wall analysis, instead of showing "N/A" in the grid.
[[nodiscard]] float Stored(double value) {
  const auto stored = static_cast<float>(value);
  if (!std::isfinite(stored)) {
    throw EngineError(std::isnan(value) ? "Invalid floating-point operation in the soil pressure calculation."
                                        : "Overflow: a result of the soil pressure calculation is too large.");
  }
  return stored;
}

struct Angles {
  double phi = 0, beta = 0, delta = 0, theta = 0, psi = 0;
};

[[nodiscard]] std::optional<double> Coefficient(const Angles& a, EarthState state, double psi) {
  return InclinedFaceEarthCoefficient(state, a.phi, a.beta, a.delta, a.theta, psi);
}

[[nodiscard]] float StaticCoefficient(const Angles& a, EarthState state, const char* name) {
  const std::optional<double> k = Coefficient(a, state, 0.0);
  if (!k) throw EngineError(std::string("The ") + name + " pressure coefficient cannot be computed for these angles.");
  return Stored(*k);
}

[[nodiscard]] double Divisor(float force) { return force == 0.0f ? 0.00001 : double(force); }

struct Layer {
  double wet = 0, saturated = 0, water = 0, depth = 0, waterDepth = 0, surcharge = 0;
  double cosTheta = 1, cosThetaBeta = 1;
};

// Depths of the three resultants from the ordinates already stored in the case.
void SetResultantDepths(const Layer& s, CalculatorCaseResult& c) {
  const double hw = s.waterDepth;
  const double below = s.depth - s.waterDepth;
  const double m1 = hw * hw * (double(c.pTop) / 6 + double(c.pWt) / 3);
  const double m2 = below * below * (double(c.pWt2) / 6 + double(c.pBot) / 3);
  c.z1 = Stored(m1 / Divisor(c.F1));
  c.z2 = Stored(hw + m2 / Divisor(c.F2));
  c.z = Stored((double(c.F1) * c.z1 + double(c.F2) * c.z2) / Divisor(c.F));
}

void SetForces(const Layer& s, CalculatorCaseResult& c) {
  const double below = s.depth - s.waterDepth;
  c.F1 = Stored((double(c.pTop) + c.pWt) / 2 * s.waterDepth / s.cosTheta);
  c.F2 = Stored((double(c.pWt2) + c.pBot) / 2 * below / s.cosTheta);
  c.F = Stored(double(c.F1) + c.F2);
  SetResultantDepths(s, c);
}

[[nodiscard]] CalculatorCaseResult NormalCase(const Layer& s, float k) {
  CalculatorCaseResult c;
  c.K = k;
  c.pTop = Stored(s.surcharge * k * s.cosTheta / s.cosThetaBeta);
  c.pWt = Stored(double(c.pTop) + k * s.wet * s.waterDepth);
  c.pWt2 = c.pWt;
  c.pBot = Stored(double(c.pWt) + k * (s.saturated - s.water) * (s.depth - s.waterDepth));
  SetForces(s, c);
  return c;
}

// The increment is added to the full top ordinate and, below the water table, uses the
// saturated density; this is the calculator's own diagram, not the wall analysis's triangle.
[[nodiscard]] CalculatorCaseResult SeismicCase(const Layer& s, std::optional<double> seismicK, float k) {
  CalculatorCaseResult c;
  if (!seismicK) {
    c.available = false;
    return c;
  }
  c.K = Stored(*seismicK);
  const double increment = double(c.K) - k;
  const double below = s.depth - s.waterDepth;
  const double surchargeOrdinate = s.surcharge * k * s.cosTheta / s.cosThetaBeta;
  c.pTop = Stored(surchargeOrdinate + increment * s.wet * s.depth);
  const double upper = double(c.pTop) + k * s.wet * s.waterDepth;
  c.pWt = Stored(upper + increment * s.wet * below);
  c.pWt2 = Stored(upper + increment * s.saturated * below);
  c.pBot = Stored(double(c.pWt2) + k * (s.saturated - s.water) * below);
  SetForces(s, c);
  return c;
}

}  // namespace

CalculatorInputs CalculatorInitialValues(const ProjectData& p) {
  const double toDegrees = 45.0 / std::atan(1.0);
  CalculatorInputs in{};
  in[kCalcWetDensity] = p.backfillUnitWeight;
  in[kCalcSaturatedDensity] = p.backfillSaturatedDensity;
  in[kCalcWaterDensity] = p.waterUnitWeight;
  in[kCalcFrictionAngle] = p.backfillFrictionAngle;
  in[kCalcCohesion] = p.backfillCohesion;
  in[kCalcSoilSlope] =
      p.backfillSlope == 0 ? 0.0f : static_cast<float>(std::atan(1.0 / p.backfillSlope) * toDegrees);
  in[kCalcWallFriction] = p.wallFrictionConcrete;
  // atan2 equals atan(batter / height) for a positive height and stays finite for a zero one.
  in[kCalcWallInclination] =
      static_cast<float>(std::atan2(double(p.stemBackBatter), double(p.stemBackHeight)) * toDegrees);
  in[kCalcSoilDepth] = p.stemBackHeight;
  in[kCalcWaterDepth] = p.waterDepthBack;
  in[kCalcSurcharge] = p.surchargeLoad;
  in[kCalcSeismicCoefficient] = p.seismicCoefficient;
  return in;
}

CalculatorResults ComputeSoilPressure(const CalculatorInputs& in, MessageSink& sink) {
  CalculatorResults r;
  Angles a;
  a.phi = Radians(in[kCalcFrictionAngle]);
  a.beta = Radians(in[kCalcSoilSlope]);
  a.delta = Radians(in[kCalcWallFriction]);
  a.theta = Radians(in[kCalcWallInclination]);
  a.psi = std::atan(double(in[kCalcSeismicCoefficient]));
  r.slopeUsed = in[kCalcSoilSlope];
  if (a.beta > a.phi) {
    sink.Warn(kCalculatorSlopeMessage);
    a.beta = a.phi;
    r.slopeAdjusted = true;
    r.slopeUsed = in[kCalcFrictionAngle];
  }

  Layer s;
  s.wet = in[kCalcWetDensity];
  s.saturated = in[kCalcSaturatedDensity];
  s.water = in[kCalcWaterDensity];
  s.depth = in[kCalcSoilDepth];
  s.waterDepth = in[kCalcWaterDepth];
  s.surcharge = in[kCalcSurcharge];
  s.cosTheta = std::cos(a.theta);
  s.cosThetaBeta = std::cos(a.theta - a.beta);
  if (s.cosTheta == 0 || s.cosThetaBeta == 0)
    throw EngineError("Division by zero: the wall inclination leaves no soil face to load.");

  const float ka = StaticCoefficient(a, EarthState::active, "active");
  const float kp = StaticCoefficient(a, EarthState::passive, "passive");
  const auto k0 = Stored((1 - std::sin(a.phi)) * (1 + std::sin(a.beta)));

  r.cases[kCaseA1] = NormalCase(s, ka);
  r.cases[kCaseP1] = NormalCase(s, kp);
  r.cases[kCaseR] = NormalCase(s, k0);
  // A steep slope (set equal to the friction angle above) with any seismic load leaves the
  // seismic root negative: those two columns are then not available, the rest still holds.
  r.cases[kCaseA2] = SeismicCase(s, Coefficient(a, EarthState::active, a.psi), ka);
  r.cases[kCaseP2] = SeismicCase(s, Coefficient(a, EarthState::passive, a.psi), kp);

  const double below = s.depth - s.waterDepth;
  r.waterPressure = Stored(below * s.water);
  r.waterForce = Stored(below * r.waterPressure / 2 / s.cosTheta);
  r.waterDepth = Stored(s.waterDepth + 2 * below / 3);
  r.inclination = Stored(double(in[kCalcWallInclination]) + in[kCalcWallFriction]);
  return r;
}

}  // namespace kelvadrome
