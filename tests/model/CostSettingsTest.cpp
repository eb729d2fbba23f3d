// SPDX-License-Identifier: GPL-3.0-or-later
// Unit prices and optimiser settings in the project: their defaults per unit system and wall
// depth, extension items 2 to 4, and how they follow a change of units.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "model/OptimiserDefaults.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;
using kelvadrome::test::FileBytes;

namespace {

ProjectData Converted(ProjectData p, UnitSystem system) {
  const UnitSystem previous = p.unitSystem;
  p.unitSystem = system;
  ConvertUnits(p, previous);
  return p;
}

ProjectData Default() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

FileBytes DefaultFile() {
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f;
}

std::string DecodeError(const FileBytes& f) {
  try {
    (void)DecodeProjectFile(f.bytes, "x.kvi");
  } catch (const ProjectFileError& e) {
    return e.Reason();
  }
  return "no error";
}

}  // namespace

TEST(CostSettings, DefaultsFollowTheUnitsAndTheWallDepth) {
  const ProjectData metric = Default();
  EXPECT_EQ(metric.prices, (UnitPrices{150, 35, 1.3f}));
  const OptimiserVariables& v = metric.optimiserVariables;  // D = 10 m
  EXPECT_EQ(v[0], (OptimiserVariable{true, 0, 6}));        // toe [0, 0.6·D]
  EXPECT_EQ(v[1], (OptimiserVariable{true, 0, 12}));       // heel [0, 1.2·D]
  EXPECT_EQ(v[2], (OptimiserVariable{true, 0.2f, 1.5f}));  // stem top [0.2, 0.15·D]
  EXPECT_FALSE(v[4].vary);                              // the front batter stays
  EXPECT_EQ(v[5], (OptimiserVariable{true, 0.3f, 1.5f}));
  EXPECT_EQ(v[7], (OptimiserVariable{true, 0, 2}));

  // Converted, the defaults become the defaults of the other system and the file stays short.
  for (const UnitSystem system : {kSI, kBritish}) {
    const ProjectData p = Converted(metric, system);
    EXPECT_EQ(p.prices, DefaultUnitPrices(system));
    EXPECT_EQ(p.optimiserVariables, DefaultOptimiserVariables(p));
    EXPECT_EQ(EncodeProjectFile(p).size(), 291u) << UnitSystemName(system);
  }
  const ProjectData british = Converted(metric, kBritish);
  EXPECT_EQ(british.prices, (UnitPrices{4.25f, 3.25f, 0.6f}));
  EXPECT_NEAR(british.optimiserVariables[2].minimum, 8.0 / 12, 1e-6);  // 8 in
  EXPECT_NEAR(british.optimiserVariables[5].minimum, 1.0, 1e-6);       // 1 ft
  EXPECT_NEAR(OptimiserStep(kBritish), 2.0 / 12, 1e-12);
}

TEST(CostSettings, OwnValuesConvertPerVolumeAreaAndMass) {
  ProjectData p = Default();
  p.prices = {200, 40, 2};
  p.optimiserVariables[1].maximum = 10;
  p.optimiserTargets.withSeismic.sliding = 1.3f;
  const ProjectData british = Converted(p, kBritish);
  EXPECT_FLOAT_EQ(british.prices.concretePrice, 5.663f);  // 200 × 0.3048³
  EXPECT_FLOAT_EQ(british.prices.formworkPrice, 3.716f);  // 40 × 0.3048²
  EXPECT_FLOAT_EQ(british.prices.steelPrice, 0.908f);     // 2 × 0.454 kg per lb
  EXPECT_FLOAT_EQ(british.optimiserVariables[1].maximum, 32.81f);
  EXPECT_EQ(british.optimiserTargets.withSeismic.sliding, 1.3f);  // no unit
  const ProjectData si = Converted(p, kSI);
  EXPECT_EQ(si.prices, p.prices);  // m³, m² and kg in both
}

TEST(CostSettings, ItemsTwoToFourAreWrittenOnlyWhenChangedAndReadBack) {
  ProjectData p = Default();
  p.prices.steelPrice = 1.5f;
  FileBytes expected = DefaultFile();
  expected.I16(-3).I16(1).I16(2).I16(12).F32(150).F32(35).F32(1.5f);
  EXPECT_EQ(EncodeProjectFile(p), expected.bytes);

  p.optimiserTargets.withoutSeismic.bearing = 3;
  p.optimiserTargets.globalCheck = true;
  p.optimiserVariables[4].vary = true;
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  EXPECT_EQ(bytes.size(), 291u + 4 + (4 + 12) + (4 + 46) + (4 + 80));
  EXPECT_EQ(DecodeProjectFile(bytes, "x"), p);

  // A wall of another depth with the bounds of its depth writes no item 4 and reads them back.
  ProjectData deeper = Default();
  deeper.stemFrontHeight = 10;
  deeper.stemBackHeight = 9.73f;  // D = 12
  deeper.optimiserVariables = DefaultOptimiserVariables(deeper);
  const std::vector<uint8_t> deeperBytes = EncodeProjectFile(deeper);
  EXPECT_EQ(deeperBytes.size(), 291u);
  const ProjectData read = DecodeProjectFile(deeperBytes, "x");
  EXPECT_FLOAT_EQ(read.optimiserVariables[0].maximum, 7.2f);
  EXPECT_EQ(read, deeper);
}

TEST(CostSettings, DamagedItemsAreRefused) {
  FileBytes negative = DefaultFile();
  negative.I16(-3).I16(1).I16(2).I16(12).F32(150).F32(-1).F32(1.3f);
  EXPECT_NE(DecodeError(negative).find("(unit prices) holds a negative value"), std::string::npos)
      << DecodeError(negative);
  FileBytes shortTargets = DefaultFile();
  shortTargets.I16(-3).I16(1).I16(3).I16(40).Zeros(40);
  EXPECT_NE(DecodeError(shortTargets).find("40 bytes long instead of 46"), std::string::npos);
}
