// SPDX-License-Identifier: GPL-3.0-or-later
// The audit of one wall through the engine, the calculator and the core's display texts.
#include "WallAudit.h"

#include <cctype>
#include <cmath>
#include <exception>
#include <initializer_list>
#include <span>
#include <typeinfo>
#include <utility>

#include "calculator/SoilPressureCalculator.h"
#include "engine/Analysis.h"
#include "engine/AnalysisResults.h"
#include "engine/DesignDisplay.h"
#include "engine/DesignResults.h"
#include "engine/DesignWarnings.h"
#include "engine/EngineError.h"
#include "engine/MessageSink.h"
#include "engine/Quantities.h"
#include "engine/StabilityTexts.h"
#include "engine/WallGeometry.h"
#include "format/NumberFormat.h"

namespace kelvadrome::test {

namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The name of a shown value, put into words only when it faults: "caseMoment[2][7]".
struct Name {
  const char* what;
  int first = -1;
  int second = -1;
  [[nodiscard]] std::string Text() const {
    std::string text = what;
    for (const int index : {first, second}) {
      if (index >= 0) text += "[" + std::to_string(index) + "]";
    }
    return text;
  }
};

class Auditor {
 public:
  explicit Auditor(WallAuditReport& report) : report_(report) {}

  void Text(std::string_view where, std::string_view text) {
    if (ShowsNonFinite(text)) Fault(std::string(where) + " shows \"" + std::string(text) + "\"");
  }

  // A value a display formats: finite, and formatted as a plain number.
  void Value(const Name& name, double value) {
    if (!std::isfinite(value)) return Fault(name.Text() + " is not finite");
    const auto check = [&](const std::string& text) {
      if (ShowsNonFinite(text)) Fault(name.Text() + " shows \"" + text + "\"");
    };
    check(FormatNumber(value, "#0.##0"));
    check(FormatNumber(value, "0.#0%"));
    if (std::isfinite(static_cast<float>(value))) check(FormatGeneral(static_cast<float>(value)));
  }

  void Named(std::initializer_list<std::pair<const char*, double>> values) {
    for (const auto& [name, value] : values) Value({name}, value);
  }

  // Rows of a shown table, each from its first used index on.
  struct Series {
    const char* name;
    std::span<const float> values;
    std::size_t from = 0;
  };
  void Values(std::initializer_list<Series> series) {
    for (const Series& s : series) {
      for (std::size_t i = s.from; i < s.values.size(); ++i) Value({s.name, static_cast<int>(i)}, s.values[i]);
    }
  }

  void Fault(std::string text) { report_.faults.push_back(std::move(text)); }

