// SPDX-License-Identifier: GPL-3.0-or-later
// The default project in a unit system, and designed, for the result window tests.
#pragma once

#include "engine/ConcreteDesign.h"
#include "engine/WallGeometry.h"
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
  RecordingSink sink;

  explicit DesignedProject(UnitSystem unitSystem = kMetric) : project(DefaultProjectIn(unitSystem)) {}
  void Run() {
    ComputeWallOutline(project, results);
    RunConcreteDesign(project, results, design, sink);
  }
};

}  // namespace kelvadrome::testing
