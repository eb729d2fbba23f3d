// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser's checks of one candidate wall. Every check is one row of kServiceChecks or one
// of the two that follow them (the design, the global stability), so that a new check is one
// more row.
#include "engine/OptimiserChecks.h"

#include <bit>
#include <cmath>
#include <exception>

#include "engine/Analysis.h"
#include "engine/DesignWarnings.h"
#include "engine/GlobalStability.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

constexpr float kNoFailureValue = 1e10f;  // the engine's value for a check with nothing driving

struct ServiceCheck {
  CheckId id;
  bool (*enabled)(const ActiveTargets&);
  // The value, or empty when the service results do not hold one.
  std::optional<float> (*value)(const ProjectData&, const AnalysisResults&, const ActiveTargets&);
  // Whether the value meets the target; by default value ≥ target.
  bool (*passes)(const ProjectData&, const AnalysisResults&, const ActiveTargets&, float value);
};

bool Always(const ActiveTargets&) { return true; }

bool AtLeastTarget(CheckId id, const ActiveTargets& t, float value) {
  return double(value) >= TargetOf(id, t);
}

std::optional<float> ResultantValue(const ProjectData& p, const AnalysisResults& r, const ActiveTargets& t) {
  const double e = std::fabs(double(r.stability.eccentricity));
  if (e == 0) return kNoFailureValue;
  return static_cast<float>(t.resultantShare * p.baseWidth / e);
}

// The bearing safety factor of the service analysis. A stable wall whose bearing could not be
// computed (nothing presses on the base) cannot be shown to meet the target, so it counts as 0.
std::optional<float> BearingValue(const ProjectData&, const AnalysisResults& r, const ActiveTargets&) {
  const BearingResults& b = r.stability.bearing;
  return b.computed ? b.safetyFactor : 0.0f;
}

const std::array<ServiceCheck, 5> kServiceChecks{{
    {CheckId::sliding, &Always,
     [](const ProjectData&, const AnalysisResults& r, const ActiveTargets&) -> std::optional<float> {
       return r.stability.slidingSafetyFactor;
     },
     [](const ProjectData&, const AnalysisResults&, const ActiveTargets& t, float v) {
       return AtLeastTarget(CheckId::sliding, t, v);
     }},
    {CheckId::overturning, &Always,
     [](const ProjectData&, const AnalysisResults& r, const ActiveTargets&) -> std::optional<float> {
       return r.stability.overturningSafetyFactor;
     },
     [](const ProjectData&, const AnalysisResults&, const ActiveTargets& t, float v) {
       return AtLeastTarget(CheckId::overturning, t, v);
     }},
    {CheckId::pressure, &Always,
     [](const ProjectData&, const AnalysisResults& r, const ActiveTargets&) -> std::optional<float> {
       return r.stability.pressureSafetyFactor;
     },
     [](const ProjectData&, const AnalysisResults&, const ActiveTargets& t, float v) {
       return AtLeastTarget(CheckId::pressure, t, v);
     }},
    {CheckId::resultant, [](const ActiveTargets& t) { return t.resultantRule; }, &ResultantValue,
     // Decided on the eccentricity itself, not on the quotient shown.
     [](const ProjectData& p, const AnalysisResults& r, const ActiveTargets& t, float) {
       return std::fabs(double(r.stability.eccentricity)) <= t.resultantShare * p.baseWidth;
     }},
    {CheckId::bearing, [](const ActiveTargets& t) { return t.bearingCheck; }, &BearingValue,
     [](const ProjectData&, const AnalysisResults&, const ActiveTargets& t, float v) {
       return AtLeastTarget(CheckId::bearing, t, v);
     }},
}};

uint32_t Bit(CheckId c) { return 1u << static_cast<int>(c); }

void SetValue(CheckValues& values, CheckId c, std::optional<float> v) {
  values.value[static_cast<std::size_t>(c)] = v;
}

bool DesignHasWarnings(const DesignResults& d) {
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    const ColumnAvailability& a = d.available[static_cast<std::size_t>(c)];
    if (!(a.momentCapacity && a.steelRatio && a.requiredArea && a.ratioLimit && a.steelArea && a.crackZ)) {
      return true;
    }
    const ColumnWarnings w = ColumnWarningsOf(d, c);
    if (w.capacityBelowMoment || w.ratioBelowMinimum || w.ratioAboveBalanced || w.crackZAboveLimit) return true;
  }
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    if (ShearCapacityBelowShear(d, s)) return true;
  }
  return false;
}

// The project of a candidate: the base with the dimensions, the bars left to the program.
ProjectData CandidateProject(const ProjectData& base, const WallDimensions& dims) {
  ProjectData p = WithWallDimensions(base, dims);
  p.userReinforcement = false;
  return p;
}

