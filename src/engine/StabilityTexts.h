// SPDX-License-Identifier: GPL-3.0-or-later
// The texts derived from the stability results, shared by the stability dialog, the main
// window's verdict, the report and the command line: the eccentricity comparison line, the
// verdict, the notes and the labelled value lines. Plain UTF-8; numbers through FormatNumber.
#pragma once

#include <string>
#include <vector>

#include "engine/AnalysisResults.h"

namespace kelvadrome {

// The dialog and the report show the same values with slightly different captions, order and
// note wording.
enum class StabilityTextStyle { dialog, report };

inline constexpr const char* kNoteMarker = "»";
inline constexpr const char* kNotApplicable = "N/A";
inline constexpr std::size_t kBearingGroup = 5;

// "< 7.20/6 = 1.20, < 7.20/3 = 2.40": |e| against B/6 and B/3, strict, in single precision.
[[nodiscard]] std::string EccentricityComparisonText(const StabilityResults& stability);

// "In middle third, " (|e| <= B/6), "Within base, " (|e| <= B/2) or "Outside base, ".
[[nodiscard]] std::string ResultantPositionText(const StabilityResults& stability);

// The main window's two verdict lines.
struct StabilityVerdict {
  bool stable = false;
  std::string headline;  // "STABLE" or "NOT STABLE" (shown in red)
  std::string detail;    // "Pressure SF = 2.14. Sliding SF = 1.52. In middle third, 100.0%."
};
[[nodiscard]] StabilityVerdict StabilityVerdictText(const StabilityResults& stability);

// The notes, each starting with kNoteMarker: the per-length note, the not-stable note (worded
// for the dialog or the report), and for a stable wall the pressure and sliding safety factor
// notes below unity, the tension note when part of the base lifts, and the bearing note (no
// resistance at all, or a safety factor below unity).
[[nodiscard]] std::vector<std::string> StabilityNotes(const StabilityResults& stability,
                                                      UnitSystem unitSystem, StabilityTextStyle style);

// One labelled value line. The caption is split around its subscript so that a window or the
// report can lower it: "Moment at overturning point (ΣM" + "o" + ") =". Plain text is
// Caption().
struct StabilityLine {
  std::string caption;     // text before the subscript, Σ and σ as real characters
  std::string subscript;   // "o", "c", "1", "2" or empty
  std::string captionEnd;  // text after the subscript
  std::string value;       // formatted value, or "N/A"
  std::string unit;        // unit label, "%" or empty
  [[nodiscard]] std::string Caption() const { return caption + subscript + captionEnd; }
};

struct StabilityGroup {
  std::string caption;  // "External forces:", "Excentricities:", "Base pressures:", ...
  std::vector<StabilityLine> lines;
};

// Every group of the stability dialog (or the report section) with its values: external forces,
// eccentricities with the comparison line, base pressures, sliding, overturning and bearing
// resistance (in that order, kBearingGroup last). Base pressure and sliding values read "N/A"
// when the wall is not stable, the bearing values when the bearing check was not computed.
[[nodiscard]] std::vector<StabilityGroup> StabilityGroups(const StabilityResults& stability,
                                                          UnitSystem unitSystem,
                                                          StabilityTextStyle style);

}  // namespace kelvadrome
