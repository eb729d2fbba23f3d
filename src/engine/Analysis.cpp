// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's entry points: each run writes into its own return value only.
#include "engine/Analysis.h"

#include "engine/ConcreteDesign.h"
#include "engine/EngineError.h"
#include "engine/MessageSink.h"
#include "engine/Stability.h"

namespace kelvadrome {

namespace {

// Collects the messages straight into the run's list.
struct ListSink final : MessageSink {
  explicit ListSink(std::vector<std::string>& list) : messages(list) {}
  void Warn(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string>& messages;
};

}  // namespace

ServiceAnalysis AnalyseService(const ProjectData& project) {
  ServiceAnalysis run;
  ListSink sink(run.messages);
  try {
    RunServiceAnalysis(project, run.results, sink);
  } catch (const EngineError& fault) {
    run.fault = fault.what();
  }
  run.adjustedSlope = run.results.adjustedSlope;
  return run;
}

DesignRun RunDesign(const ProjectData& project, const DesignRequest& request) {
  DesignRun run;
  if (request.previous != nullptr) run.design = *request.previous;
  run.barDiameters = project.barDiameters;
  run.barPitches = project.barPitches;
  ListSink sink(run.messages);
  try {
    RunConcreteDesign(project, run, sink);
  } catch (const EngineError& fault) {
    run.fault = fault.what();
  }
  return run;
}

ProjectData WithFindings(ProjectData project, const ServiceAnalysis& run) {
  if (run.adjustedSlope) project.backfillSlope = *run.adjustedSlope;
  return project;
}

ProjectData WithFindings(ProjectData project, const DesignRun& run) {
  if (run.adjustedSlope) project.backfillSlope = *run.adjustedSlope;
  project.barDiameters = run.barDiameters;
  project.barPitches = run.barPitches;
  return project;
}

}  // namespace kelvadrome
