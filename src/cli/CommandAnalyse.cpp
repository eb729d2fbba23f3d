// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli analyse: the service analysis (and the concrete design) of a project, as a
// readable summary or as the JSON of the contract shared with other tools.
#include <exception>
#include <optional>
#include <ostream>
#include <string>

#include "cli/CommandSupport.h"
#include "cli/DesignJson.h"
#include "cli/DesignSummary.h"
#include "cli/JsonWriter.h"
#include "cli/QuantitiesJson.h"
#include "cli/QuantitiesSummary.h"
#include "cli/ServiceJson.h"
#include "cli/ServiceSummary.h"
#include "engine/AnalysisResults.h"
#include "engine/ConcreteDesign.h"
#include "engine/DesignResults.h"
#include "engine/GlobalStability.h"
#include "engine/MessageSink.h"
#include "engine/Quantities.h"
#include "engine/Stability.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

const CommandSyntax kAnalyseSyntax{
    "analyse",
    "analyse FILE [--json]",
    "Analyses the wall of the project in FILE (or the default project for --default) with all\n"
    "load factors 1: forces, eccentricities, base pressures, sliding and overturning, the notes\n"
    "and the verdict, as the stability window shows them, the global stability (the critical\n"
    "slip circle by Bishop's simplified method), then the concrete design of the stem, toe and\n"
    "heel. With --json writes every result under its name instead: the objects\n"
    "\"service\" (with \"global\"), \"design\" and \"messages\", and \"error\" when a fault ended\n"
    "the run. Values are in the project's own unit system. Exit status 1 when the file cannot be\n"
    "read or the analysis faults.",
    {},
    {"--json"},
    1,
    1,
};

// Everything one run of the command computes. Messages of every stage go to one sink, in the
// order they are raised.
struct AnalyseRun {
  AnalysisResults service;
  AnalysisResults factored;  // the design's own analyses, so that "service" stays the service run
  DesignResults design;
  GlobalStabilityResults global;  // not computed unless the service analysis found a stable wall
  std::optional<Quantities> quantities;  // after a completed design
  RecordingSink sink;
  std::optional<std::string> error;  // the fault that ended the run
};

void RunStages(ProjectData& project, AnalyseRun& run) {
  try {
    RunServiceAnalysis(project, run.service, run.sink);
    run.global = ComputeGlobalStability(project, run.service);
    // The concrete design runs after the service analysis and with the same sink, so that its
    // messages follow the slope messages; a fault ends the run like one of the service.
    ComputeWallOutline(project, run.factored);
    RunConcreteDesign(project, run.factored, run.design, run.sink);
    if (run.design.completed) run.quantities = ComputeQuantities(project, run.factored);
  } catch (const std::exception& e) {
    run.error = e.what();
  }
}

void WriteJson(const ProjectData& project, const AnalyseRun& run, std::ostream& out) {
  JsonWriter json;
  json.BeginObject();
  json.Key("service").BeginObject();
  WriteServiceJson(run.service, json);
  WriteGlobalStabilityJson(run.global, json);
  json.EndObject();
  json.Key("design").BeginObject();
  WriteDesignJson(project, run.design, json);
  json.Key("quantities");
  WriteQuantitiesJson(project, run.quantities, json);
  json.EndObject();
  json.Key("messages");
  WriteMessagesJson(run.sink.messages, json);
  if (run.error) json.Key("error").Value(*run.error);
  json.EndObject();
  out << json.Text();
}

}  // namespace

int RunAnalyse(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const auto line = ParseCommandLine(args, kAnalyseSyntax, err);
  if (!line) return kExitUsage;
  if (line->help) {
    PrintCommandHelp(kAnalyseSyntax, out);
    return kExitOk;
  }
  auto project = LoadProjectForCommand(kAnalyseSyntax.name, line->positionals[0], err);
  if (!project) return kExitFailure;

  AnalyseRun run;
  RunStages(*project, run);
  if (line->Has("--json")) {
    WriteJson(*project, run, out);
  } else if (!run.error) {
    out << ServiceSummaryText(*project, run.service, run.global, run.sink.messages)
        << DesignSummaryText(*project, run.design);
    if (run.quantities) out << QuantitiesSummaryText(*project, *run.quantities);
  }
  if (run.error) return CommandFailure(kAnalyseSyntax.name, *run.error, err);
  return kExitOk;
}

}  // namespace kelvadrome
