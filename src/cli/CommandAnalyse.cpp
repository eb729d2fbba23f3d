// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli analyse: the service analysis (and the concrete design) of a project, as a
// readable summary or as the JSON of the contract shared with other tools.
#include <exception>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CommandSupport.h"
#include "cli/DesignJson.h"
#include "cli/DesignSummary.h"
#include "cli/JsonWriter.h"
#include "cli/QuantitiesJson.h"
#include "cli/QuantitiesSummary.h"
#include "cli/ServiceJson.h"
#include "cli/ServiceSummary.h"
#include "engine/Analysis.h"
#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/GlobalStability.h"
#include "engine/Quantities.h"

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

// Everything one run of the command computes. The messages of every stage are kept in the
// order they are raised.
struct AnalyseRun {
  AnalysisResults service;
  DesignResults design;
  GlobalStabilityResults global;  // not computed unless the service analysis found a stable wall
  std::optional<Quantities> quantities;  // after a completed design
  std::vector<std::string> messages;
  std::optional<std::string> error;  // the fault that ended the run
};

void Take(std::vector<std::string>& messages, std::vector<std::string>&& more) {
  messages.insert(messages.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// The stages in order, each on the project as the one before left it: the flattened slope of
// the service analysis, then the bars the design chose. A fault ends the run.
void RunStages(ProjectData& project, AnalyseRun& run) {
  // The project keeps what a stage found; false when the stage ended in a fault.
  const auto keep = [&project, &run](auto& stage) {
    Take(run.messages, std::move(stage.messages));
    project = WithFindings(std::move(project), stage);
    if (stage.fault) run.error = stage.fault;
    return !stage.fault;
  };
  try {
    ServiceAnalysis service = AnalyseService(project);
    run.service = service.results;
    if (!keep(service)) return;
    run.global = ComputeGlobalStability(project, run.service);
    // The concrete design runs after the service analysis, so that its messages follow the
    // slope messages.
    DesignRun design = RunDesign(project);
    run.design = design.design;
    if (!keep(design)) return;
    if (run.design.completed) run.quantities = ComputeQuantities(project, design.results);
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
  WriteMessagesJson(run.messages, json);
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
    out << ServiceSummaryText(*project, run.service, run.global, run.messages)
        << DesignSummaryText(*project, run.design);
    if (run.quantities) out << QuantitiesSummaryText(*project, *run.quantities);
  }
  if (run.error) return CommandFailure(kAnalyseSyntax.name, *run.error, err);
  return kExitOk;
}

}  // namespace kelvadrome
