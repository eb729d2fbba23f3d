// SPDX-License-Identifier: GPL-3.0-or-later
// Walls that the fuzzers and the robustness test found to fault or to show a value that is not
// finite, kept as they were found so that each fault stays mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ServiceTestSupport.h"
#include "WallAudit.h"
#include "calculator/SoilPressureCalculator.h"
#include "engine/ConcreteDesign.h"
#include "engine/DesignColumns.h"
#include "engine/EngineError.h"
#include "engine/SectionUnits.h"
#include "engine/WallGeometry.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;

namespace {

testing::AssertionResult Passes(const ProjectData& p) {
  const test::WallAuditReport report = test::AuditWall(p);
  if (report.faults.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << report.faults.front();
}

void ExpectDesignFault(const ProjectData& p, const std::string& naming) {
  const DesignRun run = RunDesign(p);
  ASSERT_TRUE(run.fault) << "the design ran without a fault";
  EXPECT_NE(run.fault->find(naming), std::string::npos) << *run.fault;
}

}  // namespace

// A tiny Metric yield stress rounds to 0 MPa in SI; the design divided by it and showed the
// balanced and minimum steel ratios as "N/A". Now the design stops with a division fault.
TEST(FaultRegression, ZeroYieldStressStopsTheDesignInsteadOfShowingInfinity) {
  const auto si = [](float yieldStress) {
    ProjectData p = test::DefaultProject();
    p.unitSystem = kSI;
    p.steelYieldStress = yieldStress;
    return p;
  };
  ProjectData p = si(2.9296875f);
  ConvertUnits(p, kMetric);
  ASSERT_EQ(p.steelYieldStress, 0.0f);
  ExpectDesignFault(p, "steel yield stress");
  ExpectDesignFault(si(3.761582E-37f), "Overflow");  // 1.4 / fy still fits in single precision, the balanced ratio not
  // The last: a damaged file, 600 + fy = 0 in the balanced ratio.
  for (const ProjectData& wall : {p, si(3.761582E-37f), si(-600)}) EXPECT_TRUE(Passes(wall)) << wall.steelYieldStress;
}

// A damaged file with a soil depth of -2.6E+33 gave the calculator forces beyond single
// precision, shown as "N/A" in its grid. An overflowing result now ends the computation.
TEST(FaultRegression, CalculatorOverflowIsAnEngineErrorNotAnInfiniteForce) {
  ProjectData p = test::DefaultProject();
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
    ProjectData p;
    try {
      p = DecodeProjectFile(bytes, entry.path().string());
    } catch (const ProjectFileError&) {
      continue;  // refused as damaged: nothing reaches the engine
    }
    EXPECT_TRUE(Passes(p)) << entry.path();
    const UnitSystem previous = p.unitSystem;
    p.unitSystem = kUnitSystems[(UnitIndex(p.unitSystem) + 1) % kUnitSystems.size()];
    try {
      ConvertUnits(p, previous);
    } catch (const UnitConversionError&) {
      continue;
    }
    EXPECT_TRUE(Passes(p)) << entry.path() << " in unit system " << UnitSystemName(p.unitSystem);
  }
  EXPECT_GE(files, 3);
}

// A NaN cohesion in a file reached the calculator's input boxes as "N/A". The reader now
// refuses any value that is not a finite number, wherever it stands in the file.
TEST(FaultRegression, FileWithANonFiniteValueIsRefused) {
  const std::vector<uint8_t> valid = EncodeProjectFile(test::DefaultProject());
  int refused = 0;
  for (const uint32_t bits : {0x7FC00000u, 0x7F800000u, 0xFF800000u}) {  // NaN, +inf, -inf
    for (std::size_t at = 0; at + 4 <= valid.size(); ++at) {
      std::vector<uint8_t> bytes = valid;
      for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = static_cast<uint8_t>(bits >> (8 * i));
      try {
        (void)DecodeProjectFile(bytes, "damaged.kvi");
      } catch (const ProjectFileError& e) {
        refused += std::string(e.what()).find("not a finite number") != std::string::npos;
      }
    }
  }
  EXPECT_GE(refused, 3 * 47);  // each of the 47 values of the default file, in the three forms
}

// An old line load on a front face of almost no height was placed at an x beyond single
// precision and stored as an infinity, which the file could then not hold: the project read
// did not read back after saving. Such a file is now refused.
TEST(FaultRegression, OldLineLoadPlacedBeyondSinglePrecisionIsRefused) {
  const std::filesystem::path path =
      std::filesystem::path(KELVADROME_TEST_DATA) / "fuzz-faults" / "old-line-load-beyond-float.kvi";
  try {
    (void)ReadProjectFile(path.string());
    ADD_FAILURE() << "the file was read";
  } catch (const ProjectFileError& e) {
    EXPECT_NE(e.Reason().find("beyond the range"), std::string::npos) << e.what();
  }
}

// A heel edge thickness of -2.1E+37 m became a section height of -2.1E+39 cm, shown as "N/A" in
// the design table. A height beyond single precision is now an overflow fault of the design.
TEST(FaultRegression, SectionHeightBeyondSinglePrecisionIsAnOverflow) {
  ProjectData p = test::DefaultProject();
  p.heelEdgeThickness = -2.1184572E+37f;
  p.stemBackHeight = 0;
  p.heelTaper = 0;
  AnalysisResults results;
  ComputeWallOutline(p, results);
  DesignResults design;
  ColumnBars bars;
  EXPECT_THROW(DesignSectionColumns(p, results, design, bars, kHeelSection), EngineError);
  EXPECT_TRUE(Passes(p));
}

// A shear capacity within single precision in MN became an infinity in kN, shown as "N/A".
// The conversions of design forces and moments between section and project units now report
// an overflow instead.
TEST(FaultRegression, DesignUnitConversionsReportOverflow) {
  EXPECT_THROW((void)SectionForceToProject(3e38, kSI), EngineError);
  EXPECT_THROW((void)ProjectForceToSection(3e38f, kMetric), EngineError);
  EXPECT_THROW((void)ProjectMomentToSection(3e38f, kBritish), EngineError);
  EXPECT_THROW((void)SectionLengthToStored(3e38f, kSI), EngineError);
  EXPECT_FLOAT_EQ(SectionForceToProject(2.5, kSI), 2500.0f);
}
