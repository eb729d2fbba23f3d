// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand seeded random walls, each one that the editors would accept, through the service
// analysis, the concrete design, the calculator and every display text of the core: no fault
// escapes except an engine error, and no value shown is NaN or infinite. And a few hundred of
// them analysed and designed on several threads at once, with the results of one thread.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <latch>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "WallAudit.h"
#include "engine/Analysis.h"
#include "model/DimensionEdit.h"
#include "model/ProjectData.h"
#include "model/Units.h"

using namespace kelvadrome;

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kWallCount = 1500;  // the sanitizers make each wall some twenty times slower
#else
constexpr int kWallCount = 10000;
#endif

class WallMaker {
 public:
  explicit WallMaker(unsigned seed) : random_(seed) {}

  ProjectData Make() {
    ProjectData p;
    SetDefaults(p);
    p.unitSystem = kUnitSystems[static_cast<std::size_t>(Pick(3))];
    ConvertUnits(p, kMetric);  // as the Units menu does, so each system starts from its own numbers
    Dimensions(p);
    Options(p);
    Materials(p);
    Loads(p);
    Reinforcement(p);
    return p;
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  double Between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

  // A non-negative value of typical size `typical`: often zero, tiny or huge.
  double Amount(double typical, bool zeroAllowed) {
    const int kind = Pick(8);
    if (kind == 0) return zeroAllowed ? 0.0 : typical * 1e-4;
    return typical * (kind == 1 ? Between(1e-4, 1e-2) : kind == 2 ? Between(10, 1000) : Between(0.1, 3));
  }

  // Angles the editors accept (not negative): mostly ordinary, sometimes 0, near or past 90.
  double Angle() {
    const int kind = Pick(10);
    if (kind == 0) return 0;
    return kind == 1 ? Between(80, 90) : kind == 2 ? (Pick(2) == 0 ? 90 : Between(90, 360)) : Between(5, 45);
  }

  void Edit(ProjectData& p, int label, double value) { (void)ApplyDimensionEdit(p, label, value); }

  void Dimensions(ProjectData& p) {
    for (int edits = 2 + Pick(10); edits > 0; --edits) {
      const int label = Pick(12);
      double value = Between(0, 12);
      if (Chance(0.25)) value = 0;                  // zero toe, heel, batter or thickness
      else if (Chance(0.1)) value = Between(0, 0.3);
      else if (Chance(0.05)) value = Between(12, 200);
      Edit(p, label, value);
    }
    // The backfill slope is run per unit rise: 0 is level, small values are steep.
    const int slope = Pick(4);
    Edit(p, 14, slope == 0 ? 0.0 : slope == 1 ? Between(0.01, 1.0) : Between(1, 10));
  }

  void Options(ProjectData& p) {
    const double total = p.TotalHeightFront();
    if (Chance(0.5)) {  // water on, as the main window switches it
      p.waterOption = true;
      Edit(p, 12, Between(0, total * 1.2));
      Edit(p, 13, Chance(0.2) ? 0.0 : Between(0, total * 1.2));
    } else {
      p.savedWaterDepthFront = p.waterDepthFront;
      p.savedWaterDepthBack = p.waterDepthBack;
      p.waterOption = false;
      p.waterDepthFront = p.waterDepthBack = static_cast<float>(total);
    }
    if (Chance(0.5)) {
      p.seismicOption = true;
      p.seismicCoefficient = static_cast<float>(Chance(0.1) ? Between(1, 5) : Between(0, 0.6));
    } else {
      p.seismicOption = false;
      p.savedSeismicCoefficient = p.seismicCoefficient;
      p.seismicCoefficient = 0;
    }
    p.shearKeyOption = static_cast<int16_t>(Pick(2));
    Edit(p, 15, Chance(0.2) ? 0.0 : Between(0, total));
  }

  // The 24 properties scaled from their defaults: greater than 0 where the editor demands it,
  // not negative elsewhere; friction angles anywhere the editor lets them be.
  void Materials(ProjectData& p) {
    for (float* v : {&p.concreteUnitWeight, &p.concreteStrength, &p.concreteModulus,
                     &p.concretePoisson, &p.steelYieldStress, &p.steelModulus, &p.concreteCover,
                     &p.waterUnitWeight, &p.backfillUnitWeight, &p.backfillDryDensity,
                     &p.backfillSaturatedDensity, &p.baseBearingCapacity, &p.baseModulus,
                     &p.toeUnitWeight, &p.toeDryDensity, &p.toeSaturatedDensity}) {
      if (Chance(0.3)) *v = static_cast<float>(Amount(*v, false));
    }
    for (float* v : {&p.backfillCohesion, &p.baseCohesion, &p.toeCohesion}) {
      if (Chance(0.3)) *v = static_cast<float>(Amount(1.0, true));
    }
    for (float* v : {&p.backfillFrictionAngle, &p.baseFrictionAngle, &p.wallFrictionEarth,
                     &p.wallFrictionConcrete, &p.toeFrictionAngle}) {
      if (Chance(0.3)) *v = static_cast<float>(Angle());
    }
  }

  void Loads(ProjectData& p) {
    p.surchargeLoad = static_cast<float>(Chance(0.3) ? 0.0 : Amount(p.surchargeLoad, true));
    p.surchargeLoadCase = kAllLoadCases[static_cast<std::size_t>(Pick(kLoadCaseCount))];
    p.lineLoadCount = static_cast<int16_t>(Chance(0.3) ? 0 : Pick(kMaxLineLoads + 1));
    const double width = p.baseWidth;
    const double height = p.TotalHeightFront();
    static constexpr std::array<float, 6> kDirections{0, 90, 180, 270, 360, 45};
    for (int i = 1; i <= p.lineLoadCount; ++i) {
      LineLoad& load = p.lineLoads[static_cast<std::size_t>(i)];
      load.load = static_cast<float>(Amount(10, true));
      load.x = static_cast<float>(Between(0, width * 1.3));
      load.y = static_cast<float>(Between(0, height * 1.3));
      load.direction = Chance(0.6) ? kDirections[static_cast<std::size_t>(Pick(6))]
                                   : static_cast<float>(Between(0, 720));
      load.loadCase = kAllLoadCases[static_cast<std::size_t>(Pick(kLoadCaseCount))];
    }
    p.toePassiveOption = static_cast<int16_t>(Pick(2));
    p.restraintForceOption = static_cast<int16_t>(Pick(2));
    p.restraintForce = static_cast<float>(Amount(20, true));
  }

  void Reinforcement(ProjectData& p) {
    if (Chance(0.7)) return;  // the design chooses the bars
    p.userReinforcement = true;
    for (std::size_t c = 1; c <= kDesignColumnCount; ++c) {
      p.barDiameters[c] = static_cast<float>(Amount(p.unitSystem == kBritish ? 0.6 : 1.6, false));
      p.barPitches[c] = static_cast<float>(Amount(p.unitSystem == kBritish ? 8 : 20, false));
    }
  }

  std::mt19937 random_;
};

}  // namespace

