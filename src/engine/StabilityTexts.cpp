// SPDX-License-Identifier: GPL-3.0-or-later
// The texts derived from the stability results, shared by every display of them.
#include "engine/StabilityTexts.h"

#include <cmath>

#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

// |e| and the base width fractions, in the single precision the results are stored in.
float AbsEccentricity(const StabilityResults& s) { return std::fabs(s.eccentricity); }
float BaseFraction(const StabilityResults& s, int divisor) {
  return static_cast<float>(double(s.baseWidthUsed) / divisor);
}

std::string Comparison(const StabilityResults& s, int divisor) {
  const float limit = BaseFraction(s, divisor);
  return std::string(AbsEccentricity(s) < limit ? "< " : "> ") +
         FormatNumber(s.baseWidthUsed, "#0.#0") + "/" + std::to_string(divisor) + " = " +
         FormatNumber(limit, "#0.#0");
}

std::string PressureWidthPercent(const StabilityResults& s) {
  return FormatNumber(double(s.contactWidth) / s.baseWidthUsed * 100, "#0.0");
}

StabilityLine Line(std::string caption, std::string subscript, std::string captionEnd,
                   std::string value, std::string unit) {
  return {std::move(caption), std::move(subscript), std::move(captionEnd), std::move(value),
          std::move(unit)};
}

}  // namespace

std::string EccentricityComparisonText(const StabilityResults& s) {
  return Comparison(s, 6) + ", " + Comparison(s, 3);
}

std::string ResultantPositionText(const StabilityResults& s) {
  const float e = AbsEccentricity(s);
  if (e <= BaseFraction(s, 6)) return "In middle third, ";
  if (e <= BaseFraction(s, 2)) return "Within base, ";
  return "Outside base, ";
}

StabilityVerdict StabilityVerdictText(const StabilityResults& s) {
  StabilityVerdict v;
  v.stable = s.wallStable;
  if (!s.wallStable) {
    v.headline = "NOT STABLE";
    v.detail = std::string("Pressure SF = ") + kNotApplicable + ". " + "Sliding SF = " +
               kNotApplicable + ". ";
    return v;
  }
  v.headline = "STABLE";
  v.detail = "Pressure SF = " + FormatNumber(s.pressureSafetyFactor, "#0.#0") + ". " +
             "Sliding SF = " + FormatNumber(s.slidingSafetyFactor, "#0.#0") + ". " +
             ResultantPositionText(s) + PressureWidthPercent(s) + "%.";
  return v;
}

std::vector<std::string> StabilityNotes(const StabilityResults& s, UnitSystem unitSystem,
                                        StabilityTextStyle style) {
  std::vector<std::string> notes;
  const auto add = [&notes](const std::string& text) { notes.push_back(kNoteMarker + text); };
  add("Per 1 " + UnitLabel(UnitQuantity::length, unitSystem) + " of wall length.");
  if (!s.wallStable) {
    // The safety factors of a wall that is not stable are those of an earlier run: no notes.
    add(style == StabilityTextStyle::dialog
            ? "The structure is not stable therefore the base and sliding are not applicable."
            : "The structure is not stable therefore the base, sliding and anchor values are "
              "not applicable.");
    return notes;
  }
  if (s.pressureSafetyFactor > 0 && s.pressureSafetyFactor < 1) {
    add("The base pressure safety factor is less than unity.");
  }
  if (s.slidingSafetyFactor > 0 && s.slidingSafetyFactor < 1) {
    add("The sliding safety factor is less than unity.");
  }
  // With partial contact the linear distribution would put the lifted part in tension.
  if (s.contactWidth < s.baseWidthUsed) {
    add("Part of the base is in tension, allowable tension pressure shall be checked.");
  }
  const BearingResults& b = s.bearing;
  if (b.computed && !b.hasResistance) {
    add("The base has no bearing resistance under this load.");
  } else if (b.computed && b.safetyFactor < 1) {
    add("The bearing safety factor is less than unity.");
  }
  return notes;
}

std::vector<StabilityGroup> StabilityGroups(const StabilityResults& s, UnitSystem unitSystem,
                                            StabilityTextStyle style) {
  const bool report = style == StabilityTextStyle::report;
  const std::string dash = report ? "- " : "";
  const std::string force = UnitLabel(UnitQuantity::force, unitSystem);
  const std::string length = UnitLabel(UnitQuantity::length, unitSystem);
  const std::string pressure = UnitLabel(UnitQuantity::pressure, unitSystem);
  const std::string moment = force + length;  // Tm, kNm or Kipft
  const auto number = [](double value) { return FormatNumber(value, "#0.#0"); };
  // Base pressure and sliding values exist only for a stable wall.
  const auto checked = [&s](std::string text) {
    return s.wallStable ? text : std::string(kNotApplicable);
  };

  std::vector<StabilityGroup> groups;
  groups.push_back({"External forces:",
                    {Line(dash + "Horizontal force (ΣH) =", "", "", number(s.sumHorizontal), force),
                     Line(dash + "Vertical force (ΣV) =", "", "", number(s.sumVertical), force),
                     Line(dash + "Moment at overturning point (ΣM", "o", ") =",
                          number(s.sumMoment), moment),
                     Line(dash + "Moment at midbase (ΣM", "c", ") =", number(s.eccentricMoment),
                          moment)}});
  groups.push_back({"Excentricities:",
                    {Line(dash + "At overturning point (e", "o", ") =", number(s.resultantX),
                          length),
                     Line(dash + "At midbase (e", "c", ") =", number(s.eccentricity), length),
                     Line("", "", "", EccentricityComparisonText(s), length)}});

  StabilityLine left = Line(dash + (report ? "Left (σ" : "Left(σ"), "1", ") =",
                            checked(number(s.toePressure)), pressure);
  StabilityLine right = Line(dash + "Right (σ", "2", ") =", checked(number(s.heelPressure)),
                             pressure);
  StabilityLine pressureSafety = Line(dash + "Safety factor =", "", "",
                                      checked(number(s.pressureSafetyFactor)), "");
  StabilityLine width = Line(dash + "Pressure width =", "", "", checked(PressureWidthPercent(s)),
                             "%");
  groups.push_back({"Base pressures:", report ? std::vector{left, right, width, pressureSafety}
                                              : std::vector{left, right, pressureSafety, width}});
  groups.push_back({"Sliding:",
                    {Line(dash + "Sliding force =", "", "", checked(number(s.slidingForce)), force),
                     Line(dash + "Resisting force =", "", "", checked(number(s.resistingForce)),
                          force),
                     Line(dash + "Safety factor =", "", "",
                          checked(number(s.slidingSafetyFactor)), "")}});
  groups.push_back({"Overturning:",
                    {Line(dash + "Safety factor =", "", "", number(s.overturningSafetyFactor),
                          "")}});
  // Shown whenever the bearing check ran; "N/A" when it could not (ΣV <= 0, not stable).
  const BearingResults& b = s.bearing;
  const auto bearing = [&b, &number](double value) {
    return b.computed ? number(value) : std::string(kNotApplicable);
  };
  groups.push_back({"Bearing resistance:",
                    {Line(dash + "Effective width B' =", "", "", bearing(b.effectiveWidth), length),
                     Line(dash + "Ultimate pressure q", "ult", " =", bearing(b.ultimatePressure),
                          pressure),
                     Line(dash + "Safety factor =", "", "", bearing(b.safetyFactor), "")}});
  return groups;
}

}  // namespace kelvadrome
