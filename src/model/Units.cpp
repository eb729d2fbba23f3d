// SPDX-License-Identifier: GPL-3.0-or-later
// Unit label table, conversion factors, RoundTo and ConvertUnits.
#include "model/Units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "format/DecimalRounding.h"
#include "model/OptimiserDefaults.h"

namespace kelvadrome {

namespace {

constexpr int kSystemCount = kUnitSystemCount;
constexpr int kQuantityCount = static_cast<int>(UnitQuantity::mass) + 1;

// Rows in the order of UnitQuantity; columns Metric, SI, British.
constexpr std::array<std::array<std::string_view, kSystemCount>, kQuantityCount> kLabels{{
    {"T", "kN", "Kip"},
    {"T/m³", "kN/m³", "Kip/ft³"},
    {"m", "m", "ft"},
    {"cm", "mm", "in"},
    {"mm", "mm", "in"},
    {"kg/cm²", "MPa", "psi"},
    {"T/m²", "kPa", "Kip/ft²"},
    {"E+5 kg/cm²", "E+5 MPa", "E+5 psi"},
    {"°", "°", "°"},
    {"m³", "m³", "ft³"},
    {"m²", "m²", "ft²"},
    {"kg", "kg", "lb"},
}};

constexpr std::array<std::string_view, kSystemCount> kSystemNames{"Metric", "SI", "British"};

std::size_t SystemIndex(UnitSystem unitSystem) {
  if (unitSystem < kMetric || unitSystem > kBritish) {
    throw std::out_of_range("unknown unit system " + std::to_string(static_cast<int>(unitSystem)));
  }
  return UnitIndex(unitSystem);
}

// Multiplies, rounds and stores one value; a finite value that would not fit in single
// precision stops the whole conversion.
void ConvertValue(float& value, double factor, int decimals, const std::string& name) {
  if (!std::isfinite(value)) return;  // nothing a factor could make sensible
  const double converted = RoundTo(double(value) * factor, decimals);
  if (!std::isfinite(converted) || std::fabs(converted) > std::numeric_limits<float>::max()) {
    throw UnitConversionError("The converted value of " + name +
                              " is too large to be stored; the units were not changed.");
  }
  value = static_cast<float>(converted);
}

enum class Factor { length, cover, stress, pressure, unitWeight, forcePerLength };

// The converted values in their order, with their factor and decimals.
struct ConvertedField {
  float ProjectData::*field;
  Factor factor;
  int decimals;
  const char* name;
};

constexpr std::array<ConvertedField, 39> kConvertedFields{{
    {&ProjectData::toeLength, Factor::length, 2, "toeLength"},
    {&ProjectData::stemFrontBatter, Factor::length, 2, "stemFrontBatter"},
    {&ProjectData::stemTopWidth, Factor::length, 2, "stemTopWidth"},
    {&ProjectData::stemBackBatter, Factor::length, 2, "stemBackBatter"},
    {&ProjectData::heelLength, Factor::length, 2, "heelLength"},
    {&ProjectData::baseWidth, Factor::length, 2, "baseWidth"},
    {&ProjectData::stemFrontHeight, Factor::length, 2, "stemFrontHeight"},
    {&ProjectData::toeTaper, Factor::length, 2, "toeTaper"},
    {&ProjectData::toeEdgeThickness, Factor::length, 2, "toeEdgeThickness"},
    {&ProjectData::stemBackHeight, Factor::length, 2, "stemBackHeight"},
    {&ProjectData::heelTaper, Factor::length, 2, "heelTaper"},
    {&ProjectData::heelEdgeThickness, Factor::length, 2, "heelEdgeThickness"},
    {&ProjectData::waterDepthFront, Factor::length, 2, "waterDepthFront"},
    {&ProjectData::waterDepthBack, Factor::length, 2, "waterDepthBack"},
    {&ProjectData::concreteUnitWeight, Factor::unitWeight, 2, "concreteUnitWeight"},
    {&ProjectData::concreteStrength, Factor::stress, 0, "concreteStrength"},
    {&ProjectData::concreteModulus, Factor::stress, 2, "concreteModulus"},
    {&ProjectData::steelYieldStress, Factor::stress, 0, "steelYieldStress"},
    {&ProjectData::steelModulus, Factor::stress, 2, "steelModulus"},
    {&ProjectData::concreteCover, Factor::cover, 1, "concreteCover"},
    {&ProjectData::waterUnitWeight, Factor::unitWeight, 2, "waterUnitWeight"},
    {&ProjectData::backfillUnitWeight, Factor::unitWeight, 2, "backfillUnitWeight"},
    {&ProjectData::backfillDryDensity, Factor::unitWeight, 2, "backfillDryDensity"},
    {&ProjectData::backfillSaturatedDensity, Factor::unitWeight, 2, "backfillSaturatedDensity"},
    {&ProjectData::backfillCohesion, Factor::stress, 2, "backfillCohesion"},
    {&ProjectData::baseCohesion, Factor::stress, 2, "baseCohesion"},
    {&ProjectData::baseBearingCapacity, Factor::stress, 2, "baseBearingCapacity"},
    {&ProjectData::baseModulus, Factor::stress, 2, "baseModulus"},
    {&ProjectData::toeUnitWeight, Factor::unitWeight, 2, "toeUnitWeight"},
    {&ProjectData::toeDryDensity, Factor::unitWeight, 2, "toeDryDensity"},
    {&ProjectData::toeSaturatedDensity, Factor::unitWeight, 2, "toeSaturatedDensity"},
    {&ProjectData::toeCohesion, Factor::stress, 2, "toeCohesion"},
    {&ProjectData::foundationUnitWeight, Factor::unitWeight, 2, "foundationUnitWeight"},
    {&ProjectData::foundationSaturatedDensity, Factor::unitWeight, 2, "foundationSaturatedDensity"},
    {&ProjectData::restraintForce, Factor::forcePerLength, 2, "restraintForce"},
    {&ProjectData::shearKeyDepth, Factor::length, 2, "shearKeyDepth"},
    {&ProjectData::savedWaterDepthFront, Factor::length, 2, "savedWaterDepthFront"},
    {&ProjectData::savedWaterDepthBack, Factor::length, 2, "savedWaterDepthBack"},
    {&ProjectData::surchargeLoad, Factor::pressure, 2, "surchargeLoad"},
}};

double FactorValue(const ConversionFactors& f, Factor factor) {
  switch (factor) {
    case Factor::length: return f.length;
    case Factor::cover: return f.cover;
    case Factor::stress: return f.stress;
    case Factor::pressure: return f.pressure;
    case Factor::unitWeight: return f.UnitWeight();
    case Factor::forcePerLength: return f.ForcePerLength();
  }
  return 1.0;
}

void ConvertAll(ProjectData& p, const ConversionFactors& f) {
  for (const ConvertedField& c : kConvertedFields) {
    ConvertValue(p.*c.field, FactorValue(f, c.factor), c.decimals, c.name);
  }
  const double length = f.length;
  const double forcePerLength = f.ForcePerLength();

  const int count = std::clamp<int>(p.lineLoadCount, 0, kMaxLineLoads);
  for (int i = 1; i <= count; ++i) {
    LineLoad& load = p.lineLoads[static_cast<std::size_t>(i)];
    const std::string name = "line load " + std::to_string(i);
    ConvertValue(load.load, forcePerLength, 2, name);
    ConvertValue(load.x, length, 2, name);
    ConvertValue(load.y, length, 2, name);
  }

  // Bar sizes are held like the cover; three decimals keep British sizes such as 0.625 in.
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    const std::string name = "the reinforcement of column " + std::to_string(c);
    ConvertValue(p.barDiameters[static_cast<std::size_t>(c)], f.cover, 3, name);
    ConvertValue(p.barPitches[static_cast<std::size_t>(c)], f.cover, 3, name);
  }

