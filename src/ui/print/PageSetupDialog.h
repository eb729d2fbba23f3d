// SPDX-License-Identifier: GPL-3.0-or-later
// File > Page Setup: the four margins in whole millimetres, the three footer texts with the
// tokens they may hold, and the footer font. Built from the current values; hands back the
// edited values only when the user accepts.
#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "ui/print/PageSetup.h"

class QFontComboBox;
class QLineEdit;

namespace kelvadrome {

class EntryValidator;

class PageSetupDialog final : public QDialog {
  Q_OBJECT

 public:
  PageSetupDialog(const PageSetupValues& values, QWidget* parent);

  [[nodiscard]] PageSetupValues Values() const;

  void accept() override;

 private:
  std::array<QLineEdit*, 4> margins_{};
  std::array<EntryValidator*, 4> marginValidators_{};
  std::array<QLineEdit*, 3> footers_{};
  std::array<EntryValidator*, 3> footerValidators_{};
  QFontComboBox* font_ = nullptr;
};

// Shows the dialog modally; the edited values when the user pressed OK and something changed.
[[nodiscard]] std::optional<PageSetupValues> RunPageSetupDialog(QWidget* parent, const PageSetupValues& current);

}  // namespace kelvadrome
