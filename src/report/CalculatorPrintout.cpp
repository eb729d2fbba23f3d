// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the calculator's printout in the upper half of one sheet: inputs in two columns,
// the table of the five cases, then the pressure inclination and the water results.
#include "report/CalculatorPrintout.h"

#include <QPainter>
#include <QPagedPaintDevice>

#include <array>
#include <string>

#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "model/Units.h"
#include "report/ReportColumns.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

constexpr double kPitch = 240;

QString Label(UnitQuantity quantity, UnitSystem unitSystem) { return QString::fromStdString(UnitLabel(quantity, unitSystem)); }
QString ForcePerLength(UnitSystem unitSystem) { return QString::fromStdString(ForcePerLengthLabel(unitSystem)); }
QString Number(double value, const char* pattern) { return QString::fromStdString(FormatNumber(value, pattern)); }

struct InputLine {
  const char* caption;
  int unit;  // 0 unit weight, 1 angle, 2 stress, 3 length, 4 pressure, 5 none
};

constexpr std::array<InputLine, kCalcInputCount> kInputs{{
    {"- Wet density of soil (γ) =", 0},
    {"- Saturated density of soil (γ_{s}) =", 0},
    {"- Density of water (γ_{w}) =", 0},
    {"- Internal friction angle (φ) =", 1},
    {"- Cohesion (c) =", 2},
    {"- Soil slope (β) =", 1},
    {"- Wall friction angle (δ) =", 1},
    {"- Wall inclination (θ) =", 1},
    {"- Depth of soil (h) =", 3},
    {"- Depth of water table (h_{w}) =", 3},
    {"- Surcharge load (q) =", 4},
    {"- Hor. seismic coefficient (k_{h}) =", 5},
}};

QString InputUnit(int unit, UnitSystem unitSystem) {
  switch (unit) {
    case 0: return Label(UnitQuantity::unitWeight, unitSystem);
    case 1: return Label(UnitQuantity::angle, unitSystem);
    case 2: return Label(UnitQuantity::stress, unitSystem);
    case 3: return Label(UnitQuantity::length, unitSystem);
    case 4: return Label(UnitQuantity::pressure, unitSystem);
    default: return {};
  }
}

// One row of the case table: its caption, its unit and how to read its value from a case.
struct TableRow {
  const char* caption;
  int unit;  // 0 none, 1 pressure, 2 force per length, 3 length, -1 heading without values
  float CalculatorCaseResult::*value;
};

constexpr std::array<TableRow, 12> kRows{{
    {"- Pressure coefficient (K) =", 0, &CalculatorCaseResult::K},
    {"- Soil pressures (P):", -1, nullptr},
    {"  At top of wall =", 1, &CalculatorCaseResult::pTop},
    {"  At water table =", 1, &CalculatorCaseResult::pWt},
    {"  At bottom of wall =", 1, &CalculatorCaseResult::pBot},
    {"- Soil forces (F):", -1, nullptr},
    {"  Above water table =", 2, &CalculatorCaseResult::F1},
    {"   depth of resultant =", 3, &CalculatorCaseResult::z1},
    {"  Below water table =", 2, &CalculatorCaseResult::F2},
    {"   depth of resultant =", 3, &CalculatorCaseResult::z2},
    {"  Total =", 2, &CalculatorCaseResult::F},
    {"   depth of resultant =", 3, &CalculatorCaseResult::z},
}};

QString RowUnit(int unit, UnitSystem unitSystem) {
  switch (unit) {
    case 1: return Label(UnitQuantity::pressure, unitSystem);
    case 2: return ForcePerLength(unitSystem);
    case 3: return Label(UnitQuantity::length, unitSystem);
    default: return {};
  }
}

QString CaseValue(const CalculatorCaseResult& result, const TableRow& row, bool seismic) {
  if (!result.available) return QStringLiteral("N/A");
  const float value = result.*row.value;
  if (row.value == &CalculatorCaseResult::K) return Number(value, "#0.##0");
  // The seismic diagrams have two ordinates at the water table: end of the upper part and
  // start of the lower part.
  if (seismic && row.value == &CalculatorCaseResult::pWt) {
    return Number(value, "#0.#0") + u'/' + Number(result.pWt2, "#0.#0");
  }
  return Number(value, "#0.#0");
}

