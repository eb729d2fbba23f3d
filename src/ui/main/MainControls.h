// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window under their classic names, created in one place so that the
// window class itself stays small.
#pragma once

#include <array>

#include "report/drawing/ViewKind.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QWidget;

namespace kelvadrome {

struct MainControls {
  QPushButton* command2 = nullptr;  // "&Properties"
  QPushButton* command3 = nullptr;  // "&Loads"
  QPushButton* command6 = nullptr;  // "&Restraints"
  QPushButton* command4 = nullptr;  // "&Stability"
  QPushButton* command5 = nullptr;  // "Co&ncrete"
  QFrame* panel3D2 = nullptr;       // title strip
  QLabel* label4 = nullptr;         // "Title:"
  QLineEdit* text1 = nullptr;       // the project title
  QFrame* panel3D1 = nullptr;       // holds the picture
  QWidget* picture1 = nullptr;      // the drawing (placed by the window)
  QFrame* panel3D3 = nullptr;       // results panel
  QLabel* label5 = nullptr;         // "STABLE" / "NOT STABLE"
  QLabel* label6 = nullptr;         // safety factors and position
  QLabel* label1 = nullptr;         // "Unit:"
  QComboBox* combo1 = nullptr;      // "Metric", "SI", "British"
  QLabel* label2 = nullptr;         // "View:"
  std::array<QRadioButton*, kViewCount> optView{};
  QButtonGroup* viewGroup = nullptr;
  QLabel* label3 = nullptr;         // "Loads"
  QLabel* label7 = nullptr;         // "Options:"
  QCheckBox* check1 = nullptr;      // "Water"
  QCheckBox* check2 = nullptr;      // "Seismic"
  QCheckBox* check3 = nullptr;      // "Shear key"
  QLabel* label8 = nullptr;         // seismic coefficient, "0.15g"
};

// Creates every control as a child of parent with its caption; picture1 stays empty.
[[nodiscard]] MainControls CreateMainControls(QWidget* parent);

}  // namespace kelvadrome
