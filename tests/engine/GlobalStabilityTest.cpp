// SPDX-License-Identifier: GPL-3.0-or-later
// Global stability: the slip section, one circle by Bishop's simplified method and the search
// for the critical circle, checked against physics rather than against the code's own formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "ServiceTestSupport.h"
#include "engine/GlobalStability.h"
#include "engine/SlipCircle.h"
#include "engine/SlipSection.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

namespace kelvadrome {
namespace {

using test::AddLineLoad;
using test::Analyse;
using test::DefaultProject;

// The default wall without water or cohesion.
ProjectData DryWall() {
  ProjectData p = DefaultProject();
  p.waterOption = false;
  p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
  return p;
}

struct Analysed {
  ProjectData project;
  test::ServiceRun run;
  SlipSection section;
};

Analysed Prepare(ProjectData p) {
  Analysed a{p, Analyse(p), {}};
  a.project = p;  // a slope rule may have flattened the slope
  a.section = BuildSlipSection(a.project);
  return a;
}

double SearchFactor(const ProjectData& p) {
  const Analysed a = Prepare(p);
  const GlobalStabilityResults g = ComputeGlobalStability(a.project, a.run.results);
  EXPECT_EQ(g.status, GlobalStabilityResults::Status::found);
  return g.safetyFactor;
}

// A circle deep under the default wall that every rule admits: centre above the heel.
constexpr SlipCircle kDeepCircle{4.0, -6.0, 18.0};

double CircleFactor(const SlipSection& s, const SlipCircle& c = kDeepCircle) {
  const CircleResult r = EvaluateCircle(s, c);
  EXPECT_TRUE(r.Admissible()) << CircleRefusalText(r.refusal);
  return r.safetyFactor;
}

// The project with every length, force and unit weight taken exactly (without the rounding of
// the unit switch) into another system.
ProjectData Converted(const ProjectData& metric, UnitSystem system) {
  const ConversionFactors f = ConversionFactorsFor(kMetric, system);
  ProjectData p = metric;
  p.unitSystem = system;
  const auto length = [&](float& v) { v = static_cast<float>(v * f.length); };
  const auto weight = [&](float& v) { v = static_cast<float>(v * f.UnitWeight()); };
  for (float* v : {&p.toeLength, &p.stemFrontBatter, &p.stemTopWidth, &p.stemBackBatter,
                   &p.heelLength, &p.baseWidth, &p.stemFrontHeight, &p.toeTaper,
                   &p.toeEdgeThickness, &p.stemBackHeight, &p.heelTaper, &p.heelEdgeThickness,
                   &p.waterDepthFront, &p.waterDepthBack, &p.shearKeyDepth}) {
    length(*v);
  }
  for (float* v : {&p.concreteUnitWeight, &p.waterUnitWeight, &p.backfillUnitWeight,
                   &p.backfillSaturatedDensity, &p.toeUnitWeight, &p.toeSaturatedDensity,
                   &p.foundationUnitWeight, &p.foundationSaturatedDensity}) {
    weight(*v);
  }
  p.surchargeLoad = static_cast<float>(p.surchargeLoad * f.force / (f.length * f.length));
  for (int k = 1; k <= p.lineLoadCount; ++k) {
    LineLoad& l = p.lineLoads[static_cast<size_t>(k)];
    l.load = static_cast<float>(l.load * f.ForcePerLength());
    length(l.x);
    length(l.y);
  }
  return p;
}

TEST(GlobalStability, SameFactorInEveryUnitSystem) {
  ProjectData metric = DryWall();
  metric.backfillSlope = 0;  // the slope in the file is a ratio and needs no conversion either way
  AddLineLoad(metric, 3.0f, 6.5f, 9.0f, 200.0f);
  const double expected = SearchFactor(metric);
  for (const UnitSystem system : {kSI, kBritish}) {
    EXPECT_NEAR(SearchFactor(Converted(metric, system)), expected, 1e-4 * expected)
        << UnitSystemName(system);
  }
}

TEST(GlobalStability, StrengthRaisesAndSeismicLoadLowersTheFactor) {
  ProjectData base = DryWall();
  base.seismicOption = false;
  base.seismicCoefficient = 0;
  const double reference = SearchFactor(base);
  EXPECT_GT(reference, 0.5);
  EXPECT_LT(reference, 10.0);

  ProjectData cohesive = base;
  cohesive.baseCohesion = 0.2f;      // kg/cm² → 2 T/m² under the base
  cohesive.backfillCohesion = 0.1f;
  EXPECT_GT(SearchFactor(cohesive), reference * 1.05);

  ProjectData rough = base;
  rough.baseFrictionAngle = 35;
  rough.backfillFrictionAngle = 32;
  rough.toeFrictionAngle = 35;
  EXPECT_GT(SearchFactor(rough), reference * 1.05);

  ProjectData shaken = base;
  shaken.seismicOption = true;
  shaken.seismicCoefficient = 0.1f;
  EXPECT_LT(SearchFactor(shaken), reference * 0.95);
}

TEST(GlobalStability, CircleThatCutsTheConcreteIsRefused) {
  ProjectData p = DryWall();
  const Analysed a = Prepare(p);
  // Through the middle of the stem.
  EXPECT_EQ(EvaluateCircle(a.section, {3.0, -2.0, 5.0}).refusal, CircleRefusal::cutsConcrete);
  // Holds the base but not the stem top.
  EXPECT_EQ(EvaluateCircle(a.section, {3.6, 12.0, 11.9}).refusal, CircleRefusal::cutsConcrete);

  // A circle that passes just under the base but above the bottom of the key: admitted
  // without the key, refused with it.
  const SlipCircle shallow{3.6, -8.0, 18.5};
  ASSERT_TRUE(EvaluateCircle(a.section, shallow).Admissible());
  p.shearKeyOption = true;
  p.shearKeyDepth = 0.67f;
  EXPECT_EQ(EvaluateCircle(Prepare(p).section, shallow).refusal, CircleRefusal::cutsConcrete);
}

// On this wall the first trial of one circle makes a steep slice's m negative and the next trial
// factor negative; the iteration recovers and converges, like its neighbour's.
TEST(GlobalStability, IterationRecoversFromANegativeTrialFactor) {
  const Analysed a = Prepare(ReadProjectFile(KELVADROME_TEST_DATA "/trial-factor-below-zero.kvi"));
  const CircleResult r = EvaluateCircle(a.section, {8.73, -3.56, 18.55});
  ASSERT_TRUE(r.Admissible()) << CircleRefusalText(r.refusal);
  EXPECT_NEAR(r.safetyFactor, 5.463612, 1e-5);
  const CircleResult neighbour = EvaluateCircle(a.section, {8.78, -3.56, 18.57});
  ASSERT_TRUE(neighbour.Admissible());
  EXPECT_NEAR(neighbour.safetyFactor, 5.516367, 1e-5);
}

TEST(GlobalStability, CircleMustLeaveThroughTheToeEarthAndEnterBehindTheHeel) {
  const Analysed a = Prepare(DryWall());
  const SlipSection& s = a.section;
  // Centres between the wall top and the toe-earth level: the lower arc never rises to the
  // backfill; centres below the toe-earth level: it never rises to the toe earth either.
  EXPECT_EQ(EvaluateCircle(s, {3.6, 2.0, 12.0}).refusal, CircleRefusal::noEntry);
  EXPECT_EQ(EvaluateCircle(s, {3.6, s.y3 + 1.0, 14.0}).refusal, CircleRefusal::noExit);
  const CircleResult good = EvaluateCircle(s, kDeepCircle);
  ASSERT_TRUE(good.Admissible());
  EXPECT_LT(*good.ends.exitX, 0.0);
  EXPECT_GT(*good.ends.entryX, s.B);
  // Both ends lie on the circle and on the ground.
  for (const double x : {*good.ends.exitX, *good.ends.entryX}) {
    const double y = s.Ground(x);
    EXPECT_NEAR(std::hypot(x - kDeepCircle.centreX, y - kDeepCircle.centreY), kDeepCircle.radius, 1e-9);
  }
}

// Area between the ground polyline and the lower arc from a to b, by exact integrals.
double AreaUnderGround(const SlipSection& s, const SlipCircle& c, double a, double b) {
  const auto arcIntegral = [&](double x) {  // ∫ sqrt(R² − (x − xc)²) dx
    const double u = x - c.centreX, R = c.radius;
    return 0.5 * (u * std::sqrt(R * R - u * u) + R * R * std::asin(u / R));
  };
  double area = c.centreY * (b - a) + arcIntegral(b) - arcIntegral(a);
  // Minus ∫ g: the polyline through its corners between a and b.
  std::vector<double> xs{a, 0.0, s.T, s.x1, s.x8, b};
  double ground = 0;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    ground += (xs[i + 1] - xs[i]) * (s.Ground(xs[i]) + s.Ground(xs[i + 1])) / 2;
  }
  return area - ground;
}

double ShoelaceArea(const std::vector<SlipPoint>& polygon) {
  double twice = 0;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const SlipPoint& p = polygon[i];
    const SlipPoint& q = polygon[(i + 1) % polygon.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  return std::fabs(twice) / 2;
}

TEST(GlobalStability, FineSlicesWeighTheWholeSlidingMass) {
  // Sloping backfill; one unit weight for all soils and another for the concrete.
  ProjectData p = DryWall();
  p.seismicCoefficient = 0;
  p.surchargeLoad = 0;
  p.backfillUnitWeight = p.toeUnitWeight = p.foundationUnitWeight = 1.8f;
  Analysed a = Prepare(p);
  const SlipSection& s = a.section;
  const CircleEnds ends = FindCircleEnds(s, kDeepCircle);
  ASSERT_TRUE(ends.exitX && ends.entryX);
  std::vector<Slice> slices(2000);
  BuildSlices(s, kDeepCircle, *ends.exitX, *ends.entryX, slices);
  double sum = 0;
  for (const Slice& sl : slices) sum += sl.weight;

  const AnalysisResults& r = a.run.results;
  std::vector<SlipPoint> concrete;
  for (size_t i = 1; i <= 8; ++i) concrete.push_back({r.wallOutlineX[i], r.wallOutlineY[i]});
  const double concreteArea = ShoelaceArea(concrete);
  const double total = AreaUnderGround(s, kDeepCircle, *ends.exitX, *ends.entryX);
  const double exact = 1.8 * (total - concreteArea) + s.concreteWeight * concreteArea;
  EXPECT_NEAR(sum, exact, 1e-3 * exact);
}

TEST(GlobalStability, WaterOnBothSides) {
  ProjectData p = DefaultProject();
  p.seismicCoefficient = 0;
  const Analysed wet = Prepare(p);
  const double reference = CircleFactor(wet.section);

  // A deeper backfill water table alone: less pore pressure and buoyancy-free weight behind.
  ProjectData lower = p;
  lower.waterDepthBack = 6.0f;
  EXPECT_GT(CircleFactor(Prepare(lower).section), reference);
  EXPECT_GT(SearchFactor(lower), SearchFactor(p));

  // The front water pushes back on the sliding mass; without that thrust the factor falls.
  ASSERT_GT(wet.section.frontThrust, 0);
  SlipSection noThrust = wet.section;
  noThrust.frontThrust = 0;
  EXPECT_LT(CircleFactor(noThrust), reference);
}

TEST(GlobalStability, LineLoadsCountOnlyInsideTheSlidingMass) {
  ProjectData p = DryWall();
  p.seismicCoefficient = 0;
  const double reference = CircleFactor(Prepare(p).section);

  ProjectData inside = p;
  AddLineLoad(inside, 5.0f, 18.0f, 12.5f, 180.0f);  // downward, far up the backfill
  const Analysed a = Prepare(inside);
  EXPECT_LT(CircleFactor(a.section), reference);
  // The whole load lands on one slice.
  std::array<Slice, kSliceCount> with, without;
  ASSERT_TRUE(EvaluateCircle(a.section, kDeepCircle, &with).Admissible());
  ASSERT_TRUE(EvaluateCircle(Prepare(p).section, kDeepCircle, &without).Admissible());
  double added = 0;
  for (size_t i = 0; i < with.size(); ++i) added += with[i].weight - without[i].weight;
  EXPECT_NEAR(added, 5.0, 1e-9);

  ProjectData towardsToe = p;
  AddLineLoad(towardsToe, 5.0f, 8.0f, 10.5f, 270.0f);  // pushing towards the toe
  EXPECT_LT(CircleFactor(Prepare(towardsToe).section), reference);

  ProjectData outside = p;
  AddLineLoad(outside, 50.0f, 40.0f, 10.5f, 180.0f);  // far behind the entry
  EXPECT_DOUBLE_EQ(CircleFactor(Prepare(outside).section), reference);
}

TEST(GlobalStability, SearchFindsTheMinimumOfEveryCircleItReports) {
  ProjectData p = DefaultProject();
  const Analysed a = Prepare(p);
  const GlobalStabilityResults g = SearchCriticalCircle(a.section, 1);
  ASSERT_EQ(g.status, GlobalStabilityResults::Status::found);
  // The reported circle, evaluated again, gives the reported factor and ends.
  const CircleResult again = EvaluateCircle(a.section, {g.centreX, g.centreY, g.radius});
  ASSERT_TRUE(again.Admissible());
  EXPECT_NEAR(again.safetyFactor, g.safetyFactor, 1e-4 * g.safetyFactor);
  EXPECT_NEAR(*again.ends.exitX, g.exitX, 1e-3);
  EXPECT_NEAR(*again.ends.entryX, g.entryX, 1e-3);
  // No admissible circle of a coarse independent scan does better.
  for (double xc = -5; xc <= 12; xc += 1.7) {
    for (double yc = -14; yc <= -1; yc += 1.3) {
      for (double R = 5; R <= 40; R += 1.1) {
        const CircleResult r = EvaluateCircle(a.section, {xc, yc, R});
        if (r.Admissible()) EXPECT_GE(r.safetyFactor, g.safetyFactor * (1 - 1e-6));
      }
    }
  }
  // Threads change nothing.
  EXPECT_EQ(SearchCriticalCircle(a.section, 3), g);
}

TEST(GlobalStability, SectionFollowsTheFlattenedSlope) {
  ProjectData p = DefaultProject();
  p.backfillSlope = 1;  // steeper than the backfill's friction angle: the analysis flattens it
  const Analysed a = Prepare(p);
  ASSERT_TRUE(a.run.results.slopeAdjusted);
  ASSERT_GT(a.project.backfillSlope, 1.0f);
  // The analysis that flattened the slope still holds the outline of the old one; the section
  // rises with the new slope.
  const double rise = (double(p.stemBackBatter) + p.heelLength) / a.project.backfillSlope;
  EXPECT_NEAR(a.section.wallHeight, a.section.D + rise, 1e-5);
  EXPECT_NEAR(a.section.slopeRise, 1.0 / a.project.backfillSlope, 1e-9);
}

TEST(GlobalStability, NothingDrivesWithoutWeight) {
  // Weightless soil and concrete with no loads: circles meet the geometry but nothing drives.
  SlipSection s = Prepare(DryWall()).section;
  s.concreteWeight = 0;
  s.backfill.moist = s.toe.moist = s.foundation.moist = 0;
  s.surcharge = 0;
  s.seismic = 0;
  const GlobalStabilityResults g = SearchCriticalCircle(s);
  EXPECT_EQ(g.status, GlobalStabilityResults::Status::nothingDrives);
  EXPECT_EQ(g.safetyFactor, kNothingDrives);
  EXPECT_EQ(g.circlesAdmissible, 0);
}

}  // namespace
}  // namespace kelvadrome
