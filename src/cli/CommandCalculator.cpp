// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli calculator: the soil-pressure calculator started with the project's values, as
// the calculator window's results table or as JSON.
#include <exception>
#include <ostream>
#include <string>

#include "calculator/SoilPressureCalculator.h"
#include "cli/CommandSupport.h"
#include "cli/JsonWriter.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

const CommandSyntax kCalculatorSyntax{
    "calculator",
    "calculator FILE [--json]",
    "Runs the soil-pressure calculator with the initial values the calculator window takes from\n"
    "the project in FILE (or the default project for --default): the pressure coefficient,\n"
    "pressures, soil forces and depths of their resultants for the active, passive (normal and\n"
    "seismic) and at-rest cases, and the water results. With --json writes the objects \"A1\",\n"
    "\"A2\", \"P1\", \"P2\", \"R\" and \"Pw\", \"Fw\", \"zw\", \"inclination\"; a seismic case that\n"
    "cannot be computed is null. Exit status 1 when the file cannot be read or the computation\n"
    "faults.",
    {},
    {"--json"},
    1,
    1,
};

void WriteCaseJson(const CalculatorCaseResult& c, JsonWriter& json) {
  if (!c.available) {
    json.Null();
    return;
  }
  json.BeginObject();
  const std::pair<const char*, float> members[] = {{"K", c.K},   {"pTop", c.pTop}, {"pWt", c.pWt}, {"pWt2", c.pWt2},
                                                   {"pBot", c.pBot}, {"F1", c.F1},   {"z1", c.z1},   {"F2", c.F2},
                                                   {"z2", c.z2},   {"F", c.F},       {"z", c.z}};
  for (const auto& [name, value] : members) json.Key(name).Value(value);
  json.EndObject();
}

void WriteJson(const CalculatorResults& r, const RecordingSink& sink, std::ostream& out) {
  JsonWriter json;
  json.BeginObject();
  for (int c = 0; c < kCalculatorCaseCount; ++c) {
    json.Key(kCalculatorCaseKeys[c]);
    WriteCaseJson(r.cases[c], json);
  }
  json.Key("Pw").Value(r.waterPressure);
  json.Key("Fw").Value(r.waterForce);
  json.Key("zw").Value(r.waterDepth);
  json.Key("inclination").Value(r.inclination);
  json.Key("messages").BeginArray();
  for (const std::string& m : sink.messages) json.Value(m);
  json.EndArray();
  json.EndObject();
  out << json.Text();
}

std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;  // UTF-8 continuation bytes take no column
  for (const char ch : text) columns += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  return columns;
}

// Right-aligned in a cell of width columns, with at least one space before it.
std::string Cell(const std::string& text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return columns >= width ? " " + text : std::string(width - columns, ' ') + text;
}

std::string Left(const std::string& text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return columns >= width ? text + " " : text + std::string(width - columns, ' ');
}

std::string ResultsText(const CalculatorInputs& in, const CalculatorResults& r, const RecordingSink& sink,
                        UnitSystem unitSystem) {
  const std::string pressure = UnitLabel(UnitQuantity::pressure, unitSystem);
  const std::string force = ForcePerLengthLabel(unitSystem);
  const std::string length = UnitLabel(UnitQuantity::length, unitSystem);
  std::string out;
  for (const std::string& m : sink.messages) out += "Message: " + m + "\n";
  out += "Soil pressure (" + std::string(UnitSystemName(unitSystem)) + " units): soil slope " +
         FormatNumber(r.slopeUsed, "#0.#0") + "°, depth of soil " + FormatNumber(in[kCalcSoilDepth], "#0.#0") + " " +
         length + ", depth of water table " + FormatNumber(in[kCalcWaterDepth], "#0.#0") + " " + length + "\n\n";

  constexpr std::size_t kCaption = 30, kUnit = 8, kWidth = 14;
  out += std::string(kCaption + kUnit, ' ');
  for (const char* heading : {"Active normal", "Active seismic", "Passive normal", "Passive seismic", "At rest"})
    out += Cell(heading, kWidth + 2);
  out += "\n";
  // One row: caption, unit, then the text of each case ("N/A" for a case not available).
  const auto row = [&](const std::string& caption, const std::string& unit, auto text) {
    out += Left(caption, kCaption) + Left(unit, kUnit);
    for (const int c : {kCaseA1, kCaseA2, kCaseP1, kCaseP2, kCaseR}) {
      const CalculatorCaseResult& k = r.cases[c];
      out += Cell(k.available ? text(k, c) : "N/A", kWidth + 2);
    }
    out += "\n";
  };
  const auto general = [](float CalculatorCaseResult::*member) {
    return [member](const CalculatorCaseResult& k, int) { return FormatNumber(k.*member, "#0.#0"); };
  };
  row("Pressure coefficient (K):", "", [](const CalculatorCaseResult& k, int) { return FormatNumber(k.K, "#0.##0"); });
  row("At top of wall:", pressure, general(&CalculatorCaseResult::pTop));
  // The seismic columns show both ordinates at the water table.
  row("At water table:", pressure, [](const CalculatorCaseResult& k, int c) {
    const std::string upper = FormatNumber(k.pWt, "#0.#0");
    return c == kCaseA2 || c == kCaseP2 ? upper + "/" + FormatNumber(k.pWt2, "#0.#0") : upper;
  });
  row("At bottom of wall:", pressure, general(&CalculatorCaseResult::pBot));
  row("Above water table:", force, general(&CalculatorCaseResult::F1));
  row("  depth of resultant:", length, general(&CalculatorCaseResult::z1));
  row("Below water table:", force, general(&CalculatorCaseResult::F2));
  row("  depth of resultant:", length, general(&CalculatorCaseResult::z2));
  row("Total:", force, general(&CalculatorCaseResult::F));
  row("  depth of resultant:", length, general(&CalculatorCaseResult::z));

  out += "\nPressure inclination (θ + δ): " + FormatNumber(r.inclination, "#0.#0") + " °\n";
  out += "Water pressure at bottom (Pw): " + FormatNumber(r.waterPressure, "#0.#0") + " " + pressure + "\n";
  out += "Water force (Fw): " + FormatNumber(r.waterForce, "#0.#0") + " " + force + "\n";
  out += "  depth of resultant: " + FormatNumber(r.waterDepth, "#0.#0") + " " + length + "\n";
  return out;
}

}  // namespace

int RunCalculator(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const auto line = ParseCommandLine(args, kCalculatorSyntax, err);
  if (!line) return kExitUsage;
  if (line->help) {
    PrintCommandHelp(kCalculatorSyntax, out);
    return kExitOk;
  }
  const auto project = LoadProjectForCommand(kCalculatorSyntax.name, line->positionals[0], err);
  if (!project) return kExitFailure;

  const CalculatorInputs inputs = CalculatorInitialValues(*project);
  RecordingSink sink;
  CalculatorResults results;
  try {
    results = ComputeSoilPressure(inputs, sink);
  } catch (const std::exception& e) {
    if (line->Has("--json")) {
      JsonWriter json;
      json.BeginObject().Key("error").Value(e.what()).EndObject();
      out << json.Text();
    }
    return CommandFailure(kCalculatorSyntax.name, e.what(), err);
  }
  if (line->Has("--json")) {
    WriteJson(results, sink, out);
  } else {
    out << ResultsText(inputs, results, sink, project->unitSystem);
  }
  return kExitOk;
}

}  // namespace kelvadrome
