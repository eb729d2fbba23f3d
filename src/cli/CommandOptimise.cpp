// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli optimise: the cheapest wall within the project's optimiser bounds that meets
// every target, with the next cheapest walls, as a readable table or as JSON; optionally the
// project with the best wall written to a file.
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <iostream>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/CommandSupport.h"
#include "cli/JsonWriter.h"
#include "cli/QuantitiesJson.h"
#include "cli/QuantitiesSummary.h"
#include "engine/Optimiser.h"
#include "format/NumberFormat.h"
#include "model/OptimiserDefaults.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

const CommandSyntax kOptimiseSyntax{
    "optimise",
    "optimise FILE [--json] [-o BEST.kvi] [--threads N]",
    "Searches the cheapest wall that meets every target of the project in FILE (or the default\n"
    "project for --default): the dimensions set to vary take every value from their minimum to\n"
    "their maximum in steps of 0.05 m (2 in in British), the others keep their values, and the\n"
    "depth of the base stays. Prints the best wall with its quantities and safety factors and\n"
    "the ten cheapest walls found, or why none was found. With --json writes \"best\",\n"
    "\"candidates\", \"evaluated\", \"feasible\", \"seconds\" and \"message\". -o writes the\n"
    "project with the best wall's dimensions. --threads sets the number of threads (default:\n"
    "every core); the result does not depend on it. A progress line goes to stderr when it is a\n"
    "terminal. Exit status 1 when the file cannot be read or written.",
    {"-o", "--threads"},
    {"--json"},
    1,
    1,
};

constexpr unsigned kMaxThreads = 256;

std::optional<unsigned> ParseThreads(const std::string& text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxThreads) {
    return std::nullopt;
  }
  return value;
}

std::string Number(double value) { return FormatNumber(value, "#0.#0"); }

void OptionalValue(JsonWriter& json, const char* key, std::optional<float> value) {
  json.Key(key);
  if (value) {
    json.Value(*value);
  } else {
    json.Null();
  }
}

void WriteWallJson(const ProjectData& project, const OptimisedWall& wall, JsonWriter& json) {
  const CandidateEvaluation& e = wall.evaluation;
  json.BeginObject();
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    json.Key(OptimisedDimensionKey(d)).Value(wall.dimensions[static_cast<std::size_t>(d)]);
  }
  json.Key("cost").Value(e.quantities.cost);
  json.Key("governing").Value(CheckName(wall.governing));
  json.Key("quantities");
  WriteQuantitiesJson(project, e.quantities, json);
  json.Key("safetyFactors").BeginObject();
  OptionalValue(json, "sliding", e.values[CheckId::sliding]);
  OptionalValue(json, "overturning", e.values[CheckId::overturning]);
  OptionalValue(json, "pressure", e.values[CheckId::pressure]);
  OptionalValue(json, "bearing", e.values[CheckId::bearing]);
  OptionalValue(json, "global", wall.globalFactor);
  json.Key("eccentricity").Value(e.eccentricity);
  json.EndObject();
  json.EndObject();
}

void WriteJson(const ProjectData& project, const OptimiserResult& r, double seconds, std::ostream& out) {
  JsonWriter json;
  json.BeginObject();
  json.Key("best");
  if (r.walls.empty()) {
    json.Null();
  } else {
    WriteWallJson(project, r.walls.front(), json);
  }
  json.Key("candidates").BeginArray();
  for (const OptimisedWall& wall : r.walls) WriteWallJson(project, wall, json);
  json.EndArray();
  json.Key("evaluated").Value(static_cast<double>(r.evaluated));
  json.Key("feasible").Value(static_cast<double>(r.feasible));
  json.Key("seconds").Value(seconds);
  json.Key("message");
  if (r.message.empty()) {
    json.Null();
  } else {
    json.Value(r.message);
  }
  json.EndObject();
  out << json.Text();
}

