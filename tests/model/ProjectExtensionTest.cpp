// SPDX-License-Identifier: GPL-3.0-or-later
// The extension block after the last item of the project file: the foundation earth, unit
// prices and optimiser settings it carries, how they follow a change of units, the items of
// newer versions kept unread, and the refusal of damaged blocks.
#include <gtest/gtest.h>

#include <limits>

#include "ModelTesting.h"
#include "model/OptimiserDefaults.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

FileBytes FoundationItem(FileBytes f, float unitWeight, float saturated) {
  f.I16(1).I16(8).F32(unitWeight).F32(saturated);
  return f;
}

FileBytes Block(int count) {
  FileBytes f = DefaultFile();
  f.I16(-3).I16(count);
  return f;
}

}  // namespace

TEST(ExtensionBlock, OptimiserSwitchesAreOnForAnyValueButZeroAndWrittenAsMinusOne) {
  const auto targets = [](int resultant, int bearing, int global) {
    FileBytes f = Block(1);
    f.I16(3).I16(46);
    for (float v : {1.5f, 2.0f, 3.0f, 2.5f, 1.5f, 1.1f, 1.5f, 2.0f, 2.0f, 1.1f}) f.F32(v);
    f.I16(resultant).I16(bearing).I16(global);
    return f;
  };
  const ProjectData read = Decode(targets(1, 0, 7).bytes);
  EXPECT_TRUE(read.optimiserTargets.resultantRule);
  EXPECT_FALSE(read.optimiserTargets.bearingCheck);
  EXPECT_TRUE(read.optimiserTargets.globalCheck);
  EXPECT_EQ(EncodeProjectFile(read), targets(-1, 0, -1).bytes);
  // Stored as 1, the defaults are still the defaults: no block is written for them.
  EXPECT_EQ(EncodeProjectFile(Decode(targets(1, 1, 0).bytes)), DefaultFile().bytes);
}

TEST(ExtensionBlock, UnknownItemsAreKeptInOrderAndWrittenBackAfterTheKnownOnes) {
  const auto unknown = [](FileBytes f) {
    f.I16(9).I16(3).bytes.insert(f.bytes.end(), {0xAA, 0xBB, 0xCC});
    f.I16(-7).I16(0);              // an empty item of a negative tag is an item like any other
    f.I16(12).I16(2).I16(0x1234);  // a tag of a newer version, with a length of its own choosing
    return f;
  };
  const ProjectData p = Decode(FoundationItem(unknown(Block(4)), 1.8f, 2.1f).Zeros(5).bytes);  // after the N items: ignored
  EXPECT_EQ(p.foundationUnitWeight, 1.8f);
  EXPECT_EQ(p.keptExtensionItems, (std::vector<ExtensionItem>{{9, {0xAA, 0xBB, 0xCC}}, {-7, {}}, {12, {0x34, 0x12}}}));
  EXPECT_EQ(EncodeProjectFile(p), unknown(FoundationItem(Block(4), 1.8f, 2.1f)).bytes);

  // Kept items alone make a block, without tag 1 when the earth has its defaults.
  ProjectData defaults = DefaultProject();
  defaults.keptExtensionItems = {{30, {1, 0}}};
  const FileBytes only = Block(1).I16(30).I16(2).I16(1);
  EXPECT_EQ(EncodeProjectFile(defaults), only.bytes);
  EXPECT_EQ(Decode(only.bytes), defaults);
}

TEST(ExtensionBlock, BytesThatAreNoBlockAreIgnoredAsBefore) {
  FileBytes half = DefaultFile();
  half.bytes.push_back(0xFD);
  const FileBytes other = FoundationItem(DefaultFile().I16(-4).I16(1), 3.0f, 4.0f);
  // An earlier version has no items 21 to 25 and so no block either.
  const FileBytes older = FoundationItem(FileBytes{OlderVersionFile()}.I16(-3).I16(1), 3.0f, 4.0f);
  for (const FileBytes& f : {half, other, Block(0), older}) {
    const ProjectData p = Decode(f.bytes);
    EXPECT_EQ(p.foundationUnitWeight, 1.7f);
    EXPECT_TRUE(p.keptExtensionItems.empty());
  }
}

TEST(ExtensionBlock, DamagedBlocksAreRefusedWithAReason) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const std::pair<FileBytes, const char*> cases[] = {
      {DefaultFile().I16(-3), "ends too early"},
      {Block(1).I16(1).I16(4).F32(1.7f), "4 bytes long instead of 8"},
      {Block(1).I16(1).I16(12).F32(1.7f).F32(2.0f).F32(0), "12 bytes long instead of 8"},
      {FoundationItem(Block(2), 1.8f, 2.0f), "ends too early"},
      {Block(1).I16(5).I16(100).Zeros(99), "ends too early"},
      {Block(1).I16(1).I16(8).F32(1.7f), "ends too early"},
      {Block(-1), "negative number of items"},
      {Block(1).I16(5).I16(-2), "negative length"},
      {FoundationItem(FoundationItem(Block(2), 1.8f, 2.0f), 1.8f, 2.0f), "(foundation earth) twice"},
      {FoundationItem(Block(1), 0.0f, 2.0f), "not above 0"},
      {FoundationItem(Block(1), 1.7f, -2.0f), "not above 0"},
      {FoundationItem(Block(1), kNaN, 2.0f), "not a finite number"},
      {FoundationItem(Block(1), 1.7f, kInfinity), "not a finite number"},
      {Block(1).I16(2).I16(12).F32(150).F32(-1).F32(1.3f), "(unit prices) holds a negative value"},
      {Block(1).I16(3).I16(40).Zeros(40), "40 bytes long instead of 46"}};
  for (const auto& [file, reason] : cases) {
    EXPECT_NE(DecodeError(file.bytes).find(reason), std::string::npos) << reason << ": " << DecodeError(file.bytes);
  }
}

