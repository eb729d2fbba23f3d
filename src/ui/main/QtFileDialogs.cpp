// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's open, save and printer-setup dialogs with the program's titles and filter.
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/main/FileDialogs.h"

namespace kelvadrome {

std::optional<QString> QtFileDialogs::OpenFile(QWidget* parent, const QString& directory) {
  QFileDialog dialog(parent, QString::fromLatin1(kOpenDialogTitle), directory,
                     QString::fromLatin1(kProjectFileFilter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

std::optional<QString> QtFileDialogs::SaveFile(QWidget* parent, const QString& directory,
                                               const QString& initialName) {
  QFileDialog dialog(parent, QString::fromLatin1(kSaveDialogTitle), directory,
                     QString::fromLatin1(kProjectFileFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("kvi"));
  if (!initialName.isEmpty()) dialog.selectFile(initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

bool QtFileDialogs::PrinterSetup(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Kelvadrome"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kelvadrome
