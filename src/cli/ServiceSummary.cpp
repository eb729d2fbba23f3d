// SPDX-License-Identifier: GPL-3.0-or-later
// The readable summary of the service analysis, built from the shared stability texts.
#include "cli/ServiceSummary.h"

#include "engine/GlobalStabilityTexts.h"
#include "engine/StabilityTexts.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

// Width on a terminal: UTF-8 continuation bytes take no column (Σ and σ are two bytes).
std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++columns;
  }
  return columns;
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return columns >= width ? text : text + std::string(width - columns, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return columns >= width ? text : std::string(width - columns, ' ') + text;
}

}  // namespace

std::string ServiceSummaryText(const ProjectData& project, const AnalysisResults& results,
                               const GlobalStabilityResults& global,
                               const std::vector<std::string>& messages) {
  const StabilityResults& s = results.stability;
  std::string out;
  for (const std::string& message : messages) out += "Message: " + message + "\n";
  out += "Stability (" + std::string(UnitSystemName(project.unitSystem)) + " units)";
  if (!project.projectTitle.empty()) out += ": " + project.projectTitle;
  out += "\n";

  for (const StabilityGroup& group :
       StabilityGroups(s, project.unitSystem, StabilityTextStyle::dialog)) {
    out += "\n" + group.caption + "\n";
    for (const StabilityLine& line : group.lines) {
      if (line.Caption().empty()) {  // the comparison line stands on its own
        out += "  " + line.value + " " + line.unit + "\n";
        continue;
      }
      out += "  " + PadRight(line.Caption(), 40) + PadLeft(line.value, 16);
      if (!line.unit.empty()) out += " " + line.unit;
      out += "\n";
    }
  }
  out += "\nGlobal stability (Bishop's simplified method):\n";
  for (const GlobalStabilityLine& line : GlobalStabilityLines(global, project.unitSystem)) {
    out += "  " + PadRight(line.caption.substr(2), 40) + PadLeft(line.value, 16);
    if (!line.unit.empty()) out += " " + line.unit;
    out += "\n";
  }
  out += "\nNote:\n";
  for (const std::string& note : StabilityNotes(s, project.unitSystem, StabilityTextStyle::dialog)) {
    out += "  " + note + "\n";
  }
  if (GlobalStabilityNoteApplies(s, global)) {
    out += "  " + std::string(kNoteMarker) + kGlobalStabilityNote + "\n";
  }
  const StabilityVerdict verdict = StabilityVerdictText(s);
  out += "\n" + verdict.headline + "\n" + verdict.detail + "\n";
  return out;
}

}  // namespace kelvadrome
