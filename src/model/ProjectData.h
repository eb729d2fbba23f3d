// SPDX-License-Identifier: GPL-3.0-or-later
// The one project (one retaining wall) held in memory: every value the user enters, the option
// switches, the user's reinforcement and the report settings that travel with the project file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/OptimiserSettings.h"

namespace kelvadrome {

inline constexpr int kMaxLineLoads = 10;
inline constexpr int kLoadCaseCount = 7;
inline constexpr int kCombinationCount = 11;
inline constexpr int kDesignColumnCount = 6;

enum class UnitSystem : int16_t { metric, si, british };
inline constexpr UnitSystem kMetric = UnitSystem::metric;
inline constexpr UnitSystem kSI = UnitSystem::si;
inline constexpr UnitSystem kBritish = UnitSystem::british;
inline constexpr int kUnitSystemCount = 3;
// In the order of the unit lists shown and of every table with one entry per system.
inline constexpr std::array<UnitSystem, kUnitSystemCount> kUnitSystems{kMetric, kSI, kBritish};

// The position of a unit system in kUnitSystems and in the tables that follow its order.
[[nodiscard]] constexpr std::size_t UnitIndex(UnitSystem system) { return static_cast<std::size_t>(system); }

// In the order of kLoadCases.
enum class LoadCase : int16_t { dead = 1, live, soil, water, structural, impact, seismic };
// In the order of the load-case lists shown.
inline constexpr std::array<LoadCase, kLoadCaseCount> kAllLoadCases{
    LoadCase::dead,       LoadCase::live,   LoadCase::soil,   LoadCase::water,
    LoadCase::structural, LoadCase::impact, LoadCase::seismic};

// The element of a load case in the tables numbered from 1 by load case (kLoadCases, the load
// factors); element 0 is unused.
[[nodiscard]] constexpr std::size_t LoadCaseIndex(LoadCase loadCase) { return static_cast<std::size_t>(loadCase); }

struct LineLoad {
  float load = 0.0f;       // force per length
  float x = 0.0f;          // from the toe's front edge
  float y = 0.0f;          // above the underside of the base
  float direction = 0.0f;  // degrees: 0 up, 90 towards the heel, 180 down, 270 towards the toe
  LoadCase loadCase = LoadCase::dead;
  bool operator==(const LineLoad&) const = default;
};

// An item of the project file's extension block whose tag this version does not know. It is
// kept as read and written back on save, so that a file of a newer version loses nothing.
struct ExtensionItem {
  int16_t tag = 0;
  std::vector<uint8_t> payload;
  bool operator==(const ExtensionItem&) const = default;
};

// Arrays that the file and the engine number from 1 keep that numbering: element 0 is unused.
struct ProjectData {
  // Identification and options
  std::string projectTitle;
  UnitSystem unitSystem = kMetric;
  bool waterOption = true;
  bool seismicOption = true;
  bool shearKeyOption = false;

  // Wall dimensions (the comment is the dimension label that edits the field)
  float toeLength = 0;          // [0]
  float stemFrontBatter = 0;    // [1]
  float stemTopWidth = 0;       // [2]
  float stemBackBatter = 0;     // [3]
  float heelLength = 0;         // [4]
  float baseWidth = 0;          // [5]
  float stemFrontHeight = 0;    // [6]
  float toeTaper = 0;           // [7]
  float toeEdgeThickness = 0;   // [8]
  float stemBackHeight = 0;     // [9]
  float heelTaper = 0;          // [10]
  float heelEdgeThickness = 0;  // [11]
  float waterDepthFront = 0;    // [12]
  float waterDepthBack = 0;     // [13]
  float backfillSlope = 0;      // [14]
  float shearKeyDepth = 0;      // [15]

  // Materials, in the order of the properties editor and the project file
  float concreteUnitWeight = 0;
  float concreteStrength = 0;
  float concreteModulus = 0;
  float concretePoisson = 0;
  float steelYieldStress = 0;
  float steelModulus = 0;
  float concreteCover = 0;
  float waterUnitWeight = 0;
  float backfillUnitWeight = 0;
  float backfillDryDensity = 0;
  float backfillSaturatedDensity = 0;
  float backfillFrictionAngle = 0;
  float backfillCohesion = 0;
  float baseFrictionAngle = 0;
  float baseCohesion = 0;
  float baseBearingCapacity = 0;
  float baseModulus = 0;
  float wallFrictionEarth = 0;
  float wallFrictionConcrete = 0;
  float toeUnitWeight = 0;
  float toeDryDensity = 0;
  float toeSaturatedDensity = 0;
  float toeFrictionAngle = 0;
  float toeCohesion = 0;

