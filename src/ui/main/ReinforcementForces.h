// SPDX-License-Identifier: GPL-3.0-or-later
// The "Forces" page of the reinforcement window: the moment, shear or normal force of the stem,
// toe and heel in every load combination, with the design envelope and the service values.
#pragma once

#include <QWidget>
#include <array>

#include "engine/DesignResults.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace kelvadrome {

// Rows of the table: 1..11 the combinations, then two "For design" rows, two "Coresponding N"
// rows and the "For z" row.
inline constexpr int kForceRowFirstDesign = 12;
inline constexpr int kForceRowFirstNormal = 14;
inline constexpr int kForceRowServiceZ = 16;
inline constexpr int kForceRowCount = 16;

enum class ForceTable { moments = 0, shears = 1, normalForces = 2 };

class ReinforcementForces final : public QWidget {
  Q_OBJECT
 public:
  ReinforcementForces(const ProjectData& project, const DesignResults& design, QWidget* parent = nullptr);

  // Shows one of the three tables, as choosing it in Combo1 does.
  void ShowTable(ForceTable table);

  [[nodiscard]] QComboBox* Combo1() const { return combo_; }
  // Caption of row 1..16 (lblCombo and the design rows).
  [[nodiscard]] QLabel* lblCombo(int row) const { return captions_.at(row); }
  // Value of row 1..16 for section 1..3 (lblCombo1, lblCombo2, lblCombo3).
  [[nodiscard]] QLabel* Value(int row, int section) const { return values_.at(row).at(section); }
  [[nodiscard]] QLabel* UnitLabel() const { return unit_; }

 private:
  void SetRow(int row, const QString& caption, const SectionValues& values, bool dashForZero);

  const ProjectData& project_;
  const DesignResults& design_;
  QComboBox* combo_ = nullptr;
  QGridLayout* grid_ = nullptr;
  QLabel* unit_ = nullptr;
  std::array<QLabel*, kForceRowCount + 1> captions_{};
  std::array<std::array<QLabel*, kDesignSectionCount + 1>, kForceRowCount + 1> values_{};
};

}  // namespace kelvadrome
