// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli circle: one slip circle through the wall's section with its slices and its
// safety factor by Bishop's simplified method, a diagnostic of the global stability search.
#include <charconv>
#include <cmath>
#include <exception>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>

#include "cli/CommandSupport.h"
#include "cli/JsonWriter.h"
#include "engine/Analysis.h"
#include "engine/SlipCircle.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

const CommandSyntax kCircleSyntax{
    "circle",
    "circle FILE --centre X,Y --radius R [--json]",
    "Evaluates one slip circle under the wall of the project in FILE (or the default project for\n"
    "--default) after its service analysis: centre X from the toe edge and Y downward from the\n"
    "stem top, radius R, in the project's length unit. Prints the safety factor by Bishop's\n"
    "simplified method with the table of its 50 slices, or \"not admissible\" and the rule that\n"
    "failed. With --json writes \"admissible\", \"reason\", \"safetyFactor\", \"exitX\",\n"
    "\"entryX\" and \"slices\" (x, b, W, Wm, yg, alpha and phi in degrees, u, c in the pressure\n"
    "unit). The circle is evaluated whatever the wall's stability on its base. Exit status 0\n"
    "either way, 1 when the file cannot be read or the analysis faults.",
    {"--centre", "--radius"},
    {"--json"},
    1,
    1,
};

std::optional<double> ParseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

struct CircleRun {
  SlipCircle circle;
  CircleResult result;
  std::array<Slice, kSliceCount> slices{};
};

void Optional(JsonWriter& json, const char* key, const std::optional<double>& value) {
  json.Key(key);
  if (value) {
    json.Value(*value);
  } else {
    json.Null();
  }
}

void WriteJson(const CircleRun& run, std::ostream& out) {
  const CircleResult& r = run.result;
  JsonWriter json;
  json.BeginObject();
  json.Key("admissible").Value(r.Admissible());
  json.Key("reason");
  if (r.Admissible()) {
    json.Null();
  } else {
    json.Value(CircleRefusalText(r.refusal));
  }
  Optional(json, "safetyFactor", r.Admissible() ? std::optional(r.safetyFactor) : std::nullopt);
  Optional(json, "exitX", r.ends.exitX);
  Optional(json, "entryX", r.ends.entryX);
  json.Key("slices").BeginArray();
  if (r.Admissible()) {
    for (const Slice& s : run.slices) {
      json.BeginObject();
      json.Key("x").Value(s.x);
      json.Key("b").Value(s.width);
      json.Key("W").Value(s.weight);
      json.Key("Wm").Value(s.massWeight);
      json.Key("yg").Value(s.massDepth);
      json.Key("alpha").Value(Degrees(std::asin(s.sinAlpha)));
      json.Key("u").Value(s.porePressure);
      json.Key("c").Value(s.cohesion);
      json.Key("phi").Value(s.frictionDegrees);
      json.EndObject();
    }
  }
  json.EndArray();
  json.EndObject();
  out << json.Text();
}

std::string Cell(double value, std::string_view pattern, std::size_t width) {
  const std::string text = FormatNumber(value, pattern);
  return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}

void WriteText(const ProjectData& p, const CircleRun& run, std::ostream& out) {
  const CircleResult& r = run.result;
  const std::string length = UnitLabel(UnitQuantity::length, p.unitSystem);
  out << "Slip circle: centre (" << FormatNumber(run.circle.centreX, "#0.##0") << ", "
      << FormatNumber(run.circle.centreY, "#0.##0") << ") " << length << ", radius "
      << FormatNumber(run.circle.radius, "#0.##0") << " " << length << "\n";
  if (!r.Admissible()) {
    out << "Not admissible: " << CircleRefusalText(r.refusal) << ".\n";
    return;
  }
  out << "Exit x = " << FormatNumber(*r.ends.exitX, "#0.##0") << " " << length
      << ", entry x = " << FormatNumber(*r.ends.entryX, "#0.##0") << " " << length << "\n"
      << "Safety factor (Bishop's simplified method) F = " << FormatNumber(r.safetyFactor, "#0.##0")
      << "\n\n";
  out << "Slices: W and Wm in " << ForcePerLengthLabel(p.unitSystem) << ", u and c in "
      << UnitLabel(UnitQuantity::pressure, p.unitSystem) << ", lengths in " << length
      << ", angles in degrees\n";
  out << "   i        x        b        W       Wm       yg    alpha        u        c      phi\n";
  int i = 0;
  for (const Slice& s : run.slices) {
    out << Cell(++i, "#0", 4) << Cell(s.x, "#0.##0", 9) << Cell(s.width, "#0.##0", 9)
        << Cell(s.weight, "#0.##0", 9) << Cell(s.massWeight, "#0.##0", 9)
        << Cell(s.massDepth, "#0.##0", 9) << Cell(Degrees(std::asin(s.sinAlpha)), "#0.#0", 9)
        << Cell(s.porePressure, "#0.##0", 9) << Cell(s.cohesion, "#0.##0", 9)
        << Cell(s.frictionDegrees, "#0.#0", 9) << "\n";
  }
}

}  // namespace

int RunCircle(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const CommandStart start = StartCommand(args, kCircleSyntax, out, err);
  if (!start.line) return start.exitStatus;
  const CommandLine& line = *start.line;
  const std::string* centre = line.Value("--centre");
  const std::string* radius = line.Value("--radius");
  if (!centre || !radius) return UsageError(kCircleSyntax, "--centre and --radius are required", err);
  const auto comma = centre->find(',');
  const auto x = comma == std::string::npos ? std::nullopt : ParseNumber(std::string_view(*centre).substr(0, comma));
  const auto y = comma == std::string::npos ? std::nullopt : ParseNumber(std::string_view(*centre).substr(comma + 1));
  if (!x || !y) {
    return UsageError(kCircleSyntax, "--centre takes two numbers X,Y, not '" + *centre + "'", err);
  }
  const auto r = ParseNumber(*radius);
  if (!r || *r <= 0) {
    return UsageError(kCircleSyntax, "--radius takes a positive number, not '" + *radius + "'", err);
  }

  auto project = LoadProjectForCommand(kCircleSyntax.name, line.positionals[0], err);
  if (!project) return kExitFailure;
  CircleRun run;
  run.circle = {*x, *y, *r};
  try {
    // The circle is taken through the wall the analysis describes: with the slope the rules flattened.
    const ServiceAnalysis service = AnalyseService(*project);
    if (service.fault) return CommandFailure(kCircleSyntax.name, *service.fault, err);
    *project = WithFindings(std::move(*project), service);
    const SlipSection section = BuildSlipSection(*project);
    run.result = EvaluateCircle(section, run.circle, &run.slices);
    // A circle that cuts the concrete is refused before its ends are looked for: say them anyway.
    if (run.result.refusal == CircleRefusal::cutsConcrete) run.result.ends = FindCircleEnds(section, run.circle);
  } catch (const std::exception& e) {
    return CommandFailure(kCircleSyntax.name, e.what(), err);
  }
  if (line.Has("--json")) {
    WriteJson(run, out);
  } else {
    WriteText(*project, run, out);
  }
  return kExitOk;
}

}  // namespace kelvadrome