  // Earth under the base; its friction angle and cohesion are baseFrictionAngle and
  // baseCohesion. Stored in the file's extension block.
  float foundationUnitWeight = 0;
  float foundationSaturatedDensity = 0;

  // Unit prices of the material quantities and the sizing optimiser's targets and variables.
  // Stored in the file's extension block.
  UnitPrices prices;
  OptimiserTargets optimiserTargets;
  OptimiserVariables optimiserVariables{};

  // Loads
  float surchargeLoad = 0;
  LoadCase surchargeLoadCase = LoadCase::live;
  float seismicCoefficient = 0;
  int16_t lineLoadCount = 0;
  std::array<LineLoad, kMaxLineLoads + 1> lineLoads{};  // 1..10

  // Sliding restraints
  bool toePassiveOption = false;
  bool restraintForceOption = false;
  float restraintForce = 0;

  // Values kept while an option is off
  float savedWaterDepthFront = 0;
  float savedWaterDepthBack = 0;
  float savedSeismicCoefficient = 0;

  // Reinforcement chosen by the user (centimetres in Metric and SI, inches in British)
  bool userReinforcement = false;
  std::array<float, kDesignColumnCount + 1> barDiameters{};  // 1..6
  std::array<float, kDesignColumnCount + 1> barPitches{};    // 1..6

  // Report settings stored with the project
  int16_t pageMarginA = 25;
  int16_t pageMarginB = 20;
  int16_t pageMarginC = 20;
  int16_t pageMarginD = 20;
  std::array<std::string, 4> headerFooterTexts{};  // 1..3: left, centre, right
  std::string reportFontName;
  float reportFontSize = 10;

  // Extension items of unknown tags, in the order they were read.
  std::vector<ExtensionItem> keptExtensionItems;

  [[nodiscard]] float TotalHeightFront() const {
    return static_cast<float>(double(stemFrontHeight) + toeTaper + toeEdgeThickness);
  }
  bool operator==(const ProjectData&) const = default;
};

inline constexpr const char* kProgramVersion = "2.10";
inline constexpr const char* kProgramDate = "August 2008";
inline constexpr const char* kFileIdentText = "Kelvadrome Input Data";
inline constexpr double kGravity = 9.81;

// Load cases 1..7: name shown in lists and reports, and the symbol used in combinations.
struct LoadCaseInfo {
  const char* name;
  const char* symbol;
};
inline constexpr std::array<LoadCaseInfo, kLoadCaseCount + 1> kLoadCases{{
    {"", ""},
    {"Dead (D)", "D"},
    {"Live (L)", "L"},
    {"Soil (H)", "H"},
    {"Water (F)", "F"},
    {"Structural (T)", "T"},
    {"Impact (L)", "L"},
    {"Seismic (E)", "E"},
}};

// The eleven factored combinations, 1..11.
inline constexpr std::array<const char*, kCombinationCount + 1> kCombinationTexts{{
    "",
    "1.4D + 1.7L + R",
    "1.4D + 1.7L + 1.7H + R",
    "0.9D + 1.7H + R",
    "1.4D + 1.7L + 1.4F + R",
    "1.4D + 1.7L + 1.7H + 1.4F + R",
    "0.9D + 1.4F + R",
    "1.05D + 1.28L + 1.4E + R",
    "1.05D + 1.28L + 1.05F + 1.4E + R",
    "1.05D + 1.28L + 1.05T + R",
    "1.4D + 1.4T + R",
    "1.05D + 1.28L + 1.05F + 1.05T + R",
}};

// Fills the project with the defaults of "New". The wall outline is not part of the project;
// callers recompute it afterwards (see engine/WallGeometry.h).
void SetDefaults(ProjectData& project, const std::string& defaultReportFont = "Arial");

}  // namespace kelvadrome
