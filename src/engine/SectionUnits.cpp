// SPDX-License-Identifier: GPL-3.0-or-later
// Unit bookkeeping of the concrete section design.
#include "engine/SectionUnits.h"

#include <cmath>

#include "engine/EngineNumerics.h"
#include "model/Units.h"

namespace kelvadrome {

double StressToMPa(double stress, UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return stress;
    case kBritish: return stress * kGravity * kKipPerTonne / (kInchInMillimetres * kInchInMillimetres);
    default: return stress * kGravity / 100;
  }
}

SectionMaterials MakeSectionMaterials(const ProjectData& project) {
  SectionMaterials m;
  m.unitSystem = project.unitSystem;
  m.strength = project.concreteStrength;
  m.yield = project.steelYieldStress;
  // The cover is held in centimetres in both Metric and SI: in SI it becomes metres here.
  m.coverDepth = project.unitSystem == kSI ? double(project.concreteCover) / 100 : double(project.concreteCover);
  m.width = project.unitSystem == kSI ? 1.0 : (project.unitSystem == kBritish ? 12.0 : 100.0);
  m.strengthMPa = StressToMPa(project.concreteStrength, project.unitSystem);
  m.yieldMPa = StressToMPa(project.steelYieldStress, project.unitSystem);
  m.minimumRatio = MinimumSteelRatio(project);
  return m;
}

float MinimumSteelRatio(const ProjectData& project) {
  // A yield stress of 0 (a unit conversion can round a tiny one to 0) admits no steel ratio.
  return Single(Quotient(1.4, StressToMPa(project.steelYieldStress, project.unitSystem), "steel yield stress"));
}

float CrackZLimit(UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return 25000.0f;
    case kBritish: return static_cast<float>(25000 / kGravity * kFootInMetres / kKipPerTonne);
    default: return static_cast<float>(25000 / kGravity);
  }
}

double StoredStripWidth(UnitSystem unitSystem) { return unitSystem == kBritish ? 12.0 : 100.0; }

float StoredLengthToSection(float stored, UnitSystem unitSystem) {
  return unitSystem == kSI ? static_cast<float>(double(stored) / 100) : stored;
}

float SectionLengthToStored(float section, UnitSystem unitSystem) {
  return unitSystem == kSI ? Single(double(section) * 100) : section;
}

float ProjectLengthToStored(double length, UnitSystem unitSystem) {
  // A height that does not fit in centimetres is an overflow, as in the rest of the analysis.
  return Single(length * (unitSystem == kBritish ? 12.0 : 100.0));
}

float ProjectMomentToSection(float moment, UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return Single(double(moment) / 1000);
    case kBritish: return Single(double(moment) * 12000);
    default: return Single(double(moment) * 100000);
  }
}

float SectionMomentToProject(double moment, UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return static_cast<float>(moment * 1000);
    case kBritish: return static_cast<float>(moment / 12000);
    default: return static_cast<float>(moment / 100000);
  }
}

float ProjectForceToSection(float force, UnitSystem unitSystem) {
  return Single(unitSystem == kSI ? double(force) / 1000 : double(force) * 1000);
}

float SectionForceToProject(double force, UnitSystem unitSystem) {
  return Single(unitSystem == kSI ? force * 1000 : force / 1000);
}

float SectionZToProject(double z, UnitSystem unitSystem) {
  switch (unitSystem) {
    case kSI: return static_cast<float>(z * 1000);
    case kBritish: return static_cast<float>(z * 0.012);
    default: return static_cast<float>(z * 0.1);
  }
}

float SectionAreaToStored(double area, UnitSystem unitSystem) {
  return static_cast<float>(unitSystem == kSI ? area * 10000 : area);
}

float StoredSteelArea(float diameter, float pitch, UnitSystem unitSystem) {
  const double barArea = std::atan(1.0) * double(diameter) * diameter;
  return static_cast<float>(barArea * StoredStripWidth(unitSystem) / pitch);
}

}  // namespace kelvadrome
