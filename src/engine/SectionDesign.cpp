// SPDX-License-Identifier: GPL-3.0-or-later
// Ultimate-strength design of a rectangular section with a rectangular stress block.
#include "engine/SectionDesign.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineNumerics.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

[[nodiscard]] double QuarterPi() { return std::atan(1.0); }

// A value beyond single precision cannot be stored either: it is not available, like a NaN.
[[nodiscard]] std::optional<float> Finite(double value) {
  const auto stored = static_cast<float>(value);
  if (!std::isfinite(stored)) return std::nullopt;
  return stored;
}

// Bar search of SelectBars per unit system; steps are added to single-precision values.
struct BarSearch {
  float diameterStart, diameterStep, diameterLimit, pitchStart, pitchStep;
};

[[nodiscard]] BarSearch SearchFor(UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return {0.003f, 0.001f, 0.031f, 0.21f, 0.01f};
    case kBritish: return {1.0f / 16, 1.0f / 16, 1.25f, 8.5f, 0.5f};
    default: return {0.3f, 0.1f, 3.1f, 21.0f, 1.0f};
  }
}

// The bar assumed before any bar is chosen: 1 cm, 0.01 m or 0.4 in.
[[nodiscard]] double AssumedBar(UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return 0.01;
    case kBritish: return 0.4;
    default: return 1.0;
  }
}

// Concrete shear strength with axial compression, worked in MPa and converted back.
[[nodiscard]] double ShearCapacity(const SectionMaterials& m, double h, double nv) {
  if (h <= 0) return 0;
  double toMN = kGravity / 1e6;
  double areaToM2 = 1.0 / 10000;
  double mpaToSection = 100 / kGravity;
  if (m.unitSystem == kSI) {
    toMN = areaToM2 = mpaToSection = 1;
  } else if (m.unitSystem == kBritish) {
    toMN = kGravity * kKipPerTonne / 1e6;
    areaToM2 = std::pow(2.54 / 100, 2);
    mpaToSection = kInchInMillimetres * kInchInMillimetres / (kGravity * kKipPerTonne);
  }
  const double grossArea = h * m.width * areaToM2;
  const double rootStrength = std::sqrt(std::clamp(m.strengthMPa, 0.0, 69.0));
  const double vc = (1 + nv * toMN / (14 * grossArea)) * rootStrength / 6 * mpaToSection;
  return 0.85 * vc * m.width * h;
}

}  // namespace

double FlexureReductionFactor(const SectionMaterials& m, double h, double n) {
  if (n <= 0) return 0.9;
  return std::max(0.9 - 0.2 * n / (0.1 * m.strength * m.width * h), 0.7);
}

double BalancedRatio(const SectionMaterials& m) {
  const double fc = m.strengthMPa;
  const double beta1 = fc <= 30 ? 0.85 : std::max(0.85 - 0.008 * (fc - 30), 0.65);
  return Quotient(0.85 * beta1 * fc * 600, m.yieldMPa * (600 + m.yieldMPa), "steel yield stress");
}

namespace {

struct Flexure {
  std::optional<float> momentCapacity;
  std::optional<float> ratio;
};

[[nodiscard]] Flexure FlexuralCapacity(const SectionMaterials& m, float h, float diameter, float pitch, float n) {
  const double d = double(h) - m.coverDepth - double(diameter) / 2;
  if (h <= 0 || d <= 0 || pitch <= 0) return {};
  const double steelArea = QuarterPi() * diameter * diameter * m.width / pitch;
  const double ratio = steelArea / (m.width * d);
  const double phi = FlexureReductionFactor(m, h, n);
  const double q = (ratio * m.yield + n / (phi * m.width * d)) / (0.85 * m.strength);
  const double nominal = phi * 0.85 * m.strength * q * (1 - q / 2) * m.width * d * d;
  return {Finite(nominal - n * (d - double(h) / 2)), Finite(ratio)};
}

}  // namespace

