// SPDX-License-Identifier: GPL-3.0-or-later
// The extension block after the last item of the project file: the foundation earth it
// carries, the items of newer versions kept unread, and the refusal of damaged blocks.
#include <gtest/gtest.h>

#include <limits>

#include "FileBytes.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;
using kelvadrome::test::FileBytes;

namespace {

ProjectData DefaultIn(UnitSystem unitSystem) {
  ProjectData p;
  SetDefaults(p);
  p.unitSystem = unitSystem;
  ConvertUnits(p, kMetric);
  return p;
}

// The default file of this version, items 1 to 25, built independently of the writer.
FileBytes DefaultFile() {
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f;
}

FileBytes FoundationItem(FileBytes f, float unitWeight, float saturated) {
  f.I16(1).I16(8).F32(unitWeight).F32(saturated);
  return f;
}

ProjectData Decode(const FileBytes& f) { return DecodeProjectFile(f.bytes, "ext.kvi"); }

std::string DecodeError(const FileBytes& f) {
  try {
    (void)Decode(f);
  } catch (const ProjectFileError& e) {
    return e.Reason();
  }
  return "no error";
}

}  // namespace

TEST(FoundationEarth, DefaultsFollowTheUnitSystemAndConvertLikeTheOtherUnitWeights) {
  struct Expected {
    UnitSystem system;
    float unitWeight;
    float saturated;
  };
  // 1.7 and 2.0 T/m³ times 9.81, and times 0.3048³ / 0.454, to two decimals.
  for (const Expected e : {Expected{kMetric, 1.7f, 2.0f}, {kSI, 16.68f, 19.62f}, {kBritish, 0.11f, 0.12f}}) {
    const ProjectData p = DefaultIn(e.system);
    EXPECT_EQ(p.foundationUnitWeight, e.unitWeight) << UnitSystemName(e.system);
    EXPECT_EQ(p.foundationSaturatedDensity, e.saturated) << UnitSystemName(e.system);
    // The converted default is still the default: no block, the file keeps its 291 bytes.
    EXPECT_EQ(EncodeProjectFile(p).size(), 291u) << UnitSystemName(e.system);
  }
  ProjectData p = DefaultIn(kSI);
  p.unitSystem = kMetric;
  ConvertUnits(p, kSI);
  EXPECT_EQ(p.foundationUnitWeight, 1.7f);  // 16.68 / 9.81 = 1.7003
  EXPECT_EQ(p.foundationSaturatedDensity, 2.0f);
}

TEST(FoundationEarth, AFileWithoutTheBlockGetsTheDefaultsOfItsOwnUnits) {
  FileBytes si = DefaultFile();
  si.bytes[58] = 1;  // SI: the unit system, after the margins, texts and font size
  const ProjectData p = Decode(si);
  EXPECT_EQ(p.unitSystem, kSI);
  EXPECT_EQ(p.foundationUnitWeight, 16.68f);
  EXPECT_EQ(p.foundationSaturatedDensity, 19.62f);

  FileBytes older;  // an earlier version: no items 21 to 25 and so no block either
  older.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.00");
  older.I16(-3).I16(1);
  older = FoundationItem(older, 3.0f, 4.0f);
  EXPECT_EQ(Decode(older).foundationUnitWeight, 1.7f);
}

TEST(ExtensionBlock, NonDefaultValuesAreWrittenAsTag1AfterItem25AndReadBack) {
  ProjectData p = DefaultIn(kMetric);
  p.foundationSaturatedDensity = 2.15f;
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  FileBytes expected = DefaultFile();
  expected.I16(-3).I16(1);
  expected = FoundationItem(expected, 1.7f, 2.15f);
  EXPECT_EQ(bytes, expected.bytes);
  EXPECT_EQ(bytes.size(), 291u + 16u);
  EXPECT_EQ(DecodeProjectFile(bytes, "x"), p);

  // Random non-default values in every system survive the round trip.
  for (const UnitSystem system : {kMetric, kSI, kBritish}) {
    for (int i = 1; i <= 20; ++i) {
      ProjectData q = DefaultIn(system);
      q.foundationUnitWeight = 0.013f * float(i * i);
      q.foundationSaturatedDensity = 1.0f / float(i);
      EXPECT_EQ(DecodeProjectFile(EncodeProjectFile(q), "x"), q);
    }
  }
}

TEST(ExtensionBlock, OptimiserSwitchesAreOnForAnyValueButZeroAndWrittenAsMinusOne) {
  const auto targets = [](int resultant, int bearing, int global) {
    FileBytes f = DefaultFile();
    f.I16(-3).I16(1).I16(3).I16(46);
    for (float v : {1.5f, 2.0f, 3.0f, 2.5f, 1.5f, 1.1f, 1.5f, 2.0f, 2.0f, 1.1f}) f.F32(v);
    f.I16(resultant).I16(bearing).I16(global);
    return f;
  };
  const ProjectData read = Decode(targets(1, 0, 7));
  EXPECT_TRUE(read.optimiserTargets.resultantRule);
  EXPECT_FALSE(read.optimiserTargets.bearingCheck);
  EXPECT_TRUE(read.optimiserTargets.globalCheck);
  EXPECT_EQ(EncodeProjectFile(read), targets(-1, 0, -1).bytes);
  // Stored as 1, the defaults are still the defaults: no block is written for them.
  EXPECT_EQ(EncodeProjectFile(Decode(targets(1, 1, 0))), DefaultFile().bytes);
}

