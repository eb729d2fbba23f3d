// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's picture `pctSoil`: the soil layer behind the wall face drawn to scale, with the
// face's inclination, the slope of the surface, the water table and the active pressure diagram.
#pragma once

#include <QWidget>
#include <optional>

#include "calculator/SoilPressureCalculator.h"

namespace kelvadrome {

class SoilPicture final : public QWidget {
  Q_OBJECT
 public:
  explicit SoilPicture(QWidget* parent = nullptr);

  // The inputs as computed (the slope already adjusted) and the normal active case; without a
  // case (the computation failed) only the layer is drawn.
  void SetLayer(const CalculatorInputs& inputs, std::optional<CalculatorCaseResult> active);

  [[nodiscard]] QSize sizeHint() const override { return {380, 330}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CalculatorInputs inputs_{};
  std::optional<CalculatorCaseResult> active_;
};

}  // namespace kelvadrome
