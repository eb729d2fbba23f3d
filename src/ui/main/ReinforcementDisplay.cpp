// SPDX-License-Identifier: GPL-3.0-or-later
// Unit labels and notes of the reinforcement window.
#include "ui/main/ReinforcementDisplay.h"

#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

std::string MomentLabel(UnitSystem unitSystem) {
  return UnitLabel(UnitQuantity::force, unitSystem) + UnitLabel(UnitQuantity::length, unitSystem);
}

std::string SectionAreaLabel(UnitSystem unitSystem) { return UnitLabel(UnitQuantity::sectionLength, unitSystem) + "²"; }

std::string StripWidthNote(UnitSystem unitSystem) {
  // In SI the section lengths are shown in millimetres, so the 1 m strip reads 1000 mm.
  const char* width = unitSystem == kBritish ? "12" : unitSystem == kSI ? "1000" : "100";
  return std::string("Width (b) = ") + width + " " + UnitLabel(UnitQuantity::sectionLength, unitSystem);
}

std::string CrackZLimitNote(float crackZLimit, UnitSystem unitSystem) {
  return FormatNumber(crackZLimit, "#0 ") + ForcePerLengthLabel(unitSystem);
}

}  // namespace kelvadrome
