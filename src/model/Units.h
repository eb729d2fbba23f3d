// SPDX-License-Identifier: GPL-3.0-or-later
// Unit systems: the label table, the conversion of a project between systems and the rounding
// used for every converted value.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "model/ProjectData.h"

namespace kelvadrome {

enum class UnitQuantity {
  force,
  unitWeight,
  length,
  sectionLength,
  barDiameter,
  stress,
  pressure,
  modulus,
  angle,
  volume,  // of concrete: m³, ft³
  area,    // of formwork: m², ft²
  mass,    // of steel: kg, lb
};

inline constexpr double kKipPerTonne = 0.454;   // tonne-force per kip
inline constexpr double kFootInMetres = 0.3048;
inline constexpr double kInchInMillimetres = 25.4;

// "Metric", "SI" or "British". Throws std::out_of_range for another index.
[[nodiscard]] std::string_view UnitSystemName(UnitSystem unitSystem);

// The label of a quantity in a unit system (UTF-8, with the characters ² ³ °), e.g. "T/m³".
// Throws std::out_of_range for an unknown unit system.
[[nodiscard]] std::string UnitLabel(UnitQuantity quantity, UnitSystem unitSystem);

// The force label, "/" and the length label: "T/m", "kN/m" or "Kip/ft".
[[nodiscard]] std::string ForcePerLengthLabel(UnitSystem unitSystem);

// Multiplier from the stress unit to the pressure unit: 10, 1000 or 0.144.
[[nodiscard]] double StressToPressureFactor(UnitSystem unitSystem);

// The value rounded to `decimals` decimals, halves away from zero, taken on the value's decimal
// form of 15 significant digits (2.675 gives 2.68). Not finite values come back unchanged.
[[nodiscard]] double RoundTo(double value, int decimals);

// The five factors that take values from one system to another.
struct ConversionFactors {
  double length = 1;
  double cover = 1;  // concrete cover, bar diameters and pitches (cm <-> in)
  double force = 1;
  double pressure = 1;
  double stress = 1;
  double mass = 1;  // kg <-> lb, for the steel quantities and their price

  [[nodiscard]] double UnitWeight() const { return force / (length * length * length); }
  [[nodiscard]] double ForcePerLength() const { return force / length; }
};

// Throws std::out_of_range for an unknown unit system.
[[nodiscard]] ConversionFactors ConversionFactorsFor(UnitSystem fromSystem, UnitSystem toSystem);

class UnitConversionError : public std::runtime_error {
 public:
  explicit UnitConversionError(const std::string& text) : std::runtime_error(text) {}
};

// Converts every convertible value of the project from the unit system `from` to its
// unitSystem, rounding each to its number of decimals. The caller sets unitSystem to the new
// system first; equal systems convert nothing.
// The user's bar diameters and pitches are converted too (with the cover factor, 3 decimals),
// so that a 1.6 cm bar becomes a 0.63 in bar and not a 1.6 in bar.
// When a converted value would not fit in single precision, nothing is converted: unitSystem
// is set back to `from`, every value stays as it was, and UnitConversionError names the value.
// The wall outline is not recomputed here; callers recompute it afterwards (engine).
void ConvertUnits(ProjectData& project, UnitSystem from);

}  // namespace kelvadrome
