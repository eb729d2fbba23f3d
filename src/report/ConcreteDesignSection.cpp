// SPDX-License-Identifier: GPL-3.0-or-later
// Concrete 4/4: the design table of the six design columns (stem, toe and heel, each with its
// M- and M+ face): forces, balanced section, reinforcement, crack control, shear, the remarks on
// the design strip and the warnings of each column.
#include <QString>

#include <array>
#include <string>
#include <vector>

#include "engine/DesignResults.h"
#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "model/Units.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

constexpr double kPitch = 225;
constexpr double kGroupX = 240;
constexpr double kRowX = 480;
constexpr double kUnitX = 2300;
constexpr double kFirstColumnRight = 3650;
constexpr double kColumnWidth = 700;
constexpr double kRemarkX = 7300;
constexpr double kTableRight = 9115;
constexpr double kRuleAbove = 35;

double ColumnRight(int column) { return kFirstColumnRight + kColumnWidth * (column - 1); }
double ColumnCentre(int column) { return ColumnRight(column) - kColumnWidth / 2 + 80; }
double SectionCentre(int section) { return (ColumnCentre(2 * section - 1) + ColumnCentre(2 * section)) / 2; }

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Number(double value, const char* pattern = "#0.#0") { return Text(FormatNumber(value, pattern)); }

// The display conversions of the reinforcement window: SI heights in mm and areas in mm², bar
// sizes in mm for Metric and SI.
double ShownHeight(float value, UnitSystem units) { return units == kSI ? double(value) * 10 : value; }
double ShownArea(float value, UnitSystem units) { return units == kSI ? double(value) * 100 : value; }
double ShownBar(float value, UnitSystem units) { return units == kBritish ? double(value) : double(value) * 10; }

struct Labels {
  QString force, moment, section, area, bar, forcePerLength;
};

Labels LabelsFor(UnitSystem units) {
  const QString force = Text(UnitLabel(UnitQuantity::force, units));
  const QString section = Text(UnitLabel(UnitQuantity::sectionLength, units));
  return {force, force + Text(UnitLabel(UnitQuantity::length, units)), section, section + QStringLiteral("²"),
          Text(UnitLabel(UnitQuantity::barDiameter, units)), Text(ForcePerLengthLabel(units))};
}

// One row of six column values (or three section values spanning two columns each).
struct DesignRow {
  QString caption;
  QString unit;
  std::array<QString, kDesignColumnCount + 1> values{};  // 1..6
  bool perSection = false;
};

class DesignTable {
 public:
  DesignTable(ReportSheet& sheet, double top) : sheet_(sheet), y_(top) {}

  void Group(const QString& caption) {
    Next();
    Bold(true);
    PrintAt(sheet_, caption, kGroupX, y_);
    Bold(false);
  }

  void Row(const DesignRow& row) {
    Next();
    PrintAt(sheet_, QString(), kRowX, y_);
    PrintCaption(sheet_, row.caption);
    PrintAt(sheet_, QString(), kUnitX, y_);
    PrintCaption(sheet_, row.unit);
    for (int c = 1; c <= kDesignColumnCount; ++c) {
      if (row.perSection && c % 2 == 0) continue;
      const QString& value = row.values.at(static_cast<size_t>(c));
      if (row.perSection) {
        PrintCentred(sheet_, value, SectionCentre(SectionOfColumn(c)));
      } else {
        PrintRight(sheet_, value, ColumnRight(c));
      }
    }
  }

  // A line of captions written by the caller; returns its top.
  double NextLine() {
    Next();
    return y_;
  }
  void Rule() { PrintLine(sheet_, kGroupX, y_ + kPitch - kRuleAbove, kTableRight, y_ + kPitch - kRuleAbove); }
  [[nodiscard]] double Y() const { return y_; }

 private:
  void Next() { y_ += kPitch; }
  void Bold(bool bold) { SetReportBold(sheet_, bold); }

  ReportSheet& sheet_;
  double y_;
};

