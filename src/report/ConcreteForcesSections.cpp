// SPDX-License-Identifier: GPL-3.0-or-later
// Concrete 1/4 to 3/4: the bending moments, shearing forces and normal forces of the three
// design sections in every combination, with the envelope rows used for the design.
#include <QString>

#include <array>
#include <string>
#include <vector>

#include "engine/DesignResults.h"
#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "model/Units.h"
#include "report/ReportColumns.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

constexpr double kRowPitch = 280;
constexpr double kTableLeft = 240;
constexpr double kTableRight = 6237;
constexpr std::array<double, 3> kColumnCentre{3402, 4536, 5670};
constexpr double kHalfColumn = 567;
constexpr double kValueOffset = 283.5;  // values end this far right of their column's centre
constexpr double kUnitX = 6350.4;
constexpr double kRuleBelowText = 40;   // a row's rule sits just above the next row's text

// An extra row under the combinations: its caption and one value per section.
struct ExtraRow {
  QString caption;
  const SectionValues* values;
};

QString CaseValue(float value) {
  return value == 0 ? QStringLiteral("--") : QString::fromStdString(FormatNumber(value, "#0.#0"));
}

void PrintRow(ReportSheet& sheet, double y, const QString& caption, const std::array<QString, 3>& values) {
  sheet.currentX = kTableLeft;
  sheet.currentY = y;
  PrintText(sheet, caption);
  for (size_t s = 0; s < values.size(); ++s) PrintRight(sheet, values[s], kColumnCentre[s] + kValueOffset);
}

void PrintForcesTable(ReportSheet& sheet, const ProjectData& project, const QString& name, const QString& title,
                      const CaseTable& cases, const std::vector<ExtraRow>& extra, const QString& unit) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, name, 10, 213.6 / 2);

  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, true, false);
  const double top = sheet.sectionBodyTop + 320;
  PrintAt(sheet, title, kTableLeft, top);
  for (size_t s = 0; s < kColumnCentre.size(); ++s) {
    static const std::array<QString, 3> kNames{QStringLiteral("Stem"), QStringLiteral("Toe"), QStringLiteral("Heel")};
    PrintCentred(sheet, kNames[s], kColumnCentre[s]);
  }
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);

  double y = top;
  for (int k = 1; k <= kCombinationCount; ++k) {
    y += kRowPitch;
    PrintRow(sheet, y, QString::fromLatin1(kCombinationTexts.at(static_cast<size_t>(k))),
             {CaseValue(cases[kStemSection][k]), CaseValue(cases[kToeSection][k]), CaseValue(cases[kHeelSection][k])});
  }
  const double extraTop = y + kRowPitch;
  for (const ExtraRow& row : extra) {
    y += kRowPitch;
    std::array<QString, 3> values;
    for (size_t s = 0; s < values.size(); ++s) {
      values[s] = QString::fromStdString(FormatNumber((*row.values)[s + 1], "#0.#0"));
    }
    PrintRow(sheet, y, row.caption, values);
  }
  sheet.currentX = kUnitX;
  PrintText(sheet, QStringLiteral("Unit: ") + unit);

  // The grid: a rule under the heading, above the design rows and at the bottom; the columns.
  SetPenWidthMm(sheet, 0.1);
  SetPenColour(sheet, ClassicColour(0));
  const double first = top + kRowPitch - kRuleBelowText;
  const double last = y + kRowPitch - kRuleBelowText;
  PrintLine(sheet, kTableLeft, first, kTableRight, first);
  PrintLine(sheet, kTableLeft, extraTop - kRuleBelowText, kTableRight, extraTop - kRuleBelowText);
  PrintLine(sheet, kTableLeft, last, kTableRight, last);
  for (const double centre : kColumnCentre) {
    PrintLine(sheet, centre - kHalfColumn, top - kRuleBelowText, centre - kHalfColumn, last);
  }
  PrintLine(sheet, kTableRight, top - kRuleBelowText, kTableRight, last);
}

QString Force(const ProjectData& project) {
  return QString::fromStdString(UnitLabel(UnitQuantity::force, project.unitSystem));
}

QString CorrespondingN(const ProjectData& project) {
  return QStringLiteral("Coresponding N (") + Force(project) + u')';
}

}  // namespace

void PrintConcreteMomentsSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design) {
  const QString moment = Force(project) + QString::fromStdString(UnitLabel(UnitQuantity::length, project.unitSystem));
  PrintForcesTable(sheet, project, QStringLiteral("Concrete 1/4"), QStringLiteral("Bending moments"), design.caseMoment,
                   {{QStringLiteral("For design"), &design.envMinMoment},
                    {QStringLiteral("For design"), &design.envMaxMoment},
                    {CorrespondingN(project), &design.envMinMomentNormal},
                    {CorrespondingN(project), &design.envMaxMomentNormal},
                    {QStringLiteral("For z"), &design.serviceMoment}},
                   moment);
}

void PrintConcreteShearSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design) {
  PrintForcesTable(sheet, project, QStringLiteral("Concrete 2/4"), QStringLiteral("Shearing forces"), design.caseShear,
                   {{QStringLiteral("For design"), &design.envMaxShear},
                    {CorrespondingN(project), &design.envMaxShearNormal}},
                   Force(project));
}

void PrintConcreteNormalSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design) {
  PrintForcesTable(sheet, project, QStringLiteral("Concrete 3/4"), QStringLiteral("Normal forces"), design.caseNormal,
                   {{QStringLiteral("For z"), &design.serviceNormal}}, Force(project));
}

}  // namespace kelvadrome
