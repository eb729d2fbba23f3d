// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the program's name, version and date, and its licence.
#pragma once

#include <QDialog>

namespace kelvadrome {

class frmAbout final : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace kelvadrome
