// SPDX-License-Identifier: GPL-3.0-or-later
// The readable concrete design table: one line per quantity, one column per design column.
#include "cli/DesignSummary.h"

#include <functional>

#include "engine/DesignDisplay.h"
#include "engine/DesignWarnings.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

constexpr const char* kGeneral = "#0.#0";
constexpr const char* kPercent = "0.#0%";
constexpr std::size_t kCaptionWidth = 26;
constexpr std::size_t kUnitWidth = 9;
constexpr std::size_t kCellWidth = 11;

std::string Pad(const std::string& text, std::size_t width, bool right) {
  std::size_t columns = 0;  // UTF-8 continuation bytes take no column
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (columns >= width) return text + " ";
  const std::string fill(width - columns, ' ');
  return right ? fill + text : text + fill;
}

class Table {
 public:
  explicit Table(std::string& out) : out_(out) {}

  // One value per column; cell gives the text of column c (1..6).
  void Row(const std::string& caption, const std::string& unit, const std::function<std::string(int)>& cell) {
    out_ += "  " + Pad(caption, kCaptionWidth, false) + Pad(unit, kUnitWidth, false);
    for (int c = 1; c <= kDesignColumnCount; ++c) out_ += Pad(cell(c), kCellWidth, true);
    out_ += "\n";
  }

  // One value per section, shown under the section's "M-" column.
  void SectionRow(const std::string& caption, const std::string& unit, const SectionValues& values) {
    Row(caption, unit, [&](int c) { return c % 2 == 1 ? FormatNumber(values[SectionOfColumn(c)], kGeneral) : ""; });
  }

 private:
  std::string& out_;
};

std::string Available(bool available, double value, const char* pattern) {
  return available ? FormatNumber(value, pattern) : "N/A";
}

std::string WarningsText(const DesignResults& d, int c) {
  const ColumnWarnings w = ColumnWarningsOf(d, c);
  std::string text;
  const auto add = [&](bool on, const char* what) {
    if (!on) return;
    if (!text.empty()) text += ',';
    text += what;
  };
  add(w.capacityBelowMoment, "Mu<M");
  add(w.ratioBelowMinimum, "ρ<ρmin");
  add(w.ratioAboveBalanced, "ρ>0.75ρb");
  add(w.crackZAboveLimit, "z>zmax");
  if (c % 2 == 1) add(ShearCapacityBelowShear(d, SectionOfColumn(c)), "Vu<V");
  return text.empty() ? "-" : text;
}

}  // namespace

std::string DesignSummaryText(const ProjectData& p, const DesignResults& d) {
  const UnitSystem u = p.unitSystem;
  const std::string force = UnitLabel(UnitQuantity::force, u);
  const std::string moment = force + UnitLabel(UnitQuantity::length, u);
  const std::string section = UnitLabel(UnitQuantity::sectionLength, u);
  const std::string bar = UnitLabel(UnitQuantity::barDiameter, u);
  const std::string perLength = ForcePerLengthLabel(u);

  std::string out = "\nConcrete design (ACI 318)\n";
  if (!d.completed) {
    out += "  The design did not run to its end: not stable with the factored loads.\n";
    return out;
  }
  Table t(out);
  out += "  " + Pad("", kCaptionWidth + kUnitWidth, false);
  for (const char* heading : {"Stem M-", "Stem M+", "Toe M-", "Toe M+", "Heel M-", "Heel M+"})
    out += Pad(heading, kCellWidth, true);
  out += "\nFlexure\n";
  const auto value = [](const ColumnValues& v) {
    return [values = &v](int c) { return FormatNumber((*values)[c], kGeneral); };
  };
  t.Row("Moment, M", moment, value(d.colMoment));
  t.Row("Compression, N", force, value(d.colNormal));
  t.Row("Height, h", section, [&](int c) { return FormatNumber(DisplaySectionLength(d.colHeight[c], u), kGeneral); });
  t.Row("Moment capacity, Mu", moment, [&](int c) {
    return Available(d.available[c].momentCapacity, d.colMomentCapacity[c], kGeneral);
  });
  t.Row("Required rebar, Asreq", section + "²", [&](int c) {
    return Available(d.available[c].requiredArea, DisplaySectionArea(d.colRequiredArea[c], u), kGeneral);
  });
  t.Row("Effective diameter", bar, [&](int c) { return FormatNumber(DisplayBarSize(p.barDiameters[c], u), kGeneral); });
  t.Row("Pitch", bar, [&](int c) { return FormatNumber(DisplayBarSize(p.barPitches[c], u), kGeneral); });
  t.Row("Area, As", section + "²", [&](int c) {
    return Available(d.available[c].steelArea, DisplaySectionArea(d.colSteelArea[c], u), kGeneral);
  });
  t.Row("Ratio, ρ", "", [&](int c) { return Available(d.available[c].steelRatio, d.colSteelRatio[c], kPercent); });
  out += "Crack control\n";
  t.Row("Moment, M", moment, value(d.colServiceMoment));
  t.Row("Normal, N", force, value(d.colServiceNormal));
  t.Row("Distribution, z", perLength, [&](int c) { return Available(d.available[c].crackZ, d.colCrackZ[c], kGeneral); });
  out += "Shear\n";
  t.SectionRow("Shear, V", force, d.sectionDesignShear);
  t.SectionRow("Compression, N", force, d.sectionShearNormal);
  t.SectionRow("Shear capacity, Vu", force, d.sectionShearCapacity);
  t.Row("Warning", "", [&](int c) { return WarningsText(d, c); });

  out += "Note: Width (b) = " + std::string(u == kBritish ? "12 in" : (u == kSI ? "1000 mm" : "100 cm")) + ", ρb = " +
         FormatNumber(d.balancedRatio, kPercent) + ", zmax = " + FormatNumber(d.crackZLimit, "#0 ") + perLength + "\n";
  return out;
}

}  // namespace kelvadrome