template <typename Value>
DesignRow ColumnRow(const QString& caption, const QString& unit, Value value) {
  DesignRow row{caption, unit};
  for (int c = 1; c <= kDesignColumnCount; ++c) row.values.at(static_cast<size_t>(c)) = value(c);
  return row;
}

DesignRow SectionRow(const QString& caption, const QString& unit, const SectionValues& values) {
  DesignRow row = ColumnRow(caption, unit, [&values](int c) { return Number(values.at(SectionOfColumn(c))); });
  row.perSection = true;
  return row;
}

// The warnings of one column, in their order; the shear warning belongs to the section and is
// written under its first column.
std::vector<QString> ColumnWarnings(const DesignResults& d, int c) {
  std::vector<QString> warnings;
  const auto i = static_cast<size_t>(c);
  const size_t pair = c % 2 == 1 ? i + 1 : i - 1;
  if (d.colMomentCapacity[i] < d.colMoment[i]) warnings.push_back(QStringLiteral("M_{u} < M"));
  if (d.colSteelRatio[i] < d.minimumRatio && d.colSteelRatio[i] + d.colSteelRatio[pair] < d.colRatioLimit[i]) {
    warnings.push_back(QStringLiteral("ρ < ρ_{min}"));
  }
  if (0.75 * double(d.balancedRatio) < d.colSteelRatio[i]) warnings.push_back(QStringLiteral("ρ > 0.75ρ_{b}"));
  if (d.colCrackZ[i] > d.crackZLimit) warnings.push_back(QStringLiteral("z > z_{max}"));
  const int s = SectionOfColumn(c);
  if (c % 2 == 1 && d.sectionShearCapacity.at(static_cast<size_t>(s)) < d.sectionDesignShear.at(static_cast<size_t>(s))) {
    warnings.push_back(QStringLiteral("V_{u} < V"));
  }
  return warnings;
}

void PrintHeader(ReportSheet& sheet, DesignTable& table) {
  SetReportBold(sheet, true);
  sheet.currentY = table.NextLine();
  static const std::array<QString, 3> kNames{QStringLiteral("Stem"), QStringLiteral("Toe"), QStringLiteral("Heel")};
  for (int s = 1; s <= kDesignSectionCount; ++s) PrintCentred(sheet, kNames.at(static_cast<size_t>(s - 1)), SectionCentre(s));
  const double y = table.NextLine();
  PrintAt(sheet, QStringLiteral("Item"), kGroupX, y);
  PrintAt(sheet, QStringLiteral("Unit"), kUnitX, y);
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    sheet.currentY = y;
    PrintCentred(sheet, c % 2 == 1 ? QStringLiteral("M-") : QStringLiteral("M+"), ColumnCentre(c));
  }
  PrintAt(sheet, QStringLiteral("Remark"), kRemarkX, y);
  SetReportBold(sheet, false);
  table.Rule();
}

void PrintRemarks(ReportSheet& sheet, const ProjectData& project, const DesignResults& d, double top) {
  const UnitSystem units = project.unitSystem;
  // The strip is 1 m wide in Metric and SI, 12 in wide in British; SI writes it in millimetres.
  const char* strip = units == kMetric ? "100" : units == kSI ? "1000" : "12";
  PrintAt(sheet, QStringLiteral("Width (b) = ") + QString::fromLatin1(strip) + u' ' + LabelsFor(units).section,
          kRemarkX, top + kPitch);
  PrintAt(sheet, QString(), kRemarkX, top + 2 * kPitch);
  PrintCaption(sheet, QStringLiteral("ρ_{b} = ") + Number(d.balancedRatio, "0.#0%"));
  PrintAt(sheet, QString(), kRemarkX, top + 3 * kPitch);
  PrintCaption(sheet, QStringLiteral("z_{max} = ") + Number(d.crackZLimit, "#0 ") + LabelsFor(units).forcePerLength);
}

}  // namespace

void PrintConcreteDesignSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& d) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Concrete 4/4"), 10, 213.6 / 2);
  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);
  SetPenWidthMm(sheet, 0.1);
  SetPenColour(sheet, ClassicColour(0));

  const UnitSystem units = project.unitSystem;
  const Labels l = LabelsFor(units);
  const auto column = [](const ColumnValues& values, auto shown) {
    return [&values, shown](int c) { return Number(shown(values.at(static_cast<size_t>(c)))); };
  };
  const auto plain = [](float v) { return double(v); };
  const auto available = [&d](bool ColumnAvailability::*flag, int c, const QString& text) {
    return d.available.at(static_cast<size_t>(c)).*flag ? text : QStringLiteral("N/A");
  };

  const double top = sheet.sectionBodyTop + 320 - kPitch;
  DesignTable table(sheet, top);
  PrintHeader(sheet, table);
  PrintRemarks(sheet, project, d, table.Y());

  table.Group(QStringLiteral("Forces"));
  table.Row(ColumnRow(QStringLiteral("Moment, M"), l.moment, column(d.colMoment, plain)));
  table.Row(ColumnRow(QStringLiteral("Normal, N"), l.force, column(d.colNormal, plain)));
  table.Group(QStringLiteral("Balanced section"));
  table.Row(ColumnRow(QStringLiteral("Height, h"), l.section,
                      column(d.colHeight, [units](float v) { return ShownHeight(v, units); })));
  table.Row(ColumnRow(QStringLiteral("Moment capacity, M_{u}"), l.moment, [&](int c) {
    return available(&ColumnAvailability::momentCapacity, c, column(d.colMomentCapacity, plain)(c));
  }));
  table.Row(ColumnRow(QStringLiteral("Required rebar, A_{sreq}"), l.area, [&](int c) {
    return available(&ColumnAvailability::requiredArea, c,
                     column(d.colRequiredArea, [units](float v) { return ShownArea(v, units); })(c));
  }));
  table.Group(QStringLiteral("Reinforcement"));
  table.Row(ColumnRow(QStringLiteral("Effective diameter"), l.bar,
                      column(project.barDiameters, [units](float v) { return ShownBar(v, units); })));
  table.Row(ColumnRow(QStringLiteral("Pitch"), l.bar,
                      column(project.barPitches, [units](float v) { return ShownBar(v, units); })));
  table.Row(ColumnRow(QStringLiteral("Area, A_{s}"), l.area, [&](int c) {
    return available(&ColumnAvailability::steelArea, c,
                     column(d.colSteelArea, [units](float v) { return ShownArea(v, units); })(c));
  }));
  table.Row(ColumnRow(QStringLiteral("Ratio, ρ"), QString(), [&](int c) {
    return available(&ColumnAvailability::steelRatio, c,
                     Number(d.colSteelRatio.at(static_cast<size_t>(c)), "#0.#0%"));
  }));
  table.Group(QStringLiteral("Crack control"));
  table.Row(ColumnRow(QStringLiteral("Moment, M"), l.moment, column(d.colServiceMoment, plain)));
  table.Row(ColumnRow(QStringLiteral("Normal, N"), l.force, column(d.colServiceNormal, plain)));
  table.Row(ColumnRow(QStringLiteral("Distribution, z"), l.forcePerLength, [&](int c) {
    return available(&ColumnAvailability::crackZ, c, column(d.colCrackZ, plain)(c));
  }));
  table.Group(QStringLiteral("Shear"));
  table.Row(SectionRow(QStringLiteral("Shear, V"), l.force, d.sectionDesignShear));
  table.Row(SectionRow(QStringLiteral("Normal, N"), l.force, d.sectionShearNormal));
  table.Row(SectionRow(QStringLiteral("Shear capacity, V_{u}"), l.force, d.sectionShearCapacity));
  table.Rule();

  table.Group(QStringLiteral("Warning"));
  const double warningTop = table.Y();
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    double y = warningTop;
    for (const QString& warning : ColumnWarnings(d, c)) {
      PrintAt(sheet, QString(), ColumnRight(c) - kColumnWidth + 60, y);
      PrintCaption(sheet, warning);
      y += kPitch;
    }
  }
}

}  // namespace kelvadrome
