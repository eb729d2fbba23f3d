// SPDX-License-Identifier: GPL-3.0-or-later
// The "Forces" page of the reinforcement window.
#include "ui/main/ReinforcementForces.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "format/NumberFormat.h"
#include "model/Units.h"
#include "ui/main/ReinforcementDisplay.h"

namespace kelvadrome {

namespace {

[[nodiscard]] SectionValues CaseColumn(const CaseTable& table, int caseIndex) {
  SectionValues values{};
  for (int s = 1; s <= kDesignSectionCount; ++s) values[s] = table[s][caseIndex];
  return values;
}

[[nodiscard]] QLabel* BoldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setContentsMargins(0, 0, 10, 0);
  return label;
}

}  // namespace

ReinforcementForces::ReinforcementForces(const ProjectData& project, const DesignResults& design, QWidget* parent)
    : QWidget(parent), project_(project), design_(design) {
  setObjectName(QStringLiteral("Picture1"));
  combo_ = new QComboBox(this);
  combo_->setObjectName(QStringLiteral("Combo1"));
  combo_->addItems({QStringLiteral("Bending moments (M)"), QStringLiteral("Shearing forces (V)"),
                    QStringLiteral("Normal forces (N)")});

  grid_ = new QGridLayout;
  grid_->addWidget(BoldLabel(QStringLiteral("Stem"), this), 0, 1);
  grid_->addWidget(BoldLabel(QStringLiteral("Toe"), this), 0, 2);
  grid_->addWidget(BoldLabel(QStringLiteral("Heel"), this), 0, 3);
  for (int row = 1; row <= kForceRowCount; ++row) {
    captions_[row] = new QLabel(this);
    captions_[row]->setObjectName(QStringLiteral("lblCombo_%1").arg(row));
    grid_->addWidget(captions_[row], row, 0);
    for (int s = 1; s <= kDesignSectionCount; ++s) {
      auto* value = new QLabel(this);
      value->setObjectName(QStringLiteral("lblCombo%1_%2").arg(s).arg(row));
      value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      value->setContentsMargins(0, 0, 10, 0);
      values_[row][s] = value;
      grid_->addWidget(value, row, s);
    }
  }
  // The envelope rows are set apart from the combinations.
  grid_->setRowMinimumHeight(kForceRowFirstDesign, 28);
  grid_->setAlignment(captions_[kForceRowFirstDesign], Qt::AlignBottom | Qt::AlignLeft);
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    grid_->setAlignment(values_[kForceRowFirstDesign][s], Qt::AlignBottom | Qt::AlignRight);
    grid_->setColumnMinimumWidth(s, 110);
  }
  grid_->setColumnStretch(kDesignSectionCount + 1, 1);  // the table keeps its width, the rest is margin
  grid_->setColumnMinimumWidth(0, 230);
  grid_->setHorizontalSpacing(12);
  grid_->setVerticalSpacing(3);

  unit_ = new QLabel(this);
  unit_->setObjectName(QStringLiteral("lblUnitCombo"));

  auto* top = new QHBoxLayout;
  top->addWidget(combo_);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(6);
  layout->addLayout(grid_);
  layout->addSpacing(6);
  layout->addWidget(unit_);
  layout->addStretch(1);

  connect(combo_, &QComboBox::currentIndexChanged, this,
          [this](int index) { ShowTable(static_cast<ForceTable>(index)); });
  combo_->setCurrentIndex(0);
  ShowTable(ForceTable::moments);
}

void ReinforcementForces::SetRow(int row, const QString& caption, const SectionValues& values, bool dashForZero) {
  captions_[row]->setText(caption);
  captions_[row]->setVisible(true);
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    const bool dash = dashForZero && values[s] == 0.0f;
    values_[row][s]->setText(dash ? QStringLiteral("--") : QString::fromStdString(FormatNumber(values[s], "#0.#0")));
    values_[row][s]->setVisible(true);
  }
}

void ReinforcementForces::ShowTable(ForceTable table) {
  if (combo_->currentIndex() != static_cast<int>(table)) {
    combo_->setCurrentIndex(static_cast<int>(table));  // comes back here through the signal
    return;
  }
  for (int row = 1; row <= kForceRowCount; ++row) {
    captions_[row]->setVisible(false);
    for (int s = 1; s <= kDesignSectionCount; ++s) values_[row][s]->setVisible(false);
  }
  const UnitSystem units = project_.unitSystem;
  const std::string force = kelvadrome::UnitLabel(UnitQuantity::force, units);
  const QString forDesign = QStringLiteral("For design");
  const QString corresponding = QStringLiteral("Coresponding N (%1)").arg(QString::fromStdString(force));
  const QString forZ = QStringLiteral("For z");
  const CaseTable& cases = table == ForceTable::moments  ? design_.caseMoment
                           : table == ForceTable::shears ? design_.caseShear
                                                         : design_.caseNormal;
  for (int k = 1; k <= kCombinationCount; ++k)
    SetRow(k, QString::fromUtf8(kCombinationTexts[k]), CaseColumn(cases, k), true);

  switch (table) {
    case ForceTable::moments:
      SetRow(kForceRowFirstDesign, forDesign, design_.envMinMoment, false);
      SetRow(kForceRowFirstDesign + 1, QString(), design_.envMaxMoment, false);
      SetRow(kForceRowFirstNormal, corresponding, design_.envMinMomentNormal, false);
      SetRow(kForceRowFirstNormal + 1, QString(), design_.envMaxMomentNormal, false);
      SetRow(kForceRowServiceZ, forZ, design_.serviceMoment, false);
      unit_->setText(QStringLiteral("Unit: ") + QString::fromStdString(MomentLabel(units)));
      break;
    case ForceTable::shears:
      SetRow(kForceRowFirstDesign, forDesign, design_.envMaxShear, false);
      SetRow(kForceRowFirstNormal, corresponding, design_.envMaxShearNormal, false);
      unit_->setText(QStringLiteral("Unit: ") + QString::fromStdString(force));
      break;
    case ForceTable::normalForces:
      SetRow(kForceRowServiceZ, forZ, design_.serviceNormal, false);
      unit_->setText(QStringLiteral("Unit: ") + QString::fromStdString(force));
      break;
  }
}

}  // namespace kelvadrome