TEST(ExtensionBlock, UnknownItemsAreKeptInOrderAndWrittenBackAfterTheKnownOnes) {
  FileBytes f = DefaultFile();
  f.I16(-3).I16(4);
  f.I16(9).I16(3).bytes.insert(f.bytes.end(), {0xAA, 0xBB, 0xCC});
  f.I16(-7).I16(0);  // an empty item of a negative tag is an item like any other
  f = FoundationItem(f, 1.8f, 2.1f);
  f.I16(12).I16(2).I16(0x1234);  // a tag of a newer version, with a length of its own choosing
  f.Zeros(5);                   // after the N items: ignored
  const ProjectData p = Decode(f);
  EXPECT_EQ(p.foundationUnitWeight, 1.8f);
  EXPECT_EQ(p.foundationSaturatedDensity, 2.1f);
  const std::vector<ExtensionItem> kept{{9, {0xAA, 0xBB, 0xCC}}, {-7, {}}, {12, {0x34, 0x12}}};
  EXPECT_EQ(p.keptExtensionItems, kept);

  FileBytes written = DefaultFile();
  written.I16(-3).I16(4);
  written = FoundationItem(written, 1.8f, 2.1f);
  written.I16(9).I16(3).bytes.insert(written.bytes.end(), {0xAA, 0xBB, 0xCC});
  written.I16(-7).I16(0).I16(12).I16(2).I16(0x1234);
  EXPECT_EQ(EncodeProjectFile(p), written.bytes);

  // Kept items alone make a block, without tag 1 when the earth has its defaults.
  ProjectData defaults = DefaultIn(kMetric);
  defaults.keptExtensionItems = {{30, {1}}};
  FileBytes only = DefaultFile();
  only.I16(-3).I16(1).I16(30).I16(1).bytes.push_back(1);
  EXPECT_EQ(EncodeProjectFile(defaults), only.bytes);
  EXPECT_EQ(Decode(only), defaults);

  // New starts a project without them.
  ProjectData fresh = p;
  SetDefaults(fresh);
  EXPECT_TRUE(fresh.keptExtensionItems.empty());
}

TEST(ExtensionBlock, BytesThatAreNoBlockAreIgnoredAsBefore) {
  FileBytes one = DefaultFile();
  one.bytes.push_back(0xFD);  // half a marker
  FileBytes other = DefaultFile();
  other.I16(-4).I16(1);
  other = FoundationItem(other, 3.0f, 4.0f);
  FileBytes empty = DefaultFile();
  empty.I16(-3).I16(0);
  for (const FileBytes* f : {&one, &other, &empty}) {
    const ProjectData p = Decode(*f);
    EXPECT_EQ(p.foundationUnitWeight, 1.7f);
    EXPECT_TRUE(p.keptExtensionItems.empty());
  }
}

TEST(ExtensionBlock, DamagedBlocksAreRefusedWithAReason) {
  const auto block = [](int count) {
    FileBytes f = DefaultFile();
    f.I16(-3).I16(count);
    return f;
  };
  FileBytes noCount = DefaultFile();
  noCount.I16(-3);
  FileBytes shortItem = block(1);
  shortItem.I16(1).I16(4).F32(1.7f);
  FileBytes longItem = block(1);
  longItem.I16(1).I16(12).F32(1.7f).F32(2.0f).F32(0);
  FileBytes missingItem = FoundationItem(block(2), 1.8f, 2.0f);
  FileBytes pastEnd = block(1);
  pastEnd.I16(5).I16(100).Zeros(99);
  FileBytes cutPayload = block(1);
  cutPayload.I16(1).I16(8).F32(1.7f);
  FileBytes negativeCount = block(-1);
  FileBytes negativeLength = block(1);
  negativeLength.I16(5).I16(-2);
  FileBytes twice = FoundationItem(FoundationItem(block(2), 1.8f, 2.0f), 1.8f, 2.0f);
  const FileBytes zero = FoundationItem(block(1), 0.0f, 2.0f);
  const FileBytes negative = FoundationItem(block(1), 1.7f, -2.0f);
  const FileBytes nan = FoundationItem(block(1), std::numeric_limits<float>::quiet_NaN(), 2.0f);
  const FileBytes infinite = FoundationItem(block(1), 1.7f, std::numeric_limits<float>::infinity());

  const std::pair<const FileBytes*, const char*> cases[] = {
      {&noCount, "ends too early"},        {&shortItem, "4 bytes long instead of 8"},
      {&longItem, "12 bytes long instead of 8"}, {&missingItem, "ends too early"},
      {&pastEnd, "ends too early"},        {&cutPayload, "ends too early"},
      {&negativeCount, "negative number of items"}, {&negativeLength, "negative length"},
      {&twice, "(foundation earth) twice"}, {&zero, "not above 0"},
      {&negative, "not above 0"},          {&nan, "not a finite number"},
      {&infinite, "not a finite number"}};
  for (const auto& [file, reason] : cases) {
    EXPECT_NE(DecodeError(*file).find(reason), std::string::npos) << reason << ": " << DecodeError(*file);
  }
}

TEST(ExtensionBlock, KeptItemsTheFileCannotHoldAreRefusedOnWriting) {
  ProjectData p = DefaultIn(kMetric);
  p.keptExtensionItems = {{1, {0, 0, 0, 0, 0, 0, 0, 0}}};  // would make tag 1 appear twice
  EXPECT_THROW((void)EncodeProjectFile(p), ProjectFileError);
  p.keptExtensionItems = {{40, std::vector<uint8_t>(40000)}};
  EXPECT_THROW((void)EncodeProjectFile(p), ProjectFileError);
}
