// SPDX-License-Identifier: GPL-3.0-or-later
// The properties editor: the 26 material and soil properties of the project in the current unit
// system, each checked when the user leaves it, written back only on Accept.
#pragma once

#include <QDialog>
#include <array>

#include "model/ProjectData.h"
#include "ui/editors/EditorEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvadrome {

struct ProjectData;

// txtValue 0..23 in the order of the project file; 24 and 25 are the base earth's unit weights.
inline constexpr int kPropertyCount = 26;

// Whether a value may be 0: friction angles and cohesions may, everything else must be above 0.
[[nodiscard]] bool PropertyMayBeZero(int index);

class frmProperties final : public QDialog {
  Q_OBJECT

 public:
  frmProperties(const ProjectData& project, QWidget* parent = nullptr, Beeper beep = SystemBeeper());

  // Writes the 26 values (the cover back in centimetres in SI); meant for after Accept.
  void ApplyTo(ProjectData& project) const;

 private:
  void Accept();

  EntryGuard* guard_;
  UnitSystem unitSystem_;
  std::array<QLineEdit*, kPropertyCount> txtValue_{};
  std::array<QString, kPropertyCount> shownText_{};
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace kelvadrome
