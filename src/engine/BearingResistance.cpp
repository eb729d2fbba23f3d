// SPDX-License-Identifier: GPL-3.0-or-later
// Bearing resistance of the base (bearing capacity factors and inclination factors of a strip
// with a flat base, as tabulated in the usual geotechnical design codes).
#include "engine/BearingResistance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "engine/EngineNumerics.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

constexpr double kPi = std::numbers::pi;

// The inclination exponent of a strip loaded across its width.
constexpr double kInclinationExponent = 2;

// A value as it is stored, or nothing when it would not fit in single precision.
std::optional<float> Stored(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return {};
  return static_cast<float>(value);
}

// q' beside the toe at base level: the toe earth from the toe edge top down to the base
// underside, submerged below the toe-side water table.
double Overburden(const ProjectData& p, const AnalysisResults& r) {
  const double y3 = r.wallOutlineY[3];
  const double D = r.wallOutlineY[4];
  if (!p.waterOption) return double(p.toeUnitWeight) * (D - y3);
  const double table = std::clamp(double(p.waterDepthFront), y3, std::max(y3, D));
  const double submerged = double(p.toeSaturatedDensity) - p.waterUnitWeight;
  return double(p.toeUnitWeight) * (table - y3) + submerged * (D - table);
}

// The horizontal load left for base friction and cohesion: the sliding force less the other
// resisting terms, switched on as the sliding check switches them.
double HorizontalLoad(const ProjectData& p, const AnalysisResults& r) {
  const PressureResults& s = r.pressure;
  double H = r.stability.slidingForce;
  if (p.toePassiveOption) H -= double(s.passiveForce[1]) + s.passiveForce[2];
  if (p.shearKeyOption) H -= s.passiveForce[3];
  if (p.restraintForceOption) H -= p.restraintForce;
  return H > 0 ? H : 0.0;  // never -0 either
}

// The friction angle in radians; a negative one, or one too small for its tangent to divide by
// (Nc would be 0 / 0), is taken as 0 and the base treated as undrained, which is its limit.
double FrictionAngle(double degrees) {
  const double phi = Radians(degrees);
  return std::tan(phi) > 1e-9 ? phi : 0.0;
}

struct Factors {
  double Nq, Nc, Ngamma;
};

Factors CapacityFactors(double phi) {
  if (phi <= 0) return {1, kPi + 2, 0};
  const double t = std::tan(phi);
  const double Nq = std::exp(kPi * t) * std::pow(std::tan(kPi / 4 + phi / 2), 2);
  return {Nq, (Nq - 1) / t, 2 * (Nq - 1) * t};
}

struct Inclination {
  double iq, ic, igamma;
};

// The inclination factors, or nothing when the load is too inclined for the base to carry.
std::optional<Inclination> InclinationFactors(double phi, double c, double V, double H,
                                              double effectiveWidth, const Factors& f) {
  if (phi <= 0) {
    // Undrained: the horizontal load is carried by the cohesion of the effective width alone.
    const double capacity = effectiveWidth * c;
    if (H > capacity) return {};
    const double ic = c == 0 ? 1.0 : 0.5 * (1 + std::sqrt(1 - H / capacity));
    return Inclination{1, ic, 1};
  }
  const double t = std::tan(phi);
  const double denominator = V + effectiveWidth * c / t;
  if (!(denominator > 0)) return {};
  const double ratio = H / denominator;
  if (!(ratio < 1)) return {};
  const double iq = std::pow(1 - ratio, kInclinationExponent);
  const double igamma = std::pow(1 - ratio, kInclinationExponent + 1);
  return Inclination{iq, iq - (1 - iq) / (f.Nc * t), igamma};
}

// Fills the result; nothing when a value would not fit in single precision.
std::optional<BearingResults> Compute(const ProjectData& p, const AnalysisResults& r) {
  const StabilityResults& s = r.stability;
  const double V = s.sumVertical;
  const double e = s.eccentricity;
  const double effectiveWidth = double(s.baseWidthUsed) - 2 * std::fabs(e);
  const double H = HorizontalLoad(p, r);
  const double phi = FrictionAngle(p.baseFrictionAngle);
  const double c = double(p.baseCohesion) * StressToPressureFactor(p.unitSystem);
  const double overburden = Overburden(p, r);
  const double gamma = !p.waterOption
                           ? double(p.foundationUnitWeight)
                           : double(p.foundationSaturatedDensity) - p.waterUnitWeight;
  const Factors f = CapacityFactors(phi);

  BearingResults b;
  b.computed = true;
  for (const auto& [target, value] :
       {std::pair{&b.effectiveWidth, effectiveWidth}, {&b.eccentricity, e}, {&b.horizontalLoad, H},
        {&b.overburden, overburden}, {&b.effectiveUnitWeight, gamma}, {&b.Nq, f.Nq},
        {&b.Nc, f.Nc}, {&b.Ngamma, f.Ngamma}}) {
    const auto stored = Stored(value);
    if (!stored) return {};
    *target = *stored;
  }
  if (!(effectiveWidth > 0)) return b;
  const auto i = InclinationFactors(phi, c, V, H, effectiveWidth, f);
  if (!i) return b;

  const double ultimate =
      phi <= 0 ? (kPi + 2) * c * i->ic + overburden
               : c * f.Nc * i->ic + overburden * f.Nq * i->iq +
                     0.5 * gamma * effectiveWidth * f.Ngamma * i->igamma;
  if (!(ultimate > 0)) return b;
  const double resistance = ultimate * effectiveWidth;
  const auto iq = Stored(i->iq), ic = Stored(i->ic), igamma = Stored(i->igamma);
  const auto stored = Stored(ultimate), storedR = Stored(resistance), sf = Stored(resistance / V);
  if (!iq || !ic || !igamma || !stored || !storedR || !sf) return {};
  b.hasResistance = true;
  b.iq = *iq;
  b.ic = *ic;
  b.igamma = *igamma;
  b.ultimatePressure = *stored;
  b.resistance = *storedR;
  b.safetyFactor = *sf;
  return b;
}

}  // namespace

void ComputeBearingResistance(const ProjectData& p, AnalysisResults& r) {
  BearingResults& bearing = r.stability.bearing;
  bearing = {};
  if (!r.stability.wallStable || !(r.stability.sumVertical > 0)) return;
  if (p.unitSystem < kMetric || p.unitSystem > kBritish) return;
  if (!(p.baseFrictionAngle < 90)) return;  // no soil has such an angle: nothing to compute
  bearing = Compute(p, r).value_or(BearingResults{});
}

}  // namespace kelvadrome
