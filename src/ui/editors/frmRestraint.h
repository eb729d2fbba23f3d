// SPDX-License-Identifier: GPL-3.0-or-later
// The restraint editor: which resistances against sliding the stability check counts besides
// base friction and cohesion, with the restraint load and the shear key depth.
#pragma once

#include <QDialog>
#include <array>

#include "ui/editors/EditorEntry.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvadrome {

struct ProjectData;

class frmRestraint final : public QDialog {
  Q_OBJECT

 public:
  frmRestraint(const ProjectData& project, QWidget* parent = nullptr, Beeper beep = SystemBeeper());

  // Writes the three switches and the two values; meant for after the window was accepted.
  void ApplyTo(ProjectData& project) const;

 private:
  void UpdateEnabledStates();
  void Accept();

  EntryGuard* guard_;
  std::array<QCheckBox*, 4> check1_{};  // 0 toe passive, 1 restraint load, 2 shear key, 3 base
  std::array<QLineEdit*, 2> txtValue_{};
  std::array<QLabel*, 2> lblUnit_{};
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace kelvadrome
