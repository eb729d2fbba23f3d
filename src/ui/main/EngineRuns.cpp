// SPDX-License-Identifier: GPL-3.0-or-later
// The engine run on copies of the project for the windows.
#include "ui/main/EngineRuns.h"

#include <exception>

#include "engine/ConcreteDesign.h"
#include "engine/MessageSink.h"
#include "engine/Stability.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

ServiceFindings AnalyseServiceOnCopy(const ProjectData& project) {
  ServiceFindings found;
  ProjectData copy = project;
  RecordingSink sink;
  try {
    RunServiceAnalysis(copy, found.results, sink);
  } catch (const std::exception& fault) {
    found.fault = fault.what();
  }
  found.messages = std::move(sink.messages);
  if (copy.backfillSlope != project.backfillSlope) found.adjustedSlope = copy.backfillSlope;
  return found;
}

DesignFindings RunDesignOnCopy(const ProjectData& project) {
  DesignFindings found;
  ProjectData copy = project;
  RecordingSink sink;
  try {
    ComputeWallOutline(copy, found.results);
    RunConcreteDesign(copy, found.results, found.design, sink);
  } catch (const std::exception& fault) {
    found.fault = fault.what();
  }
  found.messages = std::move(sink.messages);
  if (copy.backfillSlope != project.backfillSlope) found.adjustedSlope = copy.backfillSlope;
  found.barDiameters = copy.barDiameters;
  found.barPitches = copy.barPitches;
  return found;
}

}  // namespace kelvadrome
