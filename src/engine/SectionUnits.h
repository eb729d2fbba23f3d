// SPDX-License-Identifier: GPL-3.0-or-later
// The units of the concrete section design per unit system (cm and kg, m and MN, in and lb),
// the project's materials expressed in them, and the conversions between project and section
// units that the design driver and the reinforcement window share.
#pragma once

#include <cstdint>

#include "model/ProjectData.h"

namespace kelvadrome {

struct SectionMaterials {
  UnitSystem unitSystem = kMetric;
  double strength = 0;      // f'c in the section stress unit
  double yield = 0;         // fy in the section stress unit
  double coverDepth = 0;    // cover / kc, in the section length unit
  double width = 100;       // b, the width of the design strip in the section length unit
  double strengthMPa = 0;   // f'c converted to MPa
  double yieldMPa = 0;      // fy converted to MPa
  float minimumRatio = 0;   // 1.4 / fy in MPa, as stored by the design run
};

[[nodiscard]] SectionMaterials MakeSectionMaterials(const ProjectData& project);

// A stress of the project (kg/cm², MPa or psi) in MPa.
[[nodiscard]] double StressToMPa(double stress, UnitSystem unitSystem);

// Design constants of a run.
[[nodiscard]] float MinimumSteelRatio(const ProjectData& project);
[[nodiscard]] float CrackZLimit(UnitSystem unitSystem);

// The strip width in the stored section unit (cm for Metric and SI, in for British).
[[nodiscard]] double StoredStripWidth(UnitSystem unitSystem);
// Height, diameter or pitch as stored (cm or in) into section units, and back.
[[nodiscard]] float StoredLengthToSection(float stored, UnitSystem unitSystem);
[[nodiscard]] float SectionLengthToStored(float section, UnitSystem unitSystem);
// Project length (m or ft) into the stored section length unit (cm or in); throws EngineError
// when it does not fit in single precision.
[[nodiscard]] float ProjectLengthToStored(double length, UnitSystem unitSystem);
[[nodiscard]] float ProjectMomentToSection(float moment, UnitSystem unitSystem);
[[nodiscard]] float SectionMomentToProject(double moment, UnitSystem unitSystem);
[[nodiscard]] float ProjectForceToSection(float force, UnitSystem unitSystem);
[[nodiscard]] float SectionForceToProject(double force, UnitSystem unitSystem);
[[nodiscard]] float SectionZToProject(double z, UnitSystem unitSystem);
[[nodiscard]] float SectionAreaToStored(double area, UnitSystem unitSystem);

// The provided steel area (π/4)·d²·b/pitch with the stored diameter and pitch, in cm² or in² per
// strip; meaningless when the pitch is 0 or less, which callers check first.
[[nodiscard]] float StoredSteelArea(float diameter, float pitch, UnitSystem unitSystem);

}  // namespace kelvadrome