  // A price per m³ becomes a price per ft³ by the factor 0.3048³, that is by dividing by the
  // cube of the length factor; three decimals keep British prices per pound.
  const double cube = length * length * length;
  ConvertValue(p.prices.concretePrice, 1 / cube, 3, "the concrete price");
  ConvertValue(p.prices.formworkPrice, 1 / (length * length), 3, "the formwork price");
  ConvertValue(p.prices.steelPrice, 1 / f.mass, 3, "the steel price");
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    OptimiserVariable& v = p.optimiserVariables[static_cast<std::size_t>(d)];
    const std::string name = "the optimiser's bounds of " + std::string(OptimisedDimensionKey(d));
    ConvertValue(v.minimum, length, 2, name);
    ConvertValue(v.maximum, length, 2, name);
  }
}

}  // namespace

std::string_view UnitSystemName(UnitSystem unitSystem) { return kSystemNames[SystemIndex(unitSystem)]; }

std::string UnitLabel(UnitQuantity quantity, UnitSystem unitSystem) {
  return std::string(kLabels[static_cast<std::size_t>(quantity)][SystemIndex(unitSystem)]);
}

std::string ForcePerLengthLabel(UnitSystem unitSystem) {
  return UnitLabel(UnitQuantity::force, unitSystem) + "/" +
         UnitLabel(UnitQuantity::length, unitSystem);
}