TEST(ExtensionDefaults, FollowTheWallDepthAndStayDefaultsInEveryUnitSystem) {
  const ProjectData metric = DefaultProject();
  const OptimiserVariables& v = metric.optimiserVariables;  // D = 10 m
  EXPECT_EQ(v[0], (OptimiserVariable{true, 0, 6}));        // toe [0, 0.6·D]
  EXPECT_EQ(v[1], (OptimiserVariable{true, 0, 12}));       // heel [0, 1.2·D]
  EXPECT_EQ(v[2], (OptimiserVariable{true, 0.2f, 1.5f}));  // stem top [0.2, 0.15·D]
  EXPECT_FALSE(v[4].vary);                                 // the front batter stays

  for (const UnitSystem system : {kSI, kBritish}) {
    const ProjectData p = Converted(metric, system);
    EXPECT_EQ(p.prices, DefaultUnitPrices(system));
    EXPECT_EQ(p.optimiserVariables, DefaultOptimiserVariables(p));
    // Converted, every default is still a default: the file keeps its 291 bytes.
    EXPECT_EQ(EncodeProjectFile(p).size(), 291u) << UnitSystemName(system);
  }
  // SI keeps enough of the Metric numbers that back in Metric they are the defaults again
  // (foundation earth 16.68 / 9.81 = 1.7003).
  EXPECT_EQ(EncodeProjectFile(Converted(Converted(metric, kSI), kMetric)).size(), 291u);
  const ProjectData british = Converted(metric, kBritish);
  EXPECT_NEAR(british.optimiserVariables[2].minimum, 8.0 / 12, 1e-6);  // 8 in
  EXPECT_NEAR(british.optimiserVariables[5].minimum, 1.0, 1e-6);       // 1 ft
  EXPECT_NEAR(OptimiserStep(kBritish), 2.0 / 12, 1e-12);
}

TEST(CostSettings, OwnValuesConvertPerVolumeAreaAndMass) {
  ProjectData p = DefaultProject();
  p.prices = {200, 40, 2};
  p.optimiserVariables[1].maximum = 10;
  p.optimiserTargets.withSeismic.sliding = 1.3f;
  const ProjectData british = Converted(p, kBritish);
  EXPECT_FLOAT_EQ(british.prices.concretePrice, 5.663f);  // 200 × 0.3048³
  EXPECT_FLOAT_EQ(british.prices.formworkPrice, 3.716f);  // 40 × 0.3048²
  EXPECT_FLOAT_EQ(british.prices.steelPrice, 0.908f);     // 2 × 0.454 kg per lb
  EXPECT_FLOAT_EQ(british.optimiserVariables[1].maximum, 32.81f);
  EXPECT_EQ(british.optimiserTargets.withSeismic.sliding, 1.3f);  // no unit
  EXPECT_EQ(Converted(p, kSI).prices, p.prices);                 // m³, m² and kg in both
}

// Items 1 to 4 follow item 25 in a block of their own, each only when it differs from its default.
TEST(ExtensionBlock, ItemsAreWrittenOnlyWhenChangedAndReadBack) {
  ProjectData p = DefaultProject();
  p.foundationSaturatedDensity = 2.15f;
  EXPECT_EQ(EncodeProjectFile(p), FoundationItem(Block(1), 1.7f, 2.15f).bytes);
  p.prices.steelPrice = 1.5f;
  EXPECT_EQ(EncodeProjectFile(p), FoundationItem(Block(2), 1.7f, 2.15f).I16(2).I16(12).F32(150).F32(35).F32(1.5f).bytes);

  p.optimiserTargets.withoutSeismic.bearing = 3;
  p.optimiserTargets.globalCheck = true;
  p.optimiserVariables[4].vary = true;
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  EXPECT_EQ(bytes.size(), 291u + 4 + (4 + 8) + (4 + 12) + (4 + 46) + (4 + 80));
  EXPECT_EQ(Decode(bytes), p);

  // A wall of another depth with the bounds of its depth writes no item 4 and reads them back.
  ProjectData deeper = DefaultProject();
  deeper.stemFrontHeight = 10;
  deeper.stemBackHeight = 9.73f;  // D = 12
  deeper.optimiserVariables = DefaultOptimiserVariables(deeper);
  const std::vector<uint8_t> deeperBytes = EncodeProjectFile(deeper);
  EXPECT_EQ(deeperBytes.size(), 291u);
  EXPECT_EQ(Decode(deeperBytes), deeper);
}
