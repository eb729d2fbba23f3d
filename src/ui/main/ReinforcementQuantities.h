// SPDX-License-Identifier: GPL-3.0-or-later
// The "Quantities" page of the reinforcement window: concrete, formwork, the steel of each
// design column, the distribution steel and the cost of the wall per unit length, and the unit
// prices, which the user may change there.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "model/ProjectData.h"
#include "ui/calculator/NumericEntry.h"

class QLabel;
class QLineEdit;

namespace kelvadrome {

class ReinforcementQuantities final : public QWidget {
  Q_OBJECT
 public:
  // pricesChanged runs after a price typed by the user was stored in the project.
  ReinforcementQuantities(ProjectData& project, QWidget* parent, Beeper beep,
                          std::function<void()> pricesChanged);

  // Measures the wall with the bars now in the project and shows every line again.
  void Fill();

  // The value label of quantity line `line` (in the order of QuantityLines) and the price boxes
  // 0..2 (concrete, formwork, steel).
  [[nodiscard]] QLabel* QuantityValue(int line) const { return values_.at(static_cast<std::size_t>(line)); }
  [[nodiscard]] QLineEdit* PriceBox(int index) const { return priceBoxes_.at(static_cast<std::size_t>(index)); }

 private:
  bool AcceptPrice(int index, const QString& text);

  ProjectData& project_;
  std::function<void()> pricesChanged_;
  QLabel* note_ = nullptr;
  std::vector<QLabel*> values_;
  std::vector<QLabel*> units_;
  std::array<QLineEdit*, 3> priceBoxes_{};
  std::array<QLabel*, 3> priceUnits_{};
};

}  // namespace kelvadrome