 private:
  WallAuditReport& report_;
};

void AuditStability(Auditor& a, const StabilityResults& s, UnitSystem unitSystem) {
  for (const StabilityTextStyle style : {StabilityTextStyle::dialog, StabilityTextStyle::report}) {
    for (const StabilityGroup& group : StabilityGroups(s, unitSystem, style)) {
      for (const StabilityLine& line : group.lines) a.Text(group.caption + line.Caption(), line.value);
    }
    for (const std::string& note : StabilityNotes(s, unitSystem, style)) a.Text("note", note);
  }
  const StabilityVerdict verdict = StabilityVerdictText(s);
  a.Text("verdict", verdict.headline + verdict.detail);
  a.Text("eccentricity comparison", EccentricityComparisonText(s));
  a.Text("resultant position", ResultantPositionText(s));

  // What the stability window and the report show as numbers in every case ...
  a.Named({{"sumHorizontal", s.sumHorizontal}, {"sumVertical", s.sumVertical}, {"sumMoment", s.sumMoment},
           {"eccentricMoment", s.eccentricMoment}, {"resultantX", s.resultantX}, {"eccentricity", s.eccentricity},
           {"baseWidthUsed", s.baseWidthUsed}, {"overturningSafetyFactor", s.overturningSafetyFactor},
           {"resistingMoment", s.resistingMoment}, {"overturningMoment", s.overturningMoment}});
  if (!s.wallStable) return;
  // ... and for a stable wall only (the others read "N/A" by design).
  a.Named({{"toePressure", s.toePressure}, {"heelPressure", s.heelPressure},
           {"pressureSafetyFactor", s.pressureSafetyFactor},
           {"pressure width %", double(s.contactWidth) / s.baseWidthUsed * 100}, {"slidingForce", s.slidingForce},
           {"resistingForce", s.resistingForce}, {"slidingSafetyFactor", s.slidingSafetyFactor}});
  a.Values({{"basePressure", s.basePressure}, {"baseSegmentForce", s.baseSegmentForce, 1},
            {"baseSegmentX", s.baseSegmentX, 1}});
  const BearingResults& b = s.bearing;
  if (!b.computed) return;
  a.Named({{"bearing effectiveWidth", b.effectiveWidth}, {"bearing horizontalLoad", b.horizontalLoad},
           {"bearing overburden", b.overburden}, {"bearing effectiveUnitWeight", b.effectiveUnitWeight},
           {"bearing Nq", b.Nq}, {"bearing Nc", b.Nc}, {"bearing Ngamma", b.Ngamma}, {"bearing iq", b.iq},
           {"bearing ic", b.ic}, {"bearing igamma", b.igamma}, {"bearing ultimatePressure", b.ultimatePressure},
           {"bearing resistance", b.resistance}, {"bearing safetyFactor", b.safetyFactor}});
}

// The drawing's pressure diagrams, forces and weights, and the report's load tables.
void AuditServiceResults(Auditor& a, const AnalysisResults& r) {
  const PressureResults& p = r.pressure;
  a.Values({{"wallOutlineX", r.wallOutlineX}, {"wallOutlineY", r.wallOutlineY}, {"polygonArea", r.polygonArea, 1},
            {"polygonCentroidX", r.polygonCentroidX, 1}, {"polygonCentroidY", r.polygonCentroidY, 1},
            {"polygonWeight", r.polygonWeight, 1}, {"polygonInertia", r.polygonInertia, 1},
            {"activePressure", p.activePressure}, {"activeForce", p.activeForce, 1},
            {"activeForceDepth", p.activeForceDepth, 1}, {"activeForceX", p.activeForceX, 3},
            {"seismicPressure", p.seismicPressure, 1}, {"seismicForce", p.seismicForce, 1},
            {"seismicForceDepth", p.seismicForceDepth, 1}, {"seismicForceX", p.seismicForceX, 3},
            {"passivePressure", p.passivePressure}, {"passiveForce", p.passiveForce, 1},
            {"passiveForceDepth", p.passiveForceDepth, 1}, {"waterPressure", p.waterPressure, 1},
            {"waterForce", p.waterForce, 1}, {"waterForceDepth", p.waterForceDepth, 1},
            {"waterForceX", p.waterForceX, 7}});
  a.Named({{"activeCoefficient", p.activeCoefficient}, {"seismicIncrementCoefficient", p.seismicIncrementCoefficient},
           {"hydrodynamicForce", p.hydrodynamicForce}, {"hydrodynamicBasePressure", p.hydrodynamicBasePressure},
           {"hydrodynamicDepth", p.hydrodynamicDepth}, {"maxWaterPressure", p.maxWaterPressure}});
}

void AuditDesign(Auditor& a, const ProjectData& project, const DesignResults& d) {
  const UnitSystem u = project.unitSystem;
  for (int section = 1; section <= kDesignSectionCount; ++section) {
    for (int c = 1; c <= kAnalysisCaseCount; ++c) {
      a.Value({"caseMoment", section, c}, d.caseMoment[section][c]);
      a.Value({"caseShear", section, c}, d.caseShear[section][c]);
      a.Value({"caseNormal", section, c}, d.caseNormal[section][c]);
    }
    for (const auto& [name, values] :
         {std::pair{"envMaxMoment", &d.envMaxMoment}, {"envMinMoment", &d.envMinMoment},
          {"envMaxShear", &d.envMaxShear}, {"serviceMoment", &d.serviceMoment},
          {"sectionDesignShear", &d.sectionDesignShear}, {"sectionShearNormal", &d.sectionShearNormal},
          {"sectionShearCapacity", &d.sectionShearCapacity}}) {
      a.Value({name, section}, (*values)[section]);
    }
    (void)ShearCapacityBelowShear(d, section);
  }
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    const ColumnAvailability& av = d.available[c];
    a.Value({"colMoment", c}, d.colMoment[c]);
    a.Value({"colNormal", c}, d.colNormal[c]);
    a.Value({"colServiceMoment", c}, d.colServiceMoment[c]);
    a.Value({"colServiceNormal", c}, d.colServiceNormal[c]);
    a.Value({"colHeight shown", c}, DisplaySectionLength(d.colHeight[c], u));
    a.Value({"barDiameters shown", c}, DisplayBarSize(project.barDiameters[c], u));
    a.Value({"barPitches shown", c}, DisplayBarSize(project.barPitches[c], u));
    if (av.momentCapacity) a.Value({"colMomentCapacity", c}, d.colMomentCapacity[c]);
    if (av.steelRatio) a.Value({"colSteelRatio", c}, d.colSteelRatio[c]);
    if (av.requiredArea) a.Value({"colRequiredArea shown", c}, DisplaySectionArea(d.colRequiredArea[c], u));
    if (av.ratioLimit) a.Value({"colRatioLimit", c}, d.colRatioLimit[c]);
    if (av.steelArea) a.Value({"colSteelArea shown", c}, DisplaySectionArea(d.colSteelArea[c], u));
    if (av.crackZ) a.Value({"colCrackZ", c}, d.colCrackZ[c]);
    (void)ColumnWarningsOf(d, c);
  }
  a.Named({{"balancedRatio", d.balancedRatio}, {"minimumRatio", d.minimumRatio}, {"crackZLimit", d.crackZLimit}});
}

