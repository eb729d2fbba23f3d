// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces the internal-force contributions share: the section geometry read from the outline,
// the load factors, and sums that are rounded to single precision after every addition.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/EngineNumerics.h"
#include "engine/TrapezoidResultant.h"
#include "model/ProjectData.h"

namespace kelvadrome {

struct SectionGeometry {
  double toeLength = 0;     // T, x of the toe section
  double baseWidth = 0;     // B
  double heelLength = 0;    // Lh
  double baseDepth = 0;     // D, y of the base underside
  double heelSectionX = 0;  // x7
  double stemSectionY = 0;  // y43, depth of the stem section
  double stemCentreX = 0;   // xm, centre of the stem section
  double stemElevation = 0; // es, height of the stem section above the base underside
  double toeHeight = 0;     // ht
  double heelHeight = 0;    // hh
  double toeShearX = 0;     // xv
};

struct FactoredCase {
  const ProjectData& project;
  const AnalysisResults& results;
  SectionGeometry g;
  double dead = 0, soil = 0, water = 0, seismic = 0;  // factors of load cases 1, 3, 4, 7

  [[nodiscard]] double X(int point) const { return results.wallOutlineX[point]; }
  [[nodiscard]] double Y(int point) const { return results.wallOutlineY[point]; }
};

// Adds terms to the three sums of one section, each partial sum stored in single precision.
class SectionSums {
 public:
  SectionSums(SectionForces& forces, int section) : forces_(forces), section_(section) {}
  void Moment(double term) { Add(forces_.sectionMoment[section_], term); }
  void Shear(double term) { Add(forces_.sectionShear[section_], term); }
  void Normal(double term) { Add(forces_.sectionNormal[section_], term); }

 private:
  static void Add(float& sum, double term) { sum = Single(double(sum) + term); }
  SectionForces& forces_;
  int section_;
};

void AddStemTerms(const FactoredCase& c, SectionSums stem);
void AddToeTerms(const FactoredCase& c, SectionSums toe);
void AddHeelTerms(const FactoredCase& c, SectionSums heel);

}  // namespace kelvadrome
