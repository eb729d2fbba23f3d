// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the project file: the default file's bytes, round trips, the backup
// while saving and the refusal of damaged files.
#include <gtest/gtest.h>

#include <array>
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
  p.barDiameters = {0, 1.2f, 1.4f, 1.6f, 1.8f, 2.0f, 2.2f};
  p.barPitches = {0, 24, 23, 22, 21, 20, 19};
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

TEST(ProjectFileLayout, DefaultProjectIs291BytesAndUserBarsAdd48AfterMarkerMinus2) {
  EXPECT_EQ(EncodeProjectFile(DefaultProject()), DefaultFile().bytes);
  ProjectData p = DefaultProject();
  p.userReinforcement = true;
  p.barDiameters[1] = 1.6f;
  const std::vector<uint8_t> bytes = EncodeProjectFile(p);
  ASSERT_EQ(bytes.size(), 291u + 48u);
  const std::size_t marker = 212 - 2;  // after the head (206 bytes), -1 and the count 0
  EXPECT_EQ(bytes[marker], 0xFE);
  EXPECT_EQ(bytes[marker + 1], 0xFF);
}

TEST(ProjectFileLayout, ProjectsTheFileCannotHoldAreRefused) {
  const auto with = [](auto change) {
    ProjectData p = DefaultProject();
    change(p);
    return p;
  };
  for (const ProjectData& p : {with([](ProjectData& q) { q.projectTitle.assign(40000, 'a'); }),
                               with([](ProjectData& q) { q.lineLoadCount = 11; }),
                               with([](ProjectData& q) { q.keptExtensionItems = {{1, std::vector<uint8_t>(8)}}; }),  // tag 1 twice
                               with([](ProjectData& q) { q.keptExtensionItems = {{40, std::vector<uint8_t>(40000)}}; })}) {
    EXPECT_THROW((void)EncodeProjectFile(p), ProjectFileError);
  }
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
  std::vector<std::pair<int, float>> numbers;
  for (int i = 0; i < 19; ++i) numbers.emplace_back(15 + i, float(i));  // backfill unit weight 8 .. cohesion 12
  const ProjectData p = Decode(HeadWith(numbers).I16(-1).I16(0).I16(0).Text("id").Text("1.0").bytes);
  EXPECT_EQ((std::array{p.toeUnitWeight, p.toeDryDensity, p.toeSaturatedDensity, p.toeFrictionAngle, p.toeCohesion}),
            (std::array{8.0f, 9.0f, 10.0f, 11.0f, 12.0f}));
}

TEST(ProjectFileOlderLayouts, VerticalLoadsFollowTheTopOutline) {
  FileBytes file;
  file.DefaultHead().I16(0).I16(3);  // one on the back batter is in the golden old-line-loads file
  file.F32(1).F32(2.2f).I16(1);   // on the stem's front batter: (0.2 / 0.5) x 8 + 2
  file.F32(1).F32(3.0f).I16(1);   // on the stem top: the total height
  file.F32(1).F32(7.2f).I16(1);   // at the heel's back edge: 2.27 - 1
  file.I16(0).Text("id").Text("2.10").DefaultTail();
  const ProjectData p = Decode(file.bytes);
  ASSERT_EQ(p.lineLoadCount, 3);
  EXPECT_NEAR(p.lineLoads[1].y, 5.2, 1e-5);
  EXPECT_NEAR(p.lineLoads[2].y, 10.0, 1e-5);
  EXPECT_NEAR(p.lineLoads[3].y, 1.27, 1e-5);
  EXPECT_EQ(p.lineLoads[3].direction, 180.0f);
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
    FileBytes file = HeadWith();
    file.I16(-1).I16(count);
    for (int i = 0; i < count; ++i) file.F32(1).F32(1).F32(1).F32(180).I16(1);
    file.I16(0).Text("id").Text("2.10").DefaultTail();
    return file;
  };
  EXPECT_EQ(Decode(loads(10).bytes).lineLoadCount, 10);
  FileBytes oldLoads = HeadWith();  // six loads on the front and five vertical ones
  oldLoads.I16(6);
  for (int i = 0; i < 6; ++i) oldLoads.F32(1).F32(0.5f).I16(1);
  oldLoads.I16(5);
  for (int i = 0; i < 5; ++i) oldLoads.F32(1).F32(3.0f).I16(1);
  oldLoads.I16(0).Text("id").Text("2.10").DefaultTail();
  FileBytes noToe = HeadWith({{0, 0.0f}, {5, 5.2f}});  // a vertical load before a toe of length 0
  noToe.I16(0).I16(1).F32(1).F32(-0.5f).I16(1).I16(0).Text("id").Text("2.10").DefaultTail();
  const auto cut = [](std::size_t length) {
    FileBytes f = HeadWith();
    f.bytes.resize(length);
    return f;
  };

  const std::pair<FileBytes, const char*> cases[] = {
      {cut(12).I16(-5), "negative text length"},
      {cut(12).I16(32767).Text("abc"), "ends too early"},
      {cut(58).I16(3), "unit system"},
      {HeadWith().I16(-1).I16(1).F32(1).F32(1).F32(1).F32(180).I16(8), "load case"},
      {HeadWith().I16(-1).I16(-2), "negative number"},
      {FileBytes().I16(0).I16(9), "header item"},
      {HeadWith().I16(-1).I16(0).I16(-1).Zeros(2199), "ends too early"},  // the oldest layout's results
      {noToe, "division by zero"},
      {noToe, "toeLength"},
      {loads(11), "more than 10 line loads"},
      {oldLoads, "more than 10 line loads"}};
  for (const auto& [file, reason] : cases) {
    EXPECT_NE(DecodeError(file.bytes).find(reason), std::string::npos) << reason << ": " << DecodeError(file.bytes);
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
  struct Restore {
    rlimit limit;
    void (*handler)(int);
    ~Restore() {
      setrlimit(RLIMIT_FSIZE, &limit);
      std::signal(SIGXFSZ, handler);
    }
  } restore{old, std::signal(SIGXFSZ, SIG_IGN)};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  WriteProjectFile(p, path);
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
