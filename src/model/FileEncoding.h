// SPDX-License-Identifier: GPL-3.0-or-later
// How the project file stores the switches, the unit system and the load cases. The project in
// memory holds plain booleans and enumerations; only the file code, and the listing of a
// project's fields in the file's terms, use these.
//
// Two kinds of switch exist in the file. A stored boolean is True = -1 and False = 0, and any
// value other than 0 is read as on (water, seismic, the optimiser's switches). The three
// restraint switches (toe passive earth, restraint force, shear key) are 1 = on and 0 = off,
// and only 1 is read as on.
#pragma once

#include <cstdint>
#include <optional>

#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr int16_t kStoredTrue = -1;
inline constexpr int16_t kStoredFalse = 0;
inline constexpr int16_t kStoredRestraintOn = 1;

[[nodiscard]] constexpr int16_t EncodeBoolean(bool on) { return on ? kStoredTrue : kStoredFalse; }
[[nodiscard]] constexpr bool DecodeBoolean(int16_t stored) { return stored != kStoredFalse; }

[[nodiscard]] constexpr int16_t EncodeRestraint(bool on) { return on ? kStoredRestraintOn : int16_t{0}; }
[[nodiscard]] constexpr bool DecodeRestraint(int16_t stored) { return stored == kStoredRestraintOn; }

// The unit system is stored as its position: 0 Metric, 1 SI, 2 British.
[[nodiscard]] constexpr int16_t EncodeUnitSystem(UnitSystem system) { return static_cast<int16_t>(system); }
[[nodiscard]] constexpr std::optional<UnitSystem> DecodeUnitSystem(int16_t stored) {
  if (stored < 0 || stored >= kUnitSystemCount) return std::nullopt;
  return kUnitSystems[static_cast<std::size_t>(stored)];
}

// A load case is stored as its number 1..7.
[[nodiscard]] constexpr int16_t EncodeLoadCase(LoadCase loadCase) { return static_cast<int16_t>(loadCase); }
[[nodiscard]] constexpr std::optional<LoadCase> DecodeLoadCase(int16_t stored) {
  if (stored < 1 || stored > kLoadCaseCount) return std::nullopt;
  return kAllLoadCases[static_cast<std::size_t>(stored - 1)];
}

}  // namespace kelvadrome
