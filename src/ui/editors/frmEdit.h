// SPDX-License-Identifier: GPL-3.0-or-later
// The value entry box: the small modal window in which a dimension clicked on the drawing gets
// its new value, with two buttons that step the value by 0.1.
#pragma once

#include <QDialog>
#include <optional>

#include "ui/editors/EditorEntry.h"

class QLineEdit;
class QPushButton;
class QToolButton;

namespace kelvadrome {

class frmEdit final : public QDialog {
  Q_OBJECT

 public:
  explicit frmEdit(QWidget* parent = nullptr, Beeper beep = SystemBeeper());

  // Shows the box modally with `text` selected and the caret at its start. Returns the accepted
  // text (always a number, possibly negative) or nothing after Cancel.
  [[nodiscard]] std::optional<QString> Ask(const QString& text);

  // The box as it becomes active, for callers that show it themselves.
  void SetValueText(const QString& text);
  [[nodiscard]] QString ValueText() const;

  // The step buttons: one decimal, then 0.1 more or less, never below 0.
  void StepUp();
  void StepDown();

 private:
  void Accept();
  void ShowStepped(double value);

  Beeper beep_;
  QLineEdit* text1_;
  QToolButton* cmdUp_;
  QToolButton* cmdDown_;
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace kelvadrome