void AuditCalculator(Auditor& a, const CalculatorInputs& in, const CalculatorResults& r) {
  for (std::size_t i = 0; i < in.size(); ++i) a.Value({"calculator input", static_cast<int>(i)}, in[i]);
  for (int c = 0; c < kCalculatorCaseCount; ++c) {
    const CalculatorCaseResult& k = r.cases[static_cast<std::size_t>(c)];
    if (!k.available) continue;
    for (const auto& [member, value] : {std::pair{"calculator K", k.K}, {"calculator pTop", k.pTop},
                                        {"calculator pWt", k.pWt}, {"calculator pWt2", k.pWt2},
                                        {"calculator pBot", k.pBot}, {"calculator F1", k.F1},
                                        {"calculator z1", k.z1}, {"calculator F2", k.F2},
                                        {"calculator z2", k.z2}, {"calculator F", k.F}, {"calculator z", k.z}}) {
      a.Value({member, c}, value);
    }
  }
  a.Named({{"calculator Pw", r.waterPressure}, {"calculator Fw", r.waterForce}, {"calculator zw", r.waterDepth},
           {"calculator inclination", r.inclination}, {"calculator slope", r.slopeUsed}});
}

// Messages before a fault are shown and kept; the fault ends the stage.
template <class Run>
void TakeMessages(Auditor& a, const Run& run) {
  for (const std::string& m : run.messages) a.Text("message", m);
  if (run.fault) throw EngineError(*run.fault);
}

// Runs one stage; an EngineError is an allowed end of it, any other exception a fault.
template <class Stage>
bool RunStage(Auditor& a, WallAuditReport& report, const char* name, Stage&& stage) {
  try {
    stage();
    return true;
  } catch (const EngineError& e) {
    ++report.engineErrors;
    a.Text(std::string(name) + " error", e.what());
  } catch (const std::exception& e) {
    a.Fault(std::string(name) + ": unexpected " + typeid(e).name() + ": " + e.what());
  } catch (...) {
    a.Fault(std::string(name) + ": unexpected exception of an unknown type");
  }
  return false;
}

}  // namespace

bool ShowsNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const std::string_view word : {"nan", "inf"}) {
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
      const bool startsWord = at == 0 || !IsLetter(lower[at - 1]);
      const std::string_view rest = std::string_view(lower).substr(at + word.size());
      const bool endsWord = rest.empty() || !IsLetter(rest.front()) || rest.starts_with("inity");
      if (startsWord && endsWord) return true;
    }
  }
  return false;
}

WallAuditReport AuditWall(const ProjectData& original) {
  WallAuditReport report;
  Auditor a(report);

  // The project as the program keeps it between the stages: the design runs on the slope the
  // service analysis flattened, and the calculator on the project as it was opened.
  ProjectData project = original;
  report.serviceRan = RunStage(a, report, "service analysis", [&] {
    const ServiceAnalysis run = AnalyseService(project);
    project = WithFindings(std::move(project), run);
    TakeMessages(a, run);
    AuditStability(a, run.results.stability, project.unitSystem);
    AuditServiceResults(a, run.results);
  });
  RunStage(a, report, "concrete design", [&] {
    const DesignRun run = RunDesign(project);
    project = WithFindings(std::move(project), run);
    TakeMessages(a, run);
    report.designCompleted = run.design.completed;
    if (!run.design.completed) return;
    AuditDesign(a, project, run.design);
    const Quantities q = ComputeQuantities(project, run.results);
    a.Named({{"quantities concrete", q.concrete}, {"quantities formwork", q.formwork},
             {"quantities distributionSteel", q.distributionSteel}, {"quantities steel", q.steel},
             {"quantities cost", q.cost}});
    a.Values({{"quantities mainSteel", q.mainSteel, 1}});
  });
  RecordingSink calculatorSink;
  report.calculatorRan = RunStage(a, report, "calculator", [&] {
    const CalculatorInputs inputs = CalculatorInitialValues(original);
    AuditCalculator(a, inputs, ComputeSoilPressure(inputs, calculatorSink));
  });
  for (const std::string& m : calculatorSink.messages) a.Text("message", m);
  return report;
}

}  // namespace kelvadrome::test
