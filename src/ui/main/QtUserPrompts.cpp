// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes of the desktop program.
#include <QApplication>
#include <QMessageBox>

#include "ui/main/UserPrompts.h"

namespace kelvadrome {

void QtUserPrompts::Warn(QWidget* parent, const QString& text) {
  QApplication::restoreOverrideCursor();
  QMessageBox::warning(parent, QStringLiteral("Kelvadrome"), text);
}

SaveChoice QtUserPrompts::AskSaveChanges(QWidget* parent, const QString& projectName) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvadrome"),
                  QStringLiteral("The project %1 has changed.\nDo you want to save the changes?").arg(projectName),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

void PromptSink::Warn(std::string_view text) {
  prompts_.Warn(parent_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace kelvadrome