void WriteText(const ProjectData& project, const OptimiserResult& r, double seconds, std::ostream& out) {
  const std::string length = UnitLabel(UnitQuantity::length, project.unitSystem);
  out << "Walls analysed: " << r.evaluated << ", meeting every target: " << r.feasible << ", in "
      << FormatNumber(seconds, "#0.#0") << " s.\n";
  if (r.walls.empty()) {
    out << r.message << "\n";
    return;
  }
  const OptimisedWall& best = r.walls.front();
  out << "\nCheapest wall: cost " << Number(best.evaluation.quantities.cost) << " per " << length << "\n";
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    const std::string caption(OptimisedDimensionCaption(d));
    out << "  " << caption << std::string(22 - caption.size(), ' ')
        << Number(best.dimensions[static_cast<std::size_t>(d)]) << " " << length
        << (project.optimiserVariables[static_cast<std::size_t>(d)].vary ? "" : "  (fixed)") << "\n";
  }
  const CandidateEvaluation& e = best.evaluation;
  out << "  Safety factors: sliding " << Number(e.values[CheckId::sliding].value_or(0)) << ", overturning "
      << Number(e.values[CheckId::overturning].value_or(0)) << ", pressure "
      << Number(e.values[CheckId::pressure].value_or(0));
  if (e.values[CheckId::bearing]) out << ", bearing " << Number(*e.values[CheckId::bearing]);
  if (best.globalFactor) out << ", global " << Number(*best.globalFactor);
  out << "; eccentricity " << Number(e.eccentricity) << " " << length << "\n";
  out << QuantitiesSummaryText(project, e.quantities);
  out << "\nThe " << r.walls.size() << " cheapest walls (" << length << "):\n   #";
  for (int d = 0; d < kOptimisedDimensionCount; ++d) out << "  " << OptimisedDimensionKey(d);
  out << "  cost  governing\n";
  for (std::size_t i = 0; i < r.walls.size(); ++i) {
    out << "  " << (i + 1 < 10 ? " " : "") << i + 1;
    for (int d = 0; d < kOptimisedDimensionCount; ++d) {
      out << "  " << Number(r.walls[i].dimensions[static_cast<std::size_t>(d)]);
    }
    out << "  " << Number(r.walls[i].evaluation.quantities.cost) << "  " << CheckName(r.walls[i].governing) << "\n";
  }
}

}  // namespace

int RunOptimise(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const CommandStart start = StartCommand(args, kOptimiseSyntax, out, err);
  if (!start.line) return start.exitStatus;
  const CommandLine& line = *start.line;
  OptimiserOptions options;
  if (const std::string* threads = line.Value("--threads")) {
    const std::optional<unsigned> count = ParseThreads(*threads);
    if (!count) {
      return UsageError(kOptimiseSyntax,
                        "--threads needs a whole number from 1 to " + std::to_string(kMaxThreads) + ", not '" +
                            *threads + "'",
                        err);
    }
    options.threads = *count;
  }
  auto project = LoadProjectForCommand(kOptimiseSyntax.name, line.positionals[0], err);
  if (!project) return kExitFailure;
  const std::string problem = OptimiserSettingsProblem(*project);
  if (!problem.empty()) return CommandFailure(kOptimiseSyntax.name, problem, err);

  const bool showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
  if (showProgress) {
    options.progress = [&err](const OptimiserProgress& p) {
      err << "\roptimising: " << FormatNumber(p.fraction * 100, "#0") << " %, " << p.evaluated << " walls, best "
          << (p.bestCost ? FormatNumber(*p.bestCost, "#0.#0") : std::string("none yet")) << "   " << std::flush;
    };
  }
  const auto begin = std::chrono::steady_clock::now();
  const OptimiserResult result = OptimiseWall(*project, options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (showProgress) err << "\n";

  if (line.Has("--json")) {
    WriteJson(*project, result, seconds, out);
  } else {
    WriteText(*project, result, seconds, out);
  }
  if (const std::string* path = line.Value("-o")) {
    if (result.walls.empty()) return CommandFailure(kOptimiseSyntax.name, "no wall to write to " + *path, err);
    const ProjectData best = WithWallDimensions(*project, result.walls.front().dimensions);
    if (!SaveProjectForCommand(kOptimiseSyntax.name, best, *path, err)) return kExitFailure;
  }
  return kExitOk;
}

}  // namespace kelvadrome
