// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design run over the twelve analysis cases.
#include "engine/ConcreteDesign.h"

#include <cmath>
#include <optional>

#include "engine/CombinationFactors.h"
#include "engine/DesignColumns.h"
#include "engine/InternalForces.h"
#include "engine/LoadFactors.h"
#include "engine/SectionUnits.h"

namespace kelvadrome {

namespace {

// The project a case analyses: the caller's, or once a case has flattened the backfill slope, a
// copy with the flattened slope, so that the later cases start from it as the rules require.
class CaseProject {
 public:
  explicit CaseProject(const ProjectData& project) : current_(&project) {}
  CaseProject(const CaseProject&) = delete;
  CaseProject& operator=(const CaseProject&) = delete;

  [[nodiscard]] const ProjectData& Get() const { return *current_; }
  void Flatten(float slope) {
    if (!copy_) copy_.emplace(*current_);
    copy_->backfillSlope = slope;
    current_ = &*copy_;
  }

 private:
  const ProjectData* current_;
  std::optional<ProjectData> copy_;
};

// Analyses cases 1..12; false after a case that is not stable. Remembers whether any case
// flattened the backfill slope, since each case starts with the flag cleared.
bool AnalyseAllCases(CaseProject& project, DesignRun& run, MessageSink& sink, bool& slopeAdjusted) {
  AnalysisResults& results = run.results;
  DesignResults& design = run.design;
  SlopeState slope = SlopeState::open;
  for (int k = 1; k <= kAnalysisCaseCount; ++k) {
    const CaseFactors& f = kCaseFactors[k];
    SetLoadFactors(results, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
    const bool stable = AnalyseFactoredCase(project.Get(), results, design.forces, sink, slope, run.barDiameters[4]);
    if (results.adjustedSlope) project.Flatten(*results.adjustedSlope);
    slopeAdjusted = slopeAdjusted || results.slopeAdjusted;
    if (!results.slopeAdjusted) slope = SlopeState::settled;
    if (!stable) return false;
    for (int s = 1; s <= kDesignSectionCount; ++s) {
      design.caseMoment[s][k] = design.forces.sectionMoment[s];
      design.caseShear[s][k] = design.forces.sectionShear[s];
      design.caseNormal[s][k] = design.forces.sectionNormal[s];
    }
  }
  return true;
}

// Takes value when it beats the envelope; on a tie the smaller normal force is kept.
void Envelope(float value, float normal, bool beats, bool ties, float& envelope, float& envelopeNormal) {
  if (!beats && !ties) return;
  if (beats || normal < envelopeNormal) envelopeNormal = normal;
  envelope = value;
}

void DesignAll(const ProjectData& project, const AnalysisResults& results, DesignResults& design, ColumnBars& bars) {
  design.minimumRatio = MinimumSteelRatio(project);
  design.crackZLimit = CrackZLimit(project.unitSystem);
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    design.envMaxMoment[s] = design.envMaxMomentNormal[s] = 0;
    design.envMinMoment[s] = design.envMinMomentNormal[s] = 0;
    design.envMaxShear[s] = design.envMaxShearNormal[s] = 0;
  }
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    FormEnvelopes(design, s);
    DesignSectionColumns(project, results, design, bars, s);
  }
}

}  // namespace

void FormEnvelopes(DesignResults& d, int s) {
  for (int k = 1; k < kServiceCase; ++k) {
    const float moment = d.caseMoment[s][k], normal = d.caseNormal[s][k];
    Envelope(moment, normal, moment > d.envMaxMoment[s], moment == d.envMaxMoment[s], d.envMaxMoment[s],
             d.envMaxMomentNormal[s]);
    Envelope(moment, normal, moment < d.envMinMoment[s], moment == d.envMinMoment[s], d.envMinMoment[s],
             d.envMinMomentNormal[s]);
    const float shear = std::fabs(d.caseShear[s][k]);
    Envelope(shear, normal, shear > d.envMaxShear[s], shear == d.envMaxShear[s], d.envMaxShear[s],
             d.envMaxShearNormal[s]);
  }
  d.serviceMoment[s] = d.caseMoment[s][kServiceCase];
  d.serviceNormal[s] = d.caseNormal[s][kServiceCase];
}

void RunConcreteDesign(const ProjectData& project, DesignRun& run, MessageSink& sink) {
  CaseProject cases(project);
  bool slopeAdjusted = false;
  ColumnBars bars{run.barDiameters, run.barPitches};
  const float toeBarAnalysed = bars.diameters[4];
  const auto designAll = [&] {
    DesignAll(cases.Get(), run.results, run.design, bars);
    run.barDiameters = bars.diameters;  // the second pass places the toe's shear section with it
  };
  // Also after a fault: the bars chosen so far and the slope the run reached are what it found.
  const auto finish = [&] {
    run.barDiameters = bars.diameters;
    run.barPitches = bars.pitches;
    run.results.slopeAdjusted = slopeAdjusted;
    if (slopeAdjusted) run.adjustedSlope = cases.Get().backfillSlope;
  };
  try {
    run.design.completed = AnalyseAllCases(cases, run, sink, slopeAdjusted);
    if (run.design.completed) {
      designAll();
      // The toe's shear section lies one effective depth from the stem, with the bar of the
      // toe's "M+" column. When the design has just chosen another bar, analyse again with it;
      // the choice depends on the moments only, so the second design keeps it.
      if (!project.userReinforcement && run.barDiameters[4] != toeBarAnalysed) {
        run.design.completed = AnalyseAllCases(cases, run, sink, slopeAdjusted);
        if (run.design.completed) designAll();
      }
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

}  // namespace kelvadrome
