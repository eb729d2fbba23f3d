// SPDX-License-Identifier: GPL-3.0-or-later
// Unit labels, RoundTo and the conversion of a project between the three unit systems.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "model/ProjectData.h"
#include "model/Units.h"

using namespace kelvadrome;

namespace {

ProjectData DefaultProject() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

void ChangeSystem(ProjectData& p, UnitSystem to) {
  const UnitSystem previous = p.unitSystem;
  p.unitSystem = to;
  ConvertUnits(p, previous);
}

}  // namespace

TEST(UnitLabel, RealSuperscriptsAndUnknownSystemsRefused) {
  EXPECT_EQ(UnitLabel(UnitQuantity::unitWeight, kMetric), "T/m³");
  EXPECT_EQ(UnitLabel(UnitQuantity::stress, kMetric), "kg/cm²");
  EXPECT_EQ(ForcePerLengthLabel(kBritish), "Kip/ft");
  EXPECT_THROW((void)UnitLabel(UnitQuantity::force, static_cast<UnitSystem>(3)), std::out_of_range);
  EXPECT_THROW((void)UnitLabel(UnitQuantity::force, static_cast<UnitSystem>(-1)), std::out_of_range);
}

TEST(RoundTo, HalvesAwayFromZeroOnTheReadableDecimal) {
  const std::tuple<double, int, double> cases[] = {
      {2.675, 2, 2.68}, {-2.675, 2, -2.68}, {1.005, 2, 1.01}, {0.5, 0, 1.0},    {-0.5, 0, -1.0},
      {1.45, 1, 1.5},   {2.72309, 2, 2.72}, {29.43, 0, 29.0}, {1234567.891, 2, 1234567.89},
      {0.004, 2, 0.0},  {1e30, 2, 1e30}};
  for (const auto& [value, digits, expected] : cases) EXPECT_EQ(RoundTo(value, digits), expected) << value;
  EXPECT_FALSE(std::signbit(RoundTo(-0.004, 2)));
  EXPECT_TRUE(std::isnan(RoundTo(std::numeric_limits<double>::quiet_NaN(), 2)));
}

TEST(ConvertUnits, MetricToBritishAndBackReproducesTheRoundingExamples) {
  ProjectData p = DefaultProject();
  ChangeSystem(p, kBritish);
  EXPECT_EQ(p.stemTopWidth, 2.72f);
  EXPECT_EQ(p.concreteCover, 2.0f);
  EXPECT_EQ(p.backfillSlope, 5.0f);
  ChangeSystem(p, kMetric);
  EXPECT_EQ(p.stemTopWidth, 0.83f);
  EXPECT_EQ(p.concreteCover, 5.1f);  // 2.0 in is 5.08 cm
}

TEST(ConvertUnits, MetricToSiAndBack) {
  ProjectData p = DefaultProject();
  ChangeSystem(p, kSI);
  EXPECT_EQ(p.concreteUnitWeight, 23.54f);  // 2.4 x 9.81 = 23.544
  EXPECT_EQ(p.concreteStrength, 29.0f);
  EXPECT_EQ(p.concreteCover, 5.0f);         // held in centimetres in both
  EXPECT_EQ(p.surchargeLoad, 9.81f);
  ChangeSystem(p, kMetric);
  EXPECT_EQ(p.concreteUnitWeight, 2.4f);
  EXPECT_EQ(p.concreteStrength, 296.0f);    // 29 x 100 / 9.81 = 295.6
}

TEST(ConvertUnits, SameSystemConvertsNothing) {
  ProjectData p = DefaultProject();
  p.stemTopWidth = 0.8333f;
  const ProjectData before = p;
  ChangeSystem(p, kMetric);
  EXPECT_EQ(p, before);
}

TEST(ConvertUnits, LineLoadsConvertButNotAnglesRatiosOrSwitches) {
  ProjectData p = DefaultProject();
  p.lineLoadCount = 1;
  p.lineLoads[1] = {2.0f, 3.0f, 4.0f, 270.0f, LoadCase::impact};
  p.lineLoads[2] = {5.0f, 5.0f, 5.0f, 90.0f, LoadCase::soil};  // beyond the count: left alone
  ChangeSystem(p, kSI);
  EXPECT_EQ(p.lineLoads[1], (LineLoad{19.62f, 3.0f, 4.0f, 270.0f, LoadCase::impact}));
  EXPECT_EQ(p.lineLoads[2].load, 5.0f);
  ChangeSystem(p, kBritish);
  EXPECT_EQ(p.lineLoads[1].x, 9.84f);
  EXPECT_EQ(p.lineLoads[1].load, 1.34f);  // 19.62 / (0.454 x 9.81) / (1 / 0.3048)
  EXPECT_EQ(p.backfillFrictionAngle, 30.0f);
  EXPECT_EQ(p.concretePoisson, 0.17f);
  EXPECT_EQ(p.seismicCoefficient, 0.15f);
  EXPECT_EQ(p.surchargeLoadCase, LoadCase::live);
  EXPECT_EQ(p.pageMarginA, 25);
}

TEST(ConvertUnits, UserBarSizesFollowTheCoverFactor) {
  ProjectData p = DefaultProject();
  p.userReinforcement = true;
  p.barDiameters[1] = 1.6f;
  p.barPitches[1] = 20.0f;
  ChangeSystem(p, kSI);  // centimetres in both: unchanged
  EXPECT_EQ(p.barDiameters[1], 1.6f);
  ChangeSystem(p, kBritish);
  EXPECT_EQ(p.barDiameters[1], 0.63f);
  EXPECT_EQ(p.barPitches[1], 7.874f);
}

TEST(ConvertUnits, OverflowLeavesTheProjectInItsOldSystem) {
  ProjectData p = DefaultProject();
  p.lineLoadCount = 1;
  p.lineLoads[1].load = 3.0e38f;
  const ProjectData before = p;
  p.unitSystem = kSI;
  EXPECT_THROW(ConvertUnits(p, kMetric), UnitConversionError);
  EXPECT_EQ(p, before);
}

TEST(ConversionFactors, EveryPairIsTheInverseOfItsReverse) {
  for (const UnitSystem from : kUnitSystems) {
    for (const UnitSystem to : kUnitSystems) {
      const ConversionFactors a = ConversionFactorsFor(from, to);
      const ConversionFactors b = ConversionFactorsFor(to, from);
      EXPECT_DOUBLE_EQ(a.length * b.length, 1.0);
      EXPECT_DOUBLE_EQ(a.cover * b.cover, 1.0);
      EXPECT_DOUBLE_EQ(a.force * b.force, 1.0);
      EXPECT_DOUBLE_EQ(a.pressure * b.pressure, 1.0);
    }
  }
  // The stress factors of British to and from SI use the millimetre inch: not inverses of the
  // Metric ones, but each pair is still consistent with itself.
  EXPECT_DOUBLE_EQ(ConversionFactorsFor(kSI, kBritish).stress *
                       ConversionFactorsFor(kBritish, kSI).stress, 1.0);
}