TEST(Robustness, RandomWallsNeverFaultNorShowNonFiniteValues) {
  WallMaker maker(20080801);
  int designed = 0, calculated = 0, failures = 0;
  for (int wall = 0; wall < kWallCount && failures < 10; ++wall) {
    const ProjectData project = maker.Make();
    const test::WallAuditReport report = test::AuditWall(project);
    designed += report.designCompleted;
    calculated += report.calculatorRan;
    if (!report.faults.empty()) {
      ++failures;
      ADD_FAILURE() << "wall " << wall << " (" << UnitSystemName(project.unitSystem) << ", base " << project.baseWidth
                    << ", slope " << project.backfillSlope << "): " << report.faults.front()
                    << " (" << report.faults.size() << " faults)";
    }
  }
  // The walls must reach the far end of the engine often, not only its faults.
  EXPECT_GT(designed, kWallCount / 5);
  EXPECT_GT(calculated, kWallCount / 2);
}

namespace {

struct WallRun {
  ServiceAnalysis service;
  DesignRun design;

  bool operator==(const WallRun&) const = default;
};

WallRun RunWall(const ProjectData& p) { return {AnalyseService(p), RunDesign(p)}; }

}  // namespace

// The optimiser and the slip-circle search run the engine on every core: a run must depend on
// its project alone, never on what another thread computes at the same moment.
TEST(Robustness, RunsOnEightThreadsAtOnceGiveTheResultsOfOne) {
  constexpr std::size_t kWalls = 200;
  constexpr std::size_t kThreads = 8;
  WallMaker maker(19930614);
  std::vector<ProjectData> walls;
  std::vector<WallRun> expected;
  for (std::size_t i = 0; i < kWalls; ++i) {
    walls.push_back(maker.Make());
    expected.push_back(RunWall(walls.back()));
  }
  // Every run must compare equal to itself, or the comparison below could never pass.
  std::size_t designed = 0;
  for (std::size_t i = 0; i < kWalls; ++i) {
    ASSERT_EQ(expected[i], RunWall(walls[i])) << "wall " << i << " differs between two runs on one thread";
    designed += expected[i].design.design.completed;
  }
  EXPECT_GT(designed, kWalls / 5);  // the runs must reach the design, not only faults

  // Each thread takes every wall, starting at its own one, so that different walls (and the same
  // wall at different stages) are in flight together.
  std::vector<std::vector<WallRun>> found(kThreads, std::vector<WallRun>(kWalls));
  {
    std::latch start(kThreads);
    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        start.arrive_and_wait();
        for (std::size_t k = 0; k < kWalls; ++k) {
          const std::size_t i = (k + t * kWalls / kThreads) % kWalls;
          found[t][i] = RunWall(walls[i]);
        }
      });
    }
  }
  for (std::size_t t = 0; t < kThreads; ++t) {
    for (std::size_t i = 0; i < kWalls; ++i) {
      EXPECT_TRUE(found[t][i] == expected[i]) << "thread " << t << ", wall " << i;
    }
  }
}