double StressToPressureFactor(UnitSystem unitSystem) {
  constexpr std::array<double, kSystemCount> kFactors{10.0, 1000.0, 0.144};
  return kFactors[SystemIndex(unitSystem)];
}

double RoundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const RoundedDecimal rounded = RoundDecimal(value, decimals);
  if (rounded.IsZero()) return 0.0;
  std::string text = rounded.integerDigits;
  if (!rounded.fractionDigits.empty()) text += "." + rounded.fractionDigits;
  double result = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), result);
  return rounded.negative ? -result : result;
}

namespace {

ConversionFactors FactorsWithoutMass(UnitSystem from, UnitSystem to) {
  const double g = kGravity;
  const double foot = kFootInMetres;
  const double kip = kKipPerTonne;
  const double inchCm = kInchInMillimetres / 10.0;
  const double inchMm = kInchInMillimetres;
  if (from == kMetric && to == kSI) return {1, 1, g, g, g / 100};
  if (from == kSI && to == kMetric) return {1, 1, 1 / g, 1 / g, 100 / g};
  if (from == kMetric && to == kBritish) {
    return {1 / foot, 1 / inchCm, 1 / kip, foot * foot / kip, inchCm * inchCm / kip};
  }
  if (from == kBritish && to == kMetric) {
    return {foot, inchCm, kip, kip / (foot * foot), kip / (inchCm * inchCm)};
  }
  if (from == kSI && to == kBritish) {
    return {1 / foot, 1 / inchCm, 1 / (kip * g), foot * foot / (kip * g), inchMm * inchMm / (kip * g)};
  }
  return {foot, inchCm, kip * g, kip * g / (foot * foot), kip * g / (inchMm * inchMm)};
}

}  // namespace

ConversionFactors ConversionFactorsFor(UnitSystem fromSystem, UnitSystem toSystem) {
  const std::size_t from = SystemIndex(fromSystem);
  const std::size_t to = SystemIndex(toSystem);
  if (from == to) return {};
  ConversionFactors f = FactorsWithoutMass(fromSystem, toSystem);
  // One pound is 0.454 kg, as one kip is 0.454 tonne.
  if (fromSystem != kBritish && toSystem == kBritish) f.mass = 1 / kKipPerTonne;
  if (fromSystem == kBritish && toSystem != kBritish) f.mass = kKipPerTonne;
  return f;
}

void ConvertUnits(ProjectData& project, UnitSystem from) {
  if (from == project.unitSystem) return;
  const ConversionFactors factors = ConversionFactorsFor(from, project.unitSystem);
  ProjectData converted = project;
  try {
    ConvertAll(converted, factors);
  } catch (const UnitConversionError&) {
    project.unitSystem = from;
    throw;
  }
  ProjectData original = project;
  original.unitSystem = from;
  KeepDefaultCostSettings(converted, original);
  project = std::move(converted);
}

}  // namespace kelvadrome
