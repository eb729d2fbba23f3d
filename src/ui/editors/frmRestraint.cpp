// SPDX-License-Identifier: GPL-3.0-or-later
// The restraint editor window.
#include "ui/editors/frmRestraint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ProjectData.h"
#include "model/Units.h"
#include "ui/editors/EditorLayout.h"

namespace kelvadrome {

frmRestraint::frmRestraint(const ProjectData& project, QWidget* parent, Beeper beep)
    : QDialog(parent), guard_(new EntryGuard(this, std::move(beep))) {
  setObjectName(QStringLiteral("frmRestraint"));
  setWindowTitle(QStringLiteral("Kelvadrome: Sliding restraints"));
  setModal(true);

  const auto check = [this](int index, const QString& caption, bool value) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QStringLiteral("Check1_%1").arg(index));
    box->setChecked(value);
    check1_[std::size_t(index)] = box;
    return box;
  };
  // Base friction and cohesion always count: a fixed tick beside a caption that stays readable.
  check(3, QString(), true)->setEnabled(false);
  auto* baseCaption = new QLabel(QStringLiteral("Base friction and cohesion"), this);
  check(0, QStringLiteral("Passive toe soil pressure"), project.toePassiveOption);
  check(1, QStringLiteral("Adjacent structure, anchors or piles"), project.restraintForceOption);
  check(2, QStringLiteral("Shear key"), project.shearKeyOption);

  const QString units[2] = {QString::fromStdString(ForcePerLengthLabel(project.unitSystem)),
                            QString::fromStdString(UnitLabel(UnitQuantity::length, project.unitSystem))};
  const float values[2] = {project.restraintForce, project.shearKeyDepth};
  for (std::size_t i = 0; i < 2; ++i) {
    txtValue_[i] = NewValueBox(this, QStringLiteral("txtValue_%1").arg(i), GeneralText(values[i]));
    lblUnit_[i] = NewUnitLabel(this, QStringLiteral("lblUnit_%1").arg(i), units[i]);
    guard_->Watch(txtValue_[i], [](double v) { return v >= 0; });
  }

  auto* grid = new QGridLayout;
  grid->setColumnMinimumWidth(0, 22);  // the values sit indented under their switch
  auto* baseRow = new QHBoxLayout;
  baseRow->setSpacing(0);
  baseRow->addWidget(check1_[3]);
  baseRow->addWidget(baseCaption, 1);
  grid->addLayout(baseRow, 0, 0, 1, 4);
  grid->addWidget(check1_[0], 1, 0, 1, 4);
  grid->addWidget(check1_[1], 2, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("Maximum horizontal load:"), this), 3, 1);
  grid->addWidget(txtValue_[0], 3, 2);
  grid->addWidget(lblUnit_[0], 3, 3);
  grid->addWidget(check1_[2], 4, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("Depth:"), this), 5, 1);
  grid->addWidget(txtValue_[1], 5, 2);
  grid->addWidget(lblUnit_[1], 5, 3);
  grid->setColumnStretch(3, 1);

  command1_ = NewCommandButton(this, QStringLiteral("Command1"), QStringLiteral("&Accept"));
  command2_ = NewCommandButton(this, QStringLiteral("Command2"), QStringLiteral("&Cancel"));
  guard_->SetCancelButton(command2_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(CommandRow(command1_, command2_));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (std::size_t i = 0; i < 3; ++i)
    connect(check1_[i], &QCheckBox::clicked, this, &frmRestraint::UpdateEnabledStates);
  connect(command1_, &QPushButton::clicked, this, &frmRestraint::Accept);
  connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
  UpdateEnabledStates();
  CentreOver(this, parent);
}

void frmRestraint::UpdateEnabledStates() {
  txtValue_[0]->setEnabled(check1_[1]->isChecked());
  txtValue_[1]->setEnabled(check1_[2]->isChecked());
}

void frmRestraint::Accept() {
  if (guard_->ReadyToAccept()) accept();
}

void frmRestraint::ApplyTo(ProjectData& project) const {
  project.toePassiveOption = check1_[0]->isChecked();
  project.restraintForceOption = check1_[1]->isChecked();
  project.shearKeyOption = check1_[2]->isChecked();
  // A disabled box keeps its value and writes it back; one left with a refused text before it
  // was disabled keeps the stored value instead.
  const auto write = [this](std::size_t i, float& field) {
    if (const std::optional<double> v = guard_->AcceptedValue(txtValue_[i])) field = static_cast<float>(*v);
  };
  write(0, project.restraintForce);
  write(1, project.shearKeyDepth);
}

}  // namespace kelvadrome
