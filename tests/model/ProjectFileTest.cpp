// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the project file: the default file's bytes, round trips, the backup
// while saving and the refusal of damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "ModelTesting.h"

#include <unistd.h>

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

using namespace kelvadrome;
using namespace kelvadrome::test;
namespace fs = std::filesystem;

namespace {

// A project that uses every part of the layout.
ProjectData BusyProject() {
  ProjectData p = DefaultProject();
  p.projectTitle = "Quay wall 7 » 2³ m² × 3";
  p.headerFooterTexts[1] = "Left";
  p.reportFontName = "Times New Roman";
  p.reportFontSize = 11.5f;
  p.unitSystem = kSI;
  p.stemTopWidth = 0.9f;
  p.lineLoadCount = 2;
  p.lineLoads[1] = {12.5f, 1.0f, 2.0f, 180.0f, LoadCase::live};
  p.lineLoads[2] = {3.0f, 0.0f, 4.5f, 270.0f, LoadCase::seismic};
  p.userReinforcement = true;
  for (std::size_t c = 1; c <= 6; ++c) {
    p.barDiameters[c] = 1.0f + 0.2f * float(c);
    p.barPitches[c] = 25.0f - float(c);
  }
  p.waterOption = false;
  p.savedWaterDepthFront = 4.0f;
  p.savedSeismicCoefficient = 0.2f;
  p.seismicCoefficient = 0.0f;
  p.toePassiveOption = true;
  p.shearKeyOption = true;
  p.restraintForce = 50.0f;
  p.toeCohesion = 1.5f;
  return p;
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProjectFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kelvadrome-file-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  [[nodiscard]] std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

}  // namespace

TEST(ProjectFileLayout, DefaultProjectIs291BytesAndMatchesTheLayoutByteForByte) {
  const std::vector<uint8_t> bytes = EncodeProjectFile(DefaultProject());
  ASSERT_EQ(bytes.size(), 291u);
  EXPECT_EQ(bytes, DefaultFile().bytes);
}

TEST(ProjectFileLayout, UserReinforcementAdds48BytesAfterMarkerMinus2) {
  ProjectData p = DefaultProject();
  p.userReinforcement = true;
  p.barDiameters[1] = 1.6f;
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  ASSERT_EQ(bytes.size(), 291u + 48u);
  const std::size_t marker = 212 - 2;  // after the head (206 bytes), -1 and the count 0
  EXPECT_EQ(bytes[marker], 0xFE);
  EXPECT_EQ(bytes[marker + 1], 0xFF);
  EXPECT_EQ(DecodeProjectFile(bytes, "x"), p);
}

TEST(ProjectFileLayout, TextIsWindows1252InTheFile) {
  ProjectData p = DefaultProject();
  p.projectTitle = "2³ » ×Σ";
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  const std::vector<uint8_t> title{7, 0, '2', 0xB3, ' ', 0xBB, ' ', 0xD7, '?'};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), title.begin(), title.end()), bytes.end());
  EXPECT_EQ(DecodeProjectFile(bytes, "x").projectTitle, "2³ » ×?");
}

TEST(ProjectFileLayout, ProjectsTheFileCannotHoldAreRefused) {
  ProjectData p = DefaultProject();
  p.projectTitle.assign(40000, 'a');
  EXPECT_THROW((void)EncodeProjectFile(p), ProjectFileError);
  p = DefaultProject();
  p.lineLoadCount = 11;
  EXPECT_THROW((void)EncodeProjectFile(p), ProjectFileError);
}

TEST(ProjectFileRoundTrip, DefaultAndBusyProjectsReadBackUnchanged) {
  EXPECT_EQ(DecodeProjectFile(EncodeProjectFile(DefaultProject()), "x"), DefaultProject());
  const ProjectData busy = BusyProject();
  EXPECT_EQ(DecodeProjectFile(EncodeProjectFile(busy), "x"), busy);
  // The given default font is only for defaults: the file's own font wins.
  EXPECT_EQ(DecodeProjectFile(EncodeProjectFile(busy), "x", "Liberation Sans").reportFontName, "Times New Roman");
}