void RunServiceChecks(const ProjectData& p, const AnalysisResults& r, const ActiveTargets& t,
                      CandidateEvaluation& e) {
  e.eccentricity = r.stability.eccentricity;
  if (!r.stability.wallStable) {
    // A wall that overturns is far from every target: it fails all that it can be measured by.
    e.failed |= Bit(CheckId::stable) | Bit(CheckId::overturning);
    if (t.resultantRule) e.failed |= Bit(CheckId::resultant);
    SetValue(e.values, CheckId::overturning, r.stability.overturningSafetyFactor);
    return;
  }
  for (const ServiceCheck& check : kServiceChecks) {
    if (!check.enabled(t)) continue;
    const std::optional<float> v = check.value(p, r, t);
    SetValue(e.values, check.id, v);
    if (v && !check.passes(p, r, t, *v)) e.failed |= Bit(check.id);
  }
}

}  // namespace

std::string_view CheckName(CheckId check) {
  constexpr std::array<std::string_view, kCheckCount> kNames{
      "stability", "sliding", "overturning", "pressure", "resultant position", "bearing", "concrete design",
      "global stability"};
  return kNames[static_cast<std::size_t>(check)];
}

ActiveTargets ActiveTargetsOf(const ProjectData& p) {
  const OptimiserTargets& o = p.optimiserTargets;
  ActiveTargets t;
  t.seismic = p.seismicOption && p.seismicCoefficient != 0;
  t.factors = t.seismic ? o.withSeismic : o.withoutSeismic;
  t.resultantShare = t.seismic ? 1.0 / 4 : 1.0 / 6;
  t.resultantRule = o.resultantRule;
  t.bearingCheck = o.bearingCheck;
  t.globalCheck = o.globalCheck;
  return t;
}

double TargetOf(CheckId check, const ActiveTargets& t) {
  switch (check) {
    case CheckId::sliding: return t.factors.sliding;
    case CheckId::overturning: return t.factors.overturning;
    case CheckId::pressure: return t.factors.pressure;
    case CheckId::bearing: return t.factors.bearing;
    case CheckId::global: return t.factors.global;
    default: return 1;
  }
}

int CandidateEvaluation::FailureCount() const {
  return std::popcount(failed) + (globalPassed.has_value() && !*globalPassed ? 1 : 0);
}

std::optional<double> OutlineCostOf(const ProjectData& base, const WallDimensions& dims) {
  const ProjectData p = CandidateProject(base, dims);
  if (!IsBuildableWall(p)) return std::nullopt;
  AnalysisResults outline;
  try {
    ComputeWallOutline(p, outline);
    return double(ComputeConcreteQuantities(p, outline).cost);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

CandidateEvaluation EvaluateCandidate(const ProjectData& base, const WallDimensions& dims,
                                      const ActiveTargets& targets) {
  CandidateEvaluation e;
  ProjectData p = CandidateProject(base, dims);
  e.buildable = IsBuildableWall(p);
  if (!e.buildable) return e;
  // The candidate is judged as the program would keep it: with the slope the rules flattened,
  // and after the design with the bars it chose.
  const ServiceAnalysis service = AnalyseService(p);
  p = WithFindings(std::move(p), service);
  const AnalysisResults& r = service.results;
  const auto cannotBeJudged = [&e] {
    e.failed |= Bit(CheckId::stable);  // an arithmetic fault: the wall cannot be judged
    return e;
  };
  if (service.fault) return cannotBeJudged();
  try {
    e.quantities = ComputeConcreteQuantities(p, r);
  } catch (const std::exception&) {
    return cannotBeJudged();
  }
  e.cost = e.quantities.cost;
  RunServiceChecks(p, r, targets, e);
  if (e.failed != 0) return e;

  const DesignRun design = RunDesign(p);
  const auto designFails = [&e] {
    e.failed |= Bit(CheckId::design);
    return e;
  };
  if (design.fault || !design.design.completed || DesignHasWarnings(design.design)) return designFails();
  Quantities withBars;
  try {
    p = WithFindings(std::move(p), design);
    withBars = ComputeQuantities(p, design.results);
  } catch (const std::exception&) {
    return designFails();
  }
  e.designRun = true;
  e.quantities = withBars;
  e.cost = e.quantities.cost;
  return e;
}

std::optional<float> GlobalFactorOf(const ProjectData& base, const WallDimensions& dims, unsigned threads) {
  ProjectData p = CandidateProject(base, dims);
  const ServiceAnalysis service = AnalyseService(p);
  if (service.fault) return std::nullopt;
  p = WithFindings(std::move(p), service);
  try {
    const GlobalStabilityResults g = ComputeGlobalStability(p, service.results, threads);
    if (g.HasFactor()) return g.safetyFactor;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

CheckId GoverningCheck(const CandidateEvaluation& e, const ActiveTargets& t) {
  CheckId governing = CheckId::design;
  double least = 0;
  bool found = false;
  for (int i = 0; i < kCheckCount; ++i) {
    const auto id = static_cast<CheckId>(i);
    const std::optional<float> v = e.values[id];
    const double target = TargetOf(id, t);
    if (!v || !(target > 0)) continue;
    const double margin = double(*v) / target;
    if (!found || margin < least) {
      least = margin;
      governing = id;
      found = true;
    }
  }
  return governing;
}

}  // namespace kelvadrome
