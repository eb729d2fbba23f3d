// Walls that the fuzzers and the robustness test found to fault or to show a value that is not
// finite, kept as they were found so that each fault stays mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "WallAudit.h"
#include "calculator/SoilPressureCalculator.h"
#include "engine/ConcreteDesign.h"
#include "engine/EngineError.h"
#include "engine/WallGeometry.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;

namespace {

ProjectData Default() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

testing::AssertionResult Passes(const ProjectData& p) {
  const test::WallAuditReport report = test::AuditWall(p);
  if (report.faults.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << report.faults.front();
}

void ExpectDesignFault(ProjectData p, const std::string& naming) {
  AnalysisResults results;
  DesignResults design;
  RecordingSink sink;
  ComputeWallOutline(p, results);
  try {
    RunConcreteDesign(p, results, design, sink);
    ADD_FAILURE() << "the design ran without a fault";
  } catch (const EngineError& e) {
    EXPECT_NE(std::string(e.what()).find(naming), std::string::npos) << e.what();
  }
}

}  // namespace

// A tiny Metric yield stress rounds to 0 MPa in SI; the design divided by it and showed the
// balanced and minimum steel ratios as "N/A". Now the design stops with a division fault.
TEST(FaultRegression, ZeroYieldStressStopsTheDesignInsteadOfShowingInfinity) {
  ProjectData p = Default();
  p.steelYieldStress = 2.9296875f;
  p.previousUnitSystem = kMetric;
  p.unitSystem = kSI;
  ConvertUnits(p);
  ASSERT_EQ(p.steelYieldStress, 0.0f);
  ExpectDesignFault(p, "steel yield stress");
  EXPECT_TRUE(Passes(p));

  ProjectData minus600 = Default();  // a damaged file: 600 + fy = 0 in the balanced ratio
  minus600.unitSystem = kSI;
  minus600.steelYieldStress = -600;
  EXPECT_TRUE(Passes(minus600));
}

// A damaged file with a soil depth of -2.6E+33 gave the calculator forces beyond single
// precision, shown as "N/A" in its grid. An overflowing result now ends the computation.
TEST(FaultRegression, CalculatorOverflowIsAnEngineErrorNotAnInfiniteForce) {
  ProjectData p = Default();
  p.unitSystem = kSI;
  p.stemBackHeight = -2.5993968E+33f;
  RecordingSink sink;
  EXPECT_THROW((void)ComputeSoilPressure(CalculatorInitialValues(p), sink), EngineError);
  EXPECT_TRUE(Passes(p));
}

// The fuzzer's findings as it found them: each file reads as a project that passes the audit
// in its own unit system and, converted as the Units menu converts it, in the next one.
TEST(FaultRegression, EveryFileTheFuzzerFaultedOnNowPasses) {
  const std::filesystem::path folder = std::filesystem::path(KELVADROME_TEST_DATA) / "fuzz-faults";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".kvi") continue;
    ++files;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ProjectData p = DecodeProjectFile(bytes, entry.path().string());
    EXPECT_TRUE(Passes(p)) << entry.path();
    p.previousUnitSystem = p.unitSystem;
    p.unitSystem = static_cast<int16_t>((p.unitSystem + 1) % 3);
    try {
      ConvertUnits(p);
    } catch (const UnitConversionError&) {
      continue;
    }
    EXPECT_TRUE(Passes(p)) << entry.path() << " in unit system " << p.unitSystem;
  }
  EXPECT_GE(files, 3);
}