// Files written by other programs hold other numbers for on and off. Water and seismic are on for
// any value but 0; the three restraint switches only for 1; user bars only after the marker -2.
// Whatever was read is written back as -1 / 0 and 1 / 0.
TEST(ProjectFileRoundTrip, OddStoredSwitchesReadAsAlwaysAndAreWrittenBackCanonically) {
  const auto file = [](int bars, int water, int seismic, int toe, int force, int key) {
    FileBytes f;
    f.DefaultHead().I16(-1).I16(0).I16(bars).Text("Kelvadrome Input Data").Text("2.10");
    f.I16(water).I16(seismic).F32(0).F32(0).F32(0).F32(0).F32(0.67f).I16(toe).I16(force).I16(key);
    for (float v : {1.7f, 1.7f, 2.0f, 30.0f, 0.0f}) f.F32(v);
    return f;
  };
  const ProjectData odd = Decode(file(1, 1, 5, -1, 2, -1).bytes);
  EXPECT_TRUE(odd.waterOption);
  EXPECT_TRUE(odd.seismicOption);
  EXPECT_FALSE(odd.toePassiveOption || odd.restraintForceOption || odd.shearKeyOption);
  EXPECT_FALSE(odd.userReinforcement);
  EXPECT_EQ(EncodeProjectFile(odd), DefaultFile().bytes);

  const ProjectData on = Decode(file(0, 0, 0, 1, 1, 1).bytes);
  EXPECT_FALSE(on.waterOption || on.seismicOption);
  EXPECT_TRUE(on.toePassiveOption && on.restraintForceOption && on.shearKeyOption);
  EXPECT_EQ(EncodeProjectFile(on), file(0, 0, 0, 1, 1, 1).bytes);
}

TEST(ProjectFileOlderLayouts, BackfillEarthIsCopiedToTheToe) {
  FileBytes file;
  file.I16(0).I16(0).I16(25).I16(20).I16(20).I16(20);
  file.Text("").Text("").Text("").Text("Arial").F32(10).Text("old").I16(0);
  for (int i = 0; i < 15; ++i) file.F32(1.0f);
  for (int i = 0; i < 19; ++i) file.F32(float(i));  // backfill unit weight 8 .. cohesion 12
  file.F32(1).I16(1).F32(0).I16(-1).I16(0).I16(0).Text("id").Text("1.0");
  const ProjectData p = Decode(file.bytes);
  EXPECT_EQ(p.toeUnitWeight, 8.0f);
  EXPECT_EQ(p.toeDryDensity, 9.0f);
  EXPECT_EQ(p.toeSaturatedDensity, 10.0f);
  EXPECT_EQ(p.toeFrictionAngle, 11.0f);
  EXPECT_EQ(p.toeCohesion, 12.0f);
}

TEST(ProjectFileOlderLayouts, VerticalLoadsFollowTheTopOutline) {
  FileBytes file;
  file.DefaultHead().I16(0).I16(4);
  file.F32(1).F32(2.2f).I16(1);   // on the stem's front batter: (0.2 / 0.5) x 8 + 2
  file.F32(1).F32(3.0f).I16(1);   // on the stem top: the total height
  file.F32(1).F32(3.6f).I16(1);   // on the back batter: 10 - (0.27 / 0.5) x 7.73
  file.F32(1).F32(7.2f).I16(1);   // at the heel's back edge: 2.27 - 1
  file.I16(0).Text("id").Text("2.10").DefaultTail();
  const ProjectData p = Decode(file.bytes);
  ASSERT_EQ(p.lineLoadCount, 4);
  EXPECT_NEAR(p.lineLoads[1].y, 5.2, 1e-5);
  EXPECT_NEAR(p.lineLoads[2].y, 10.0, 1e-5);
  EXPECT_NEAR(p.lineLoads[3].y, 10.0 - 0.27 / 0.5 * 7.73, 1e-4);
  EXPECT_NEAR(p.lineLoads[4].y, 1.27, 1e-5);
  EXPECT_EQ(p.lineLoads[4].direction, 180.0f);
}

