// A designed default project for the reinforcement window and concrete command tests.
#pragma once

#include "engine/ConcreteDesign.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "model/Units.h"

namespace kelvadrome::testing {

struct DesignedProject {
  ProjectData project;
  AnalysisResults results;
  DesignResults design;
  RecordingSink sink;

  explicit DesignedProject(int unitSystem = kMetric) {
    SetDefaults(project);
    if (unitSystem != kMetric) {
      project.previousUnitSystem = project.unitSystem;
      project.unitSystem = static_cast<int16_t>(unitSystem);
      ConvertUnits(project);
    }
  }
  void Run() {
    ComputeWallOutline(project, results);
    RunConcreteDesign(project, results, design, sink);
  }
};

}  // namespace kelvadrome::testing
