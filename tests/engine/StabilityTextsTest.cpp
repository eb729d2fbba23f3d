// SPDX-License-Identifier: GPL-3.0-or-later
// The texts derived from the stability results: comparison line, verdict, notes and the
// labelled lines of the stability dialog and the report.
#include <gtest/gtest.h>

#include "ServiceTestSupport.h"
#include "engine/StabilityTexts.h"
#include "format/NumberFormat.h"

namespace kelvadrome {
namespace {

StabilityResults StableWall(float eccentricity) {
  StabilityResults s;
  s.wallStable = true;
  s.baseWidthUsed = 7.2f;
  s.eccentricity = eccentricity;
  s.contactWidth = 7.2f;
  s.pressureSafetyFactor = 2.1449f;
  s.slidingSafetyFactor = 1.5f;
  s.overturningSafetyFactor = 3.0f;
  return s;
}

// At |e| = B/6 exactly the dialog says "> " (strict <) while the verdict says middle third (<=);
// beyond half the base the resultant lies outside it.
TEST(StabilityTexts, EccentricityComparisonAndPosition) {
  struct Case {
    float width, eccentricity;
    const char *comparison, *position;
  };
  for (const Case c : {Case{7.2f, 0.5f, "< 7.20/6 = 1.20, < 7.20/3 = 2.40", "In middle third, "},
                       Case{7.2f, -2.0f, "> 7.20/6 = 1.20, < 7.20/3 = 2.40", "Within base, "},
                       Case{7.2f, 3.0f, "> 7.20/6 = 1.20, > 7.20/3 = 2.40", "Within base, "},
                       Case{7.2f, 3.6f, "> 7.20/6 = 1.20, > 7.20/3 = 2.40", "Within base, "},
                       Case{7.2f, -3.7f, "> 7.20/6 = 1.20, > 7.20/3 = 2.40", "Outside base, "},
                       Case{6.0f, 1.0f, "> 6.00/6 = 1.00, < 6.00/3 = 2.00", "In middle third, "}}) {
    StabilityResults s = StableWall(c.eccentricity);
    s.baseWidthUsed = s.contactWidth = c.width;
    EXPECT_EQ(EccentricityComparisonText(s), c.comparison) << c.eccentricity;
    EXPECT_EQ(ResultantPositionText(s), c.position) << c.eccentricity;
  }
}

TEST(StabilityTexts, Verdict) {
  StabilityResults s = StableWall(-2.0f);
  s.contactWidth = 4.5f;
  StabilityVerdict v = StabilityVerdictText(s);
  EXPECT_TRUE(v.stable);
  EXPECT_EQ(v.headline, "STABLE");
  EXPECT_EQ(v.detail, "Pressure SF = 2.14. Sliding SF = 1.50. Within base, 62.5%.");

  s.eccentricity = 0.3f;
  s.contactWidth = 7.2f;
  s.slidingSafetyFactor = 1e10f;
  v = StabilityVerdictText(s);
  EXPECT_EQ(v.detail, "Pressure SF = 2.14. Sliding SF = 10000000000.00. In middle third, 100.0%.");

  s.wallStable = false;
  v = StabilityVerdictText(s);
  EXPECT_EQ(v.headline, "NOT STABLE");
  EXPECT_EQ(v.detail, "Pressure SF = N/A. Sliding SF = N/A. ");
}

TEST(StabilityTexts, Notes) {
  StabilityResults s = StableWall(0.1f);
  EXPECT_EQ(StabilityNotes(s, kMetric, StabilityTextStyle::dialog),
            std::vector<std::string>{"»Per 1 m of wall length."});
  EXPECT_EQ(StabilityNotes(s, kBritish, StabilityTextStyle::dialog).front(),
            "»Per 1 ft of wall length.");

  s.pressureSafetyFactor = 0.8f;
  s.slidingSafetyFactor = 0.7f;
  s.contactWidth = 5.0f;
  const std::vector<std::string> all{
      "»Per 1 m of wall length.", "»The base pressure safety factor is less than unity.",
      "»The sliding safety factor is less than unity.",
      "»Part of the base is in tension, allowable tension pressure shall be checked."};
  EXPECT_EQ(StabilityNotes(s, kMetric, StabilityTextStyle::dialog), all);

  // A wall that is not stable shows no notes from safety factors of an earlier run.
  s.wallStable = false;
  EXPECT_EQ(StabilityNotes(s, kMetric, StabilityTextStyle::dialog),
            (std::vector<std::string>{
                "»Per 1 m of wall length.",
                "»The structure is not stable therefore the base and sliding are not applicable."}));
}

// The groups carry the formatted results in their places and the units of the system chosen.
TEST(StabilityTexts, DialogGroups) {
  ProjectData p = test::DefaultProject();
  const test::ServiceRun run = test::Analyse(p);
  const StabilityResults& s = run.results.stability;
  const std::vector<StabilityGroup> groups = StabilityGroups(s, kMetric, StabilityTextStyle::dialog);
  ASSERT_EQ(groups.size(), 6u);
  EXPECT_EQ(groups[kBearingGroup].lines[2].value, FormatNumber(s.bearing.safetyFactor, "#0.#0"));
  EXPECT_EQ(groups[0].lines[2].Caption(), "Moment at overturning point (ΣMo) =");  // subscript joined in
  EXPECT_EQ(groups[0].lines[2].unit, "Tm");
  EXPECT_EQ(groups[0].lines[1].value, FormatNumber(s.sumVertical, "#0.#0"));
  EXPECT_EQ(groups[1].lines[2].value, EccentricityComparisonText(s));
  EXPECT_EQ(groups[3].lines[2].value, FormatNumber(s.slidingSafetyFactor, "#0.#0"));
  EXPECT_EQ(groups[4].lines[0].value, FormatNumber(s.overturningSafetyFactor, "#0.#0"));

  const std::vector<StabilityGroup> report = StabilityGroups(s, kSI, StabilityTextStyle::report);
  EXPECT_EQ(report[2].lines[0].Caption(), "- Left (σ1) =");
  EXPECT_EQ(report[0].lines[3].unit, "kNm");
  EXPECT_EQ(report[kBearingGroup].lines[0].Caption(), "- Effective width B' =");
}

// The base and sliding values read "N/A" for a wall that is not stable (checked by its dialog);
// the eccentricity and the overturning are shown for every wall.
TEST(StabilityTexts, NotStableStillShowsOverturning) {
  StabilityResults s = StableWall(4.0f);
  s.wallStable = false;
  s.overturningSafetyFactor = 0.5f;
  const std::vector<StabilityGroup> groups = StabilityGroups(s, kMetric, StabilityTextStyle::dialog);
  EXPECT_EQ(groups[1].lines[1].value, "4.00");
  EXPECT_EQ(groups[4].lines[0].value, "0.50");
}

}  // namespace
}  // namespace kelvadrome