TEST(ProjectFileOlderLayouts, TextHeaderItemAndOtherReinforcementMarkersCarryNothing) {
  FileBytes file;
  file.I16(7).I16(8).Text("comment");
  FileBytes rest;
  rest.DefaultHead();
  file.bytes.insert(file.bytes.end(), rest.bytes.begin() + 4, rest.bytes.end());
  file.I16(-1).I16(0).I16(5).Text("id").Text("2.10").DefaultTail();
  EXPECT_EQ(Decode(file.bytes), DefaultProject());
}

TEST(ProjectFileDamage, EveryTruncationIsAnErrorNotAPartialProject) {
  // The busy project's foundation earth keeps its Metric numbers in SI: it carries an extension
  // block of 16 bytes. Cut right after item 25, or one byte into the marker, it is a file
  // without the block; cut anywhere else, it is refused.
  for (const ProjectData& source : {DefaultProject(), BusyProject()}) {
    const std::vector<uint8_t> whole = EncodeProjectFile(source);
    const std::size_t item25End = whole.size() - (source == DefaultProject() ? 0 : 16);
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const std::vector<uint8_t> prefix(whole.begin(), whole.begin() + std::ptrdiff_t(length));
      if (length == item25End || length == item25End + 1) {
        EXPECT_EQ(DecodeProjectFile(prefix, "x").foundationUnitWeight, 16.68f);
      } else {
        EXPECT_NE(DecodeError(prefix).find("ends too early"), std::string::npos) << length;
      }
    }
  }
}

// Values that would break the program, in the current and the older layouts.
TEST(ProjectFileDamage, ValuesThatWouldBreakTheProgramAreRefused) {
  const auto loads = [](int count) {
    FileBytes file;
    file.DefaultHead().I16(-1).I16(count);
    for (int i = 0; i < count; ++i) file.F32(1).F32(1).F32(1).F32(180).I16(1);
    file.I16(0).Text("id").Text("2.10").DefaultTail();
    return file;
  };
  EXPECT_EQ(Decode(loads(10).bytes).lineLoadCount, 10);
  FileBytes oldLoads;  // six loads on the front and five vertical ones
  oldLoads.DefaultHead().I16(6);
  for (int i = 0; i < 6; ++i) oldLoads.F32(1).F32(0.5f).I16(1);
  oldLoads.I16(5);
  for (int i = 0; i < 5; ++i) oldLoads.F32(1).F32(3.0f).I16(1);
  oldLoads.I16(0).Text("id").Text("2.10").DefaultTail();

  FileBytes noToe;  // a vertical load before a toe of length 0 in the old conversion
  noToe.I16(0).I16(0).I16(25).I16(20).I16(20).I16(20);
  noToe.Text("").Text("").Text("").Text("Arial").F32(10).Text("").I16(0);
  for (float v : {0.0f, 0.5f, 0.83f, 0.5f, 3.37f, 5.2f, 8.0f, 1.0f, 1.0f, 7.73f, 1.0f, 1.27f,
                  5.0f, 5.0f, 1.5f}) {
    noToe.F32(v);
  }
  for (int i = 0; i < 19; ++i) noToe.F32(1);
  noToe.F32(1).I16(2).F32(0.15f);
  noToe.I16(0).I16(1).F32(1).F32(-0.5f).I16(1);
  noToe.I16(0).Text("id").Text("2.10").DefaultTail();

  FileBytes negativeText, hugeText, units, loadCase, negativeCount, header, cutResults;
  negativeText.I16(0).I16(0).I16(25).I16(20).I16(20).I16(20).I16(-5);
  hugeText.I16(0).I16(0).I16(25).I16(20).I16(20).I16(20).I16(32767).Text("abc");
  units.I16(0).I16(0).I16(25).I16(20).I16(20).I16(20);
  units.Text("").Text("").Text("").Text("Arial").F32(10).Text("").I16(3);
  loadCase.DefaultHead().I16(-1).I16(1).F32(1).F32(1).F32(1).F32(180).I16(8);
  negativeCount.DefaultHead().I16(-1).I16(-2);
  header.I16(0).I16(9);
  cutResults.DefaultHead().I16(-1).I16(0).I16(-1).Zeros(2199);  // the oldest layout's results
  const FileBytes eleven = loads(11);
  const std::pair<const FileBytes*, const char*> cases[] = {
      {&negativeText, "negative text length"}, {&hugeText, "ends too early"}, {&units, "unit system"},
      {&loadCase, "load case"}, {&negativeCount, "negative number"}, {&header, "header item"},
      {&cutResults, "ends too early"}, {&noToe, "division by zero"}, {&noToe, "toeLength"},
      {&eleven, "more than 10 line loads"}, {&oldLoads, "more than 10 line loads"}};
  for (const auto& [file, reason] : cases) {
    EXPECT_NE(DecodeError(file->bytes).find(reason), std::string::npos) << reason << ": " << DecodeError(file->bytes);
  }
}

