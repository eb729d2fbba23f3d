// SPDX-License-Identifier: GPL-3.0-or-later
// The default project in a unit system, and designed, for the result window tests.
#pragma once

#include "engine/Analysis.h"
#include "model/ProjectData.h"
#include "model/Units.h"

namespace kelvadrome::testing {

// The default project converted into a unit system.
inline ProjectData DefaultProjectIn(UnitSystem unitSystem) {
  ProjectData project;
  SetDefaults(project);
  if (unitSystem != kMetric) {
    project.unitSystem = unitSystem;
    ConvertUnits(project, kMetric);
  }
  return project;
}

struct DesignedProject {
  ProjectData project;
  AnalysisResults results;
  DesignResults design;

  explicit DesignedProject(UnitSystem unitSystem = kMetric) : project(DefaultProjectIn(unitSystem)) {}
  // The design, and the project keeping the bars it chose, as the concrete command leaves them.
  void Run() {
    const DesignRun run = RunDesign(project, {&design});
    project = WithFindings(std::move(project), run);
    results = run.results;
    design = run.design;
  }
};

}  // namespace kelvadrome::testing
