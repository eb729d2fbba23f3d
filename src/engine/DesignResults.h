// SPDX-License-Identifier: GPL-3.0-or-later
// The results of the concrete design: the forces of the three design sections in every analysis
// case, the envelopes, the six design columns with their section design, and the design
// constants, as one design run hands them back.
#pragma once

#include <array>

#include "model/ProjectData.h"

namespace kelvadrome {

inline constexpr int kDesignSectionCount = 3;  // 1 stem, 2 toe, 3 heel
inline constexpr int kAnalysisCaseCount = 12;  // 1..11 factored combinations, 12 service
inline constexpr int kServiceCase = 12;

enum DesignSection : int { kStemSection = 1, kToeSection = 2, kHeelSection = 3 };

using SectionValues = std::array<float, kDesignSectionCount + 1>;  // 1..3, 0 unused
using ColumnValues = std::array<float, kDesignColumnCount + 1>;    // 1..6, 0 unused
using CaseTable = std::array<std::array<float, kAnalysisCaseCount + 1>, kDesignSectionCount + 1>;

// Moment, shear and normal force at the three design sections after one factored analysis.
// Signs: a negative stem moment puts the back face in tension, a negative toe or heel moment the
// top face; the normal force is positive in compression.
struct SectionForces {
  SectionValues sectionMoment{};
  SectionValues sectionShear{};
  SectionValues sectionNormal{};

  bool operator==(const SectionForces&) const = default;
};

// Which values of a design column could be computed. A degenerate section (no effective depth,
// no pitch, no height) or a value beyond single precision leaves some of them out; displays show
// "N/A" and the JSON null for them, and the stored value is 0.
struct ColumnAvailability {
  bool momentCapacity = true;
  bool steelRatio = true;
  bool requiredArea = true;
  bool ratioLimit = true;
  bool steelArea = true;
  bool crackZ = true;

  bool operator==(const ColumnAvailability&) const = default;
};

// The section of a design column: columns 1, 2 stem, 3, 4 toe, 5, 6 heel.
[[nodiscard]] constexpr int SectionOfColumn(int column) { return (column + 1) / 2; }

struct DesignResults {
  // True when all twelve cases ran; false after a stop on a case that is not stable (the
  // envelopes and columns then keep the values of the previous complete run).
  bool completed = false;

  // The factored analysis in progress and its results, [section 1..3][case 1..12].
  SectionForces forces;
  CaseTable caseMoment{};
  CaseTable caseShear{};
  CaseTable caseNormal{};

  // Envelopes over cases 1..11, each with the normal force of the case that gave it.
  SectionValues envMaxMoment{};
  SectionValues envMaxMomentNormal{};
  SectionValues envMinMoment{};
  SectionValues envMinMomentNormal{};
  SectionValues envMaxShear{};  // largest absolute shear
  SectionValues envMaxShearNormal{};
  SectionValues serviceMoment{};  // case 12
  SectionValues serviceNormal{};

  // Shear design per section: design shear, its normal force, capacity (project force unit).
  SectionValues sectionDesignShear{};
  SectionValues sectionShearNormal{};
  SectionValues sectionShearCapacity{};

  // Design columns 1..6: odd columns take the negative moment ("M-"), even ones the positive
  // moment ("M+"). Moments and forces in project units; heights in cm (Metric, SI) or in;
  // areas in cm² or in² per strip of width 100 cm or 12 in.
  ColumnValues colMoment{};
  ColumnValues colNormal{};
  ColumnValues colServiceMoment{};
  ColumnValues colServiceNormal{};
  ColumnValues colHeight{};
  ColumnValues colMomentCapacity{};
  ColumnValues colSteelRatio{};
  ColumnValues colRequiredArea{};
  ColumnValues colRatioLimit{};
  ColumnValues colSteelArea{};
  ColumnValues colCrackZ{};  // force per length of the project
  std::array<ColumnAvailability, kDesignColumnCount + 1> available{};

  float balancedRatio = 0;
  float minimumRatio = 0;
  float crackZLimit = 0;  // limit of colCrackZ, force per length of the project

  bool operator==(const DesignResults&) const = default;
};

}  // namespace kelvadrome