TEST(ProjectFileDamage, RandomBytesAndMutationsNeverCrash) {
  std::mt19937 random(20080801);
  const std::vector<uint8_t> valid = EncodeProjectFile(BusyProject());
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> bytes;
    if (round % 2 == 0) {
      bytes.resize(random() % 600);
      for (auto& b : bytes) b = static_cast<uint8_t>(random());
    } else {
      bytes = valid;
      for (int flips = 1 + int(random() % 4); flips > 0; --flips) {
        bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
      }
    }
    try {
      const ProjectData p = DecodeProjectFile(bytes, "random.kvi");
      EXPECT_GE(p.lineLoadCount, 0);
      EXPECT_LE(p.lineLoadCount, 10);
    } catch (const ProjectFileError& e) {
      ++refused;
      EXPECT_EQ(e.FileName(), "random.kvi");
    }
  }
  EXPECT_GT(refused, 1000);
}

TEST_F(ProjectFileOnDisk, WriteThenReadGivesTheSameProjectAndLeavesNoBackup) {
  // The backup's name keeps the letter case of the folder and of the name before the last dot.
  fs::create_directories(folder_ / "Mixed Case");
  const std::string path = (folder_ / "Mixed Case" / "Wall.Final.kvi").string();
  WriteProjectFile(DefaultProject(), path);
  EXPECT_EQ(fs::file_size(path), 291u);
  const ProjectData busy = BusyProject();
  WriteProjectFile(busy, path);  // over the existing file
  EXPECT_EQ(ReadProjectFile(path), busy);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Mixed Case"), fs::directory_iterator()), 1);
}

TEST_F(ProjectFileOnDisk, MissingFileAndFolderAreErrors) {
  EXPECT_THROW((void)ReadProjectFile(PathOf("none.kvi")), ProjectFileError);
  EXPECT_THROW((void)ReadProjectFile(folder_.string()), ProjectFileError);
  EXPECT_THROW(WriteProjectFile(DefaultProject(), PathOf("no/such/folder/a.kvi")), ProjectFileError);
  EXPECT_THROW(WriteProjectFile(DefaultProject(), folder_.string()), ProjectFileError);
  EXPECT_TRUE(fs::is_directory(folder_));
  std::ofstream(PathOf("cut.kvi")) << "cut";
  try {
    (void)ReadProjectFile(PathOf("cut.kvi"));
    ADD_FAILURE() << "a cut file was read";
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.FileName(), PathOf("cut.kvi"));
    EXPECT_NE(std::string(e.what()).find("cut.kvi"), std::string::npos);
  }
}

#ifdef __linux__
// Writes under a file size limit, so that the write stops part way as it would on a full disk.
void WriteOnAFullDisk(const ProjectData& p, const std::string& path) {
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 100;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto restore = [&] {
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
  };
  try {
    WriteProjectFile(p, path);
  } catch (...) {
    restore();
    throw;
  }
  restore();
  ADD_FAILURE() << "the write did not fail";
}

TEST_F(ProjectFileOnDisk, FailedWritePutsTheOriginalBack) {
  const std::string path = PathOf("keep.kvi");
  WriteProjectFile(DefaultProject(), path);
  const std::vector<uint8_t> original = ReadBytes(path);
  try {
    WriteOnAFullDisk(BusyProject(), path);
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.FileName(), path);
  }
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_FALSE(fs::exists(PathOf("keep.BAK")));

  const std::string fresh = PathOf("fresh.kvi");
  EXPECT_THROW(WriteOnAFullDisk(BusyProject(), fresh), ProjectFileError);
  EXPECT_FALSE(fs::exists(fresh));  // no partial file left behind
}
#endif