SectionCapacityResult SectionCapacity(const SectionMaterials& m, float h, float diameter, float pitch,
                                      float n, float nv) {
  SectionCapacityResult r;
  r.balancedRatio = Single(BalancedRatio(m));  // a yield stress near 0 overflows it
  r.shearCapacity = Single(ShearCapacity(m, h, nv));
  const Flexure flexure = FlexuralCapacity(m, h, diameter, pitch, n);
  r.momentCapacity = flexure.momentCapacity;
  r.ratio = flexure.ratio;
  return r;
}

RequiredSteelResult RequiredSteel(const SectionMaterials& m, float h, float n, float mu) {
  RequiredSteelResult r;
  const double d = double(h) - m.coverDepth - AssumedBar(m.unitSystem) / 2;
  if (d <= 0) return r;
  const double phi = FlexureReductionFactor(m, h, n);
  const double aboutSteel = double(mu) + n * (d - double(h) / 2);
  const double ratioOfBlock = aboutSteel / (0.425 * phi * m.strength * m.width * d * d);
  // A moment beyond what the concrete block can carry asks for the whole depth in compression.
  const double q = ratioOfBlock <= 1 ? 1 - std::sqrt(1 - ratioOfBlock) : 1.0;
  r.requiredArea = Finite((0.85 * m.strength * q * m.width * d - n / phi) / m.yield);
  const double requiredRatio = (0.85 * m.strength * q - n / (phi * m.width * d)) / m.yield;
  r.ratioLimit = Finite(4.0 / 3.0 * requiredRatio);
  return r;
}

std::optional<float> CrackControlZ(const SectionMaterials& m, float h, float diameter, float pitch, float ns,
                                   float ms) {
  const double d = double(h) - m.coverDepth - double(diameter) / 2;
  if (h <= 0 || d <= 0 || pitch <= 0) return std::nullopt;
  const double barArea = QuarterPi() * diameter * diameter;
  const double steelArea = barArea * m.width / pitch;
  const double aboutSteel = double(ms) + ns * (d - double(h) / 2);
  const double ratioOfBlock = aboutSteel / (0.425 * m.strength * m.width * d * d);
  // Beyond the block's reach the depth of compression is taken as one length unit.
  const double a = ratioOfBlock <= 1 ? d * (1 - std::sqrt(1 - ratioOfBlock)) : 1.0;
  const double steelStress = steelArea > 0 ? (aboutSteel / (d - a / 2) - ns) / steelArea : 0.0;
  const double barCentre = m.coverDepth + double(diameter) / 2;
  const double areaPerBar = (2 * m.coverDepth + diameter) * pitch - barArea;
  if (areaPerBar <= 0) return 0.0f;
  const double product = barCentre * areaPerBar;
  if (product < 0) return std::nullopt;
  return Finite(steelStress * std::cbrt(product));
}

BarChoice SelectBars(const SectionMaterials& m, float h, float mu, float n) {
  const BarSearch s = SearchFor(m.unitSystem);
  BarChoice choice{s.diameterStart, s.pitchStart};
  for (;;) {
    choice.pitch = static_cast<float>(double(choice.pitch) - s.pitchStep);
    choice.diameter = s.diameterStart;
    for (;;) {
      choice.diameter = static_cast<float>(double(choice.diameter) + s.diameterStep);
      // Only the flexural part of SectionCapacity decides; the shear does not depend on the bars.
      const Flexure c = FlexuralCapacity(m, h, choice.diameter, choice.pitch, n);
      if (c.momentCapacity && *c.momentCapacity >= mu &&
          (double(*c.momentCapacity) >= 4.0 / 3.0 * mu || (c.ratio && *c.ratio >= m.minimumRatio)))
        return choice;
      if (choice.diameter >= s.diameterLimit) break;
    }
    // Stop once the bars would stand closer than their own diameter.
    if (!(2 * double(choice.diameter) < choice.pitch)) return choice;
  }
}

}  // namespace kelvadrome
