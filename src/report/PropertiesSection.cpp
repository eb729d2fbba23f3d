// SPDX-License-Identifier: GPL-3.0-or-later
// The Properties section: the material and soil properties in two columns.
#include <QString>

#include <array>
#include <string>

#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "model/Units.h"
#include "report/ReportColumns.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

enum class PropertyUnit { none, unitWeight, angle, stress, modulus, sectionLength };

struct PropertyRow {
  int offset;
  const char* caption;          // group captions have no value
  float ProjectData::*value;    // nullptr for a group caption
  const char* pattern;
  PropertyUnit unit;
};

// Left column: the three earths.
constexpr std::array<PropertyRow, 19> kLeftRows{{
    {0, "Backfill earth:", nullptr, "", PropertyUnit::none},
    {240, "- Unitweight (γ) =", &ProjectData::backfillUnitWeight, "#0.#0", PropertyUnit::unitWeight},
    {480, "- Dry density (γ_{d}) =", &ProjectData::backfillDryDensity, "#0.#0", PropertyUnit::unitWeight},
    {720, "- Saturated density (γ_{s}) =", &ProjectData::backfillSaturatedDensity, "#0.#0",
     PropertyUnit::unitWeight},
    {960, "- Internal friction angle (φ) =", &ProjectData::backfillFrictionAngle, "#0.0", PropertyUnit::angle},
    {1200, "- Cohesion (c) =", &ProjectData::backfillCohesion, "#0.#0", PropertyUnit::stress},
    {1680, "Base earth:", nullptr, "", PropertyUnit::none},
    {1920, "- Unitweight (γ) =", &ProjectData::foundationUnitWeight, "#0.#0", PropertyUnit::unitWeight},
    {2160, "- Saturated density (γ_{s}) =", &ProjectData::foundationSaturatedDensity, "#0.#0",
     PropertyUnit::unitWeight},
    {2400, "- Internal friction angle (φ) =", &ProjectData::baseFrictionAngle, "#0.0", PropertyUnit::angle},
    {2640, "- Cohesion (c) =", &ProjectData::baseCohesion, "#0.#0", PropertyUnit::stress},
    {2880, "- Ultimate bearing capacity (q_{d}) =", &ProjectData::baseBearingCapacity, "#0.#0",
     PropertyUnit::stress},
    {3120, "- Elasticity modulus (E) =", &ProjectData::baseModulus, "#0.#0", PropertyUnit::modulus},
    {3600, "Toe earth:", nullptr, "", PropertyUnit::none},
    {3840, "- Unitweight (γ) =", &ProjectData::toeUnitWeight, "#0.#0", PropertyUnit::unitWeight},
    {4080, "- Dry density (γ_{d}) =", &ProjectData::toeDryDensity, "#0.#0", PropertyUnit::unitWeight},
    {4320, "- Saturated density (γ_{s}) =", &ProjectData::toeSaturatedDensity, "#0.#0", PropertyUnit::unitWeight},
    {4560, "- Internal friction angle (φ) =", &ProjectData::toeFrictionAngle, "#0.0", PropertyUnit::angle},
    {4800, "- Cohesion (c) =", &ProjectData::toeCohesion, "#0.#0", PropertyUnit::stress},
}};

// Right column: water, wall friction, concrete and bars. The cover is handled apart (SI shows mm).
constexpr std::array<PropertyRow, 13> kRightRows{{
    {0, "Water:", nullptr, "", PropertyUnit::none},
    {240, "- Unit weight (γ_{w}) =", &ProjectData::waterUnitWeight, "#0.#0", PropertyUnit::unitWeight},
    {720, "Friction angle (δ):", nullptr, "", PropertyUnit::none},
    {960, "- Earth to earth =", &ProjectData::wallFrictionEarth, "#0.0", PropertyUnit::angle},
    {1200, "- Concrete to earth =", &ProjectData::wallFrictionConcrete, "#0.0", PropertyUnit::angle},
    {1680, "Concrete:", nullptr, "", PropertyUnit::none},
    {1920, "- Unit weight (incl. reinforcement) =", &ProjectData::concreteUnitWeight, "#0.#0",
     PropertyUnit::unitWeight},
    {2160, "", &ProjectData::concreteStrength, "#0", PropertyUnit::stress},  // written by hand below
    {2400, "- Elasticity modulus (E) =", &ProjectData::concreteModulus, "#0.#0", PropertyUnit::modulus},
    {2640, "- Poisson's ratio (μ) =", &ProjectData::concretePoisson, "#0.#0", PropertyUnit::none},
    {3120, "Reinforcement bars:", nullptr, "", PropertyUnit::none},
    {3360, "- Yield stress (f_{y}) =", &ProjectData::steelYieldStress, "#0", PropertyUnit::stress},
    {3600, "- Elasticity modulus (E) =", &ProjectData::steelModulus, "#0.#0", PropertyUnit::modulus},
}};

