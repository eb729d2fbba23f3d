// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities page of the reinforcement window.
#include "ui/main/ReinforcementQuantities.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "engine/EngineError.h"
#include "engine/Quantities.h"
#include "engine/QuantityLines.h"
#include "engine/StabilityTexts.h"
#include "engine/WallGeometry.h"
#include "format/NumberFormat.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Number(double value) { return Q(FormatNumber(value, "#0.#0")); }

float UnitPrices::*PriceField(int index) {
  constexpr std::array<float UnitPrices::*, 3> kFields{&UnitPrices::concretePrice, &UnitPrices::formworkPrice,
                                                       &UnitPrices::steelPrice};
  return kFields[static_cast<std::size_t>(index)];
}

}  // namespace

ReinforcementQuantities::ReinforcementQuantities(ProjectData& project, QWidget* parent, Beeper beep,
                                                 std::function<void()> pricesChanged)
    : QWidget(parent), project_(project), pricesChanged_(std::move(pricesChanged)) {
  setObjectName(QStringLiteral("QuantitiesPage"));
  auto* grid = new QGridLayout(this);
  int row = 0;
  note_ = new QLabel(this);
  grid->addWidget(note_, row++, 0, 1, 3);
  const std::vector<QuantityLine> lines = QuantityLines(Quantities{}, project_.unitSystem);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    grid->addWidget(new QLabel(Q(lines[i].caption), this), row, 0);
    auto* value = new QLabel(this);
    value->setObjectName(QStringLiteral("lblQuantity%1").arg(i));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values_.push_back(value);
    grid->addWidget(value, row, 1);
    auto* unit = new QLabel(this);
    units_.push_back(unit);
    grid->addWidget(unit, row++, 2);
    if (i + 1 == lines.size()) {
      QFont bold = value->font();
      bold.setBold(true);
      value->setFont(bold);
    }
  }
  grid->setRowMinimumHeight(row++, 12);
  const std::vector<QuantityLine> prices = PriceLines(project_.prices, project_.unitSystem);
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(Q(prices[static_cast<std::size_t>(i)].caption), this), row, 0);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txtPrice%1").arg(i));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(90);
    priceBoxes_[static_cast<std::size_t>(i)] = box;
    new EntryValidator(box, [this, i](const QString& text) { return AcceptPrice(i, text); }, beep);
    grid->addWidget(box, row, 1, Qt::AlignRight);
    auto* unit = new QLabel(this);
    priceUnits_[static_cast<std::size_t>(i)] = unit;
    grid->addWidget(unit, row++, 2);
  }
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(row, 1);
  Fill();
}

void ReinforcementQuantities::Fill() {
  AnalysisResults outline;
  Quantities q;
  bool available = true;
  try {
    ComputeWallOutline(project_, outline);
    q = ComputeQuantities(project_, outline);
  } catch (const EngineError&) {
    available = false;  // a price or a bar so large that a quantity overflows: nothing to show
  }
  const std::vector<QuantityLine> lines = QuantityLines(q, project_.unitSystem);
  for (std::size_t i = 0; i < lines.size() && i < values_.size(); ++i) {
    values_[i]->setText(available ? Number(lines[i].value) : QString::fromLatin1(kNotApplicable));
    units_[i]->setText(Q(lines[i].unit));
  }
  note_->setText(QStringLiteral("Per 1 %1 of wall length, with the bars of the design.")
                    .arg(Q(UnitLabel(UnitQuantity::length, project_.unitSystem))));
  const std::vector<std::string> units = PriceUnits(project_.unitSystem);
  for (int i = 0; i < 3; ++i) {
    const auto s = static_cast<std::size_t>(i);
    priceBoxes_[s]->setText(Number(project_.prices.*PriceField(i)));
    priceUnits_[s]->setText(Q(units[s]));
  }
}

bool ReinforcementQuantities::AcceptPrice(int index, const QString& text) {
  const std::optional<double> value = ParseEnteredNumber(text.toStdString());
  if (!value || *value < 0 || *value > 1e30) return false;
  const float stored = static_cast<float>(*value);
  if (project_.prices.*PriceField(index) != stored) {
    project_.prices.*PriceField(index) = stored;
    if (pricesChanged_) pricesChanged_();
  }
  Fill();
  return true;
}

}  // namespace kelvadrome
