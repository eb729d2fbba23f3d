// SPDX-License-Identifier: GPL-3.0-or-later
// Design of the six columns: converts the design values into section units, calls the section
// design and stores the results back in project units (heights and areas in cm or in).
#include "engine/DesignColumns.h"

#include <cmath>
#include <optional>

#include "engine/SectionDesign.h"

namespace kelvadrome {

namespace {

// Stores a value converted to project units where it is available; one that the conversion
// takes beyond single precision is not available either, so no display shows an infinity.
template <class Convert>
bool StoreAvailable(const std::optional<float>& value, Convert convert, float& into) {
  const float converted = value ? convert(*value) : 0.0f;
  const bool available = value.has_value() && std::isfinite(converted);
  into = available ? converted : 0.0f;
  return available;
}

float Same(float value) { return value; }

// Provided area, capacity and crack control of one column with the given bars. Returns the
// section's shear capacity in section units.
float ApplyBars(const ProjectData& project, const SectionMaterials& m, DesignResults& d, int c, float diameter,
                float pitch) {
  const UnitSystem u = project.unitSystem;
  const int s = SectionOfColumn(c);
  ColumnAvailability& available = d.available[c];

  available.steelArea = StoreAvailable(pitch > 0 ? std::optional<float>(diameter) : std::nullopt,
                                       [&](float bar) { return StoredSteelArea(bar, pitch, u); }, d.colSteelArea[c]);

  const float h = StoredLengthToSection(d.colHeight[c], u);
  const float sectionDiameter = StoredLengthToSection(diameter, u);
  const float sectionPitch = StoredLengthToSection(pitch, u);
  const SectionCapacityResult capacity =
      SectionCapacity(m, h, sectionDiameter, sectionPitch, ProjectForceToSection(d.colNormal[c], u),
                      ProjectForceToSection(d.sectionShearNormal[s], u));
  available.momentCapacity = StoreAvailable(
      capacity.momentCapacity, [u](float moment) { return SectionMomentToProject(moment, u); }, d.colMomentCapacity[c]);
  available.steelRatio = StoreAvailable(capacity.ratio, Same, d.colSteelRatio[c]);
  d.balancedRatio = capacity.balancedRatio;

  const std::optional<float> z =
      CrackControlZ(m, h, sectionDiameter, sectionPitch, ProjectForceToSection(d.colServiceNormal[c], u),
                    ProjectMomentToSection(d.colServiceMoment[c], u));
  available.crackZ = StoreAvailable(z, [u](float value) { return SectionZToProject(value, u); }, d.colCrackZ[c]);
  return capacity.shearCapacity;
}

// Returns the section's shear capacity in section units.
float DesignColumn(const ProjectData& project, const SectionMaterials& m, DesignResults& d, ColumnBars& bars,
                   int c) {
  const UnitSystem u = project.unitSystem;
  const float h = StoredLengthToSection(d.colHeight[c], u);
  const float mu = ProjectMomentToSection(d.colMoment[c], u);
  const float n = ProjectForceToSection(d.colNormal[c], u);
  if (!project.userReinforcement) {
    const BarChoice chosen = SelectBars(m, h, mu, n);
    bars.diameters[c] = SectionLengthToStored(chosen.diameter, u);
    bars.pitches[c] = SectionLengthToStored(chosen.pitch, u);
  }
  const float shearCapacity = ApplyBars(project, m, d, c, bars.diameters[c], bars.pitches[c]);

  const RequiredSteelResult required = RequiredSteel(m, h, n, mu);
  d.available[c].requiredArea = StoreAvailable(
      required.requiredArea, [u](float area) { return SectionAreaToStored(area, u); }, d.colRequiredArea[c]);
  d.available[c].ratioLimit = StoreAvailable(required.ratioLimit, Same, d.colRatioLimit[c]);
  return shearCapacity;
}

// Section heights in cm (Metric, SI) or in (British).
[[nodiscard]] float SectionHeight(const ProjectData& p, const AnalysisResults& r, int section) {
  switch (section) {
    case kStemSection: return ProjectLengthToStored(double(r.wallOutlineX[44]) - r.wallOutlineX[43], p.unitSystem);
    case kToeSection: return ProjectLengthToStored(double(p.toeTaper) + p.toeEdgeThickness, p.unitSystem);
    default: return ProjectLengthToStored(double(p.heelTaper) + p.heelEdgeThickness, p.unitSystem);
  }
}

}  // namespace

void DesignSectionColumns(const ProjectData& project, const AnalysisResults& results, DesignResults& d,
                          ColumnBars& bars, int s) {
  const int negative = 2 * s - 1, positive = 2 * s;
  d.colMoment[negative] = std::fabs(d.envMinMoment[s]);
  d.colNormal[negative] = d.envMinMomentNormal[s];
  d.colMoment[positive] = d.envMaxMoment[s];
  d.colNormal[positive] = d.envMaxMomentNormal[s];

  // The service forces go to the face that the service moment puts in tension.
  const bool backOrTopFace = d.serviceMoment[s] < 0;
  const int loaded = backOrTopFace ? negative : positive, other = backOrTopFace ? positive : negative;
  d.colServiceMoment[loaded] = std::fabs(d.serviceMoment[s]);
  d.colServiceNormal[loaded] = d.serviceNormal[s];
  d.colServiceMoment[other] = 0;
  d.colServiceNormal[other] = 0;

  d.sectionDesignShear[s] = d.envMaxShear[s];
  d.sectionShearNormal[s] = d.envMaxShearNormal[s];
  d.colHeight[negative] = d.colHeight[positive] = SectionHeight(project, results, s);

  const SectionMaterials m = MakeSectionMaterials(project);
  // The shear capacity does not depend on the bars: the last column's value is the section's.
  float shearCapacity = 0;
  for (const int c : {negative, positive}) shearCapacity = DesignColumn(project, m, d, bars, c);
  d.sectionShearCapacity[s] = SectionForceToProject(shearCapacity, project.unitSystem);
}

void RecomputeDesignColumn(const ProjectData& project, DesignResults& d, int c) {
  const float shearCapacity =
      ApplyBars(project, MakeSectionMaterials(project), d, c, project.barDiameters[c], project.barPitches[c]);
  d.sectionShearCapacity[SectionOfColumn(c)] = SectionForceToProject(shearCapacity, project.unitSystem);
}

}  // namespace kelvadrome
