// SPDX-License-Identifier: GPL-3.0-or-later
// The properties editor window: seven groups of values with their symbols and units.
#include "ui/editors/frmProperties.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "model/ProjectData.h"
#include "model/Units.h"
#include "ui/editors/EditorLayout.h"

namespace kelvadrome {

namespace {

struct PropertyRow {
  float ProjectData::*field;
  const char* caption;  // rich text
  std::optional<UnitQuantity> unit;
};

using Q = UnitQuantity;
const std::array<PropertyRow, kPropertyCount> kRows{{
    {&ProjectData::concreteUnitWeight, "Unit weight (including<br>reinforcement):", Q::unitWeight},
    {&ProjectData::concreteStrength, "Compressive stress (f'<sub>c</sub>):", Q::stress},
    {&ProjectData::concreteModulus, "Elasticity modulus (E):", Q::modulus},
    {&ProjectData::concretePoisson, "Poisson's ratio (μ):", std::nullopt},
    {&ProjectData::steelYieldStress, "Yield stress (f<sub>y</sub>):", Q::stress},
    {&ProjectData::steelModulus, "Elasticity modulus (E):", Q::modulus},
    {&ProjectData::concreteCover, "Concrete cover:", Q::sectionLength},
    {&ProjectData::waterUnitWeight, "Unit weight (γ<sub>w</sub>):", Q::unitWeight},
    {&ProjectData::backfillUnitWeight, "Unit weight (γ)", Q::unitWeight},
    {&ProjectData::backfillDryDensity, "Dry density (γ<sub>d</sub>)", Q::unitWeight},
    {&ProjectData::backfillSaturatedDensity, "Saturated density (γ<sub>sat</sub>)", Q::unitWeight},
    {&ProjectData::backfillFrictionAngle, "Internal friction angle<br>(φ):", Q::angle},
    {&ProjectData::backfillCohesion, "Cohesion (c):", Q::stress},
    {&ProjectData::baseFrictionAngle, "Internal friction angle", Q::angle},
    {&ProjectData::baseCohesion, "Cohesion (c):", Q::stress},
    {&ProjectData::baseBearingCapacity, "Ultimate bearing<br>capacity (q<sub>d</sub>):", Q::stress},
    {&ProjectData::baseModulus, "Elasticity modulus (E):", Q::modulus},
    {&ProjectData::wallFrictionEarth, "Earth to earth:", Q::angle},
    {&ProjectData::wallFrictionConcrete, "Earth to concrete:", Q::angle},
    {&ProjectData::toeUnitWeight, "Unit weight (γ)", Q::unitWeight},
    {&ProjectData::toeDryDensity, "Dry density (γ<sub>d</sub>)", Q::unitWeight},
    {&ProjectData::toeSaturatedDensity, "Saturated density (γ<sub>sat</sub>)", Q::unitWeight},
    {&ProjectData::toeFrictionAngle, "Internal friction angle", Q::angle},
    {&ProjectData::toeCohesion, "Cohesion (c):", Q::stress},
    {&ProjectData::foundationUnitWeight, "Unit weight (γ)", Q::unitWeight},
    {&ProjectData::foundationSaturatedDensity, "Saturated density (γ<sub>sat</sub>)", Q::unitWeight},
}};

constexpr int kCoverIndex = 6;

// The groups of the window: heading, the indices shown in it from the top, column on the window.
struct PropertyGroup {
  const char* heading;
  std::vector<int> indices;
  int column;
};
const std::array<PropertyGroup, 7> kGroups{{
    {"Concrete or masonry", {0, 1, 2, 3}, 0},
    {"Reinforcement bar", {4, 5, 6}, 0},
    {"Water", {7}, 0},
    {"Backfill earth", {8, 9, 10, 11, 12}, 1},
    {"Base earth", {24, 25, 13, 14, 15, 16}, 1},
    {"Friction angle (δ)", {17, 18}, 2},
    {"Toe earth", {19, 20, 21, 22, 23}, 2},
}};

// The cover is held in centimetres in SI too but shown in millimetres there.
double CoverShownFactor(UnitSystem unitSystem) { return unitSystem == kSI ? 10.0 : 1.0; }

}  // namespace

bool PropertyMayBeZero(int index) {
  return (index >= 11 && index <= 14) || index == 17 || index == 18 || index == 22 || index == 23;
}

frmProperties::frmProperties(const ProjectData& project, QWidget* parent, Beeper beep)
    : QDialog(parent), guard_(new EntryGuard(this, std::move(beep))), unitSystem_(project.unitSystem) {
  setObjectName(QStringLiteral("frmProperties"));
  setWindowTitle(QStringLiteral("Kelvadrome: Properties"));
  setModal(true);

  std::array<QVBoxLayout*, 3> columns{};
  auto* columnsRow = new QHBoxLayout;
  for (auto& column : columns) {
    column = new QVBoxLayout;
    columnsRow->addLayout(column);
  }

  for (const PropertyGroup& group : kGroups) {
    auto* box = new QGroupBox(QString::fromUtf8(group.heading), this);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(0, 1);
    int line = 0;
    for (const int i : group.indices) {
      const PropertyRow& row = kRows[std::size_t(i)];
      double shown = project.*row.field;
      if (i == kCoverIndex) shown *= CoverShownFactor(project.unitSystem);
      const auto at = std::size_t(i);
      shownText_[at] = GeneralText(shown);
      txtValue_[at] = NewValueBox(this, QStringLiteral("txtValue_%1").arg(i), shownText_[at]);
      grid->addWidget(NewCaption(box, QString::fromUtf8(row.caption)), line, 0);
      grid->addWidget(txtValue_[at], line, 1);
      const QString unit = row.unit ? QString::fromStdString(UnitLabel(*row.unit, project.unitSystem)) : QString();
      grid->addWidget(NewUnitLabel(box, QStringLiteral("lblUnit_%1").arg(i), unit), line, 2);
      const bool mayBeZero = PropertyMayBeZero(i);
      guard_->Watch(txtValue_[at], [mayBeZero](double v) { return mayBeZero ? v >= 0 : v > 0; });
      ++line;
    }
    columns[std::size_t(group.column)]->addWidget(box);
  }
  for (auto* column : columns) column->addStretch(1);

  command1_ = NewCommandButton(this, QStringLiteral("Command1"), QStringLiteral("&Accept"));
  command2_ = NewCommandButton(this, QStringLiteral("Command2"), QStringLiteral("&Cancel"));
  guard_->SetCancelButton(command2_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columnsRow);
  layout->addLayout(CommandRow(command1_, command2_));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(command1_, &QPushButton::clicked, this, &frmProperties::Accept);
  connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
  CentreOver(this, parent);
}

void frmProperties::Accept() {
  if (guard_->ReadyToAccept()) accept();
}

void frmProperties::ApplyTo(ProjectData& project) const {
  for (int i = 0; i < kPropertyCount; ++i) {
    const auto at = std::size_t(i);
    // An untouched value stays exactly as stored (the cover's round trip through millimetres
    // could otherwise move its last bit).
    if (txtValue_[at]->text() == shownText_[at]) continue;
    const std::optional<double> value = guard_->AcceptedValue(txtValue_[at]);
    if (!value) continue;
    const double stored = i == kCoverIndex ? *value / CoverShownFactor(unitSystem_) : *value;
    project.*kRows[at].field = static_cast<float>(stored);
  }
}

}  // namespace kelvadrome