QString Label(UnitQuantity quantity, UnitSystem unitSystem) {
  return QString::fromStdString(UnitLabel(quantity, unitSystem));
}

QString UnitText(PropertyUnit unit, UnitSystem unitSystem) {
  switch (unit) {
    case PropertyUnit::unitWeight: return Label(UnitQuantity::unitWeight, unitSystem);
    case PropertyUnit::angle: return Label(UnitQuantity::angle, unitSystem);
    case PropertyUnit::stress: return Label(UnitQuantity::stress, unitSystem);
    case PropertyUnit::modulus: return QStringLiteral("×10^{5} ") + Label(UnitQuantity::stress, unitSystem);
    case PropertyUnit::sectionLength: return Label(UnitQuantity::sectionLength, unitSystem);
    case PropertyUnit::none: break;
  }
  return {};
}

template <size_t N>
void PrintRows(ReportSheet& sheet, const ProjectData& project, const std::array<PropertyRow, N>& rows,
               const ValueColumn& column, double top) {
  for (const PropertyRow& row : rows) {
    const double y = top + row.offset;
    if (row.value == nullptr) {
      PrintGroupCaption(sheet, column, y, QString::fromUtf8(row.caption));
    } else if (*row.caption != '\0') {
      PrintValueLine(sheet, column, y, QString::fromUtf8(row.caption),
                     QString::fromStdString(FormatNumber(project.*row.value, row.pattern)),
                     UnitText(row.unit, project.unitSystem));
    }
  }
}

// f'c: the subscript c is moved back under the prime.
void PrintConcreteStrength(ReportSheet& sheet, const ProjectData& project, const ValueColumn& column, double y) {
  PrintValueLine(sheet, column, y, QStringLiteral("- Compressive stress (f'"),
                 QString::fromStdString(FormatNumber(project.concreteStrength, "#0")),
                 Label(UnitQuantity::stress, project.unitSystem));
  sheet.currentX = column.captionX;
  sheet.currentX += CaptionWidth(sheet, QStringLiteral("- Compressive stress (f'"));
  sheet.currentX -= TextWidth(sheet, QStringLiteral("'"));
  PrintSubscript(sheet, QStringLiteral("c"));
  PrintText(sheet, QStringLiteral(") ="));
}

}  // namespace

void PrintPropertiesSection(ReportSheet& sheet, const ProjectData& project) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Properties"), 10);

  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 8 * sheet.reportScale, false, false);
  const double top = sheet.sectionBodyTop + 320;
  const double half = sheet.pageWidth / 2.0;
  const ValueColumn left{240, 3402, 3515.4};
  // The right column's longest caption ("- Unit weight (incl. reinforcement) =") needs a little more
  // room before its value than the left column's.
  const ValueColumn right{half, half + 3100, half + 3213.4};

  PrintRows(sheet, project, kLeftRows, left, top);
  PrintRows(sheet, project, kRightRows, right, top);
  PrintConcreteStrength(sheet, project, right, top + 2160);

  // The cover is held in centimetres in Metric and SI; SI shows millimetres.
  const double cover = project.unitSystem == kSI ? double(project.concreteCover) * 10 : project.concreteCover;
  PrintValueLine(sheet, right, top + 3840, QStringLiteral("- Concrete cover ="),
                 QString::fromStdString(FormatNumber(cover, "#0.0")),
                 Label(UnitQuantity::sectionLength, project.unitSystem));
}

}  // namespace kelvadrome