void PrintInputs(ReportSheet& sheet, const ProjectData& project, const CalculatorInputs& inputs, double top) {
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3685.5, 3798.9};
  const ValueColumn right{half, half + 3175, half + 3288.4};
  constexpr int kPerColumn = kCalcInputCount / 2;
  for (int i = 0; i < kCalcInputCount; ++i) {
    const InputLine& line = kInputs.at(static_cast<size_t>(i));
    PrintValueLine(sheet, i < kPerColumn ? left : right, top + kPitch * (i % kPerColumn),
                   QString::fromUtf8(line.caption), Number(inputs.at(static_cast<size_t>(i)), "#0.#0"),
                   InputUnit(line.unit, project.unitSystem));
  }
}

// Columns of the five cases: the right edge of each case's values.
constexpr std::array<double, kCalculatorCaseCount> kCaseRight{3900, 4950, 6000, 7050, 8100};
constexpr double kTableUnitX = 8213.4;

void PrintCaseTable(ReportSheet& sheet, const ProjectData& project, const CalculatorResults& results, double top) {
  const ValueColumn captions{240, 0, 0};
  const auto centre = [](size_t first, size_t last) { return (kCaseRight.at(first) + kCaseRight.at(last)) / 2 - 260; };
  sheet.currentY = top;
  SetReportBold(sheet, true);
  PrintCentred(sheet, QStringLiteral("Active"), centre(kCaseA1, kCaseA2));
  PrintCentred(sheet, QStringLiteral("Passive"), centre(kCaseP1, kCaseP2));
  PrintCentred(sheet, QStringLiteral("At rest"), centre(kCaseR, kCaseR));
  SetReportBold(sheet, false);
  sheet.currentY = top + kPitch;
  for (size_t c = 0; c < kCalculatorCaseCount - 1; ++c) {
    PrintRight(sheet, c % 2 == 0 ? QStringLiteral("Normal") : QStringLiteral("Seismic"), kCaseRight.at(c));
  }
  for (size_t r = 0; r < kRows.size(); ++r) {
    const TableRow& row = kRows.at(r);
    const double y = top + kPitch * static_cast<double>(r + 2);
    PrintValueLine(sheet, captions, y, QString::fromUtf8(row.caption), {}, {});
    if (row.unit < 0) continue;
    for (size_t c = 0; c < kCalculatorCaseCount; ++c) {
      const bool seismic = c == kCaseA2 || c == kCaseP2;
      PrintRight(sheet, CaseValue(results.cases.at(c), row, seismic), kCaseRight.at(c));
    }
    sheet.currentX = kTableUnitX;
    PrintText(sheet, RowUnit(row.unit, project.unitSystem));
  }
}

void PrintWaterResults(ReportSheet& sheet, const ProjectData& project, const CalculatorResults& results, double top) {
  const UnitSystem units = project.unitSystem;
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3685.5, 3798.9};
  const ValueColumn right{half, half + 3175, half + 3288.4};
  PrintValueLine(sheet, left, top, QStringLiteral("- Pressure inclination (θ + δ) ="),
                 Number(results.inclination, "#0.#0"), Label(UnitQuantity::angle, units));
  PrintValueLine(sheet, left, top + kPitch, QStringLiteral("- Water pressure at bottom (P_{w}) ="),
                 Number(results.waterPressure, "#0.#0"), Label(UnitQuantity::pressure, units));
  PrintValueLine(sheet, right, top, QStringLiteral("- Water force (F_{w}) ="), Number(results.waterForce, "#0.#0"),
                 ForcePerLength(units));
  PrintValueLine(sheet, right, top + kPitch, QStringLiteral("   depth of resultant ="),
                 Number(results.waterDepth, "#0.#0"), Label(UnitQuantity::length, units));
}

}  // namespace

bool PrintCalculatorPage(QPagedPaintDevice& device, const ProjectData& project, const CalculatorInputs& inputs,
                         const CalculatorResults& results, const ReportFonts& fonts) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  ReportSheet sheet(painter, device, fonts);
  BeginReport(sheet, project);
  sheet.pageHalf = 0;
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Calculator"), 10 * sheet.reportScale);

  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);
  const double top = sheet.sectionBodyTop + 320;
  PrintGroupCaption(sheet, ValueColumn{240, 0, 0}, top, QStringLiteral("SOIL PRESSURE"));
  PrintInputs(sheet, project, inputs, top + kPitch);
  PrintCaseTable(sheet, project, results, top + 8 * kPitch);
  PrintWaterResults(sheet, project, results, top + 23 * kPitch);
  painter.end();
  return true;
}

}  // namespace kelvadrome
