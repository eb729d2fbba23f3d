// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the whole engine: bytes read as a project file go through the service analysis, the
// concrete design and the soil-pressure calculator, and through every text the core and the
// command line show of them. A fault other than an engine error, a shown value that is not
// finite or a text reading "nan" or "inf" aborts the run.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "cli/DesignSummary.h"
#include "cli/ServiceSummary.h"
#include "engine/Analysis.h"
#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/EngineError.h"
#include "engine/GlobalStability.h"
#include "engine/SlipCircle.h"
#include "engine/SlipSection.h"
#include "engine/MessageSink.h"
#include "engine/WallGeometry.h"
#include "engine/WallAudit.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "wall fuzzer: %s\n", what.c_str());
  std::abort();
}

void Audit(const ProjectData& project) {
  const test::WallAuditReport report = test::AuditWall(project);
  if (!report.faults.empty()) Fail(report.faults.front());
}

// One deep slip circle under the wall. The whole search costs some ten thousand circles, too
// many for a fuzzer's pace; one circle runs every slice and iteration path on the input.
void CheckOneSlipCircle(const ProjectData& project) {
  const SlipSection section = BuildSlipSection(project);
  const double width = section.B, height = section.wallHeight;
  const SlipCircle circle{0.5 * width, -height, 2 * height + width};
  const CircleResult r = EvaluateCircle(section, circle);
  if (r.Admissible() && !(std::isfinite(r.safetyFactor) && r.safetyFactor > 0)) {
    Fail("an admissible slip circle has a safety factor that is not a finite positive number");
  }
}

// The summaries of `kelvadrome-cli analyse`, run as the command runs them. The title is the
// user's own text and may read "nan"; it is left out of the check.
void CheckSummaries(ProjectData project) {
  project.projectTitle.clear();
  const ServiceAnalysis service = AnalyseService(project);
  if (service.fault) return;  // the command reports the fault instead of the summaries
  project = WithFindings(std::move(project), service);
  try {
    CheckOneSlipCircle(project);
  } catch (const EngineError&) {
    return;
  }
  const DesignRun design = RunDesign(project);
  if (design.fault) return;
  project = WithFindings(std::move(project), design);
  std::vector<std::string> messages = service.messages;
  messages.insert(messages.end(), design.messages.begin(), design.messages.end());
  const GlobalStabilityResults global;
  const std::string text =
      ServiceSummaryText(project, service.results, global, messages) + DesignSummaryText(project, design.design);
  if (test::ShowsNonFinite(text)) Fail("the analyse summary shows a value that is not finite:\n" + text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  ProjectData project;
  try {
    project = DecodeProjectFile(std::span<const uint8_t>(data, size), "fuzz.kvi");
  } catch (const ProjectFileError&) {
    return 0;
  }
  Audit(project);
  CheckSummaries(project);

  // The same wall after the Units menu took it to the next system, when that is possible.
  const UnitSystem previous = project.unitSystem;
  project.unitSystem = kUnitSystems[(UnitIndex(project.unitSystem) + 1) % kUnitSystems.size()];
  try {
    ConvertUnits(project, previous);
  } catch (const UnitConversionError&) {
    return 0;
  }
  Audit(project);
  return 0;
}
