// SPDX-License-Identifier: GPL-3.0-or-later
// The standard open, save and printer-setup dialogs behind an interface, so that the File
// commands can be driven by tests without a dialog ever blocking.
#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace kelvadrome {

inline constexpr const char* kOpenDialogTitle = "Kelvadrome: Open file";
inline constexpr const char* kSaveDialogTitle = "Kelvadrome: Save as";
inline constexpr const char* kProjectFileFilter = "Input files (*.kvi);;All files (*.*)";

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An existing file in an existing folder, or nothing when cancelled.
  [[nodiscard]] virtual std::optional<QString> OpenFile(QWidget* parent, const QString& directory) = 0;
  // The chosen path with ".kvi" added when it has no extension, or nothing when cancelled.
  // Overwriting an existing file is confirmed inside the dialog.
  [[nodiscard]] virtual std::optional<QString> SaveFile(QWidget* parent, const QString& directory,
                                                        const QString& initialName) = 0;
  // True when the user accepted; the printer then holds the choices made.
  virtual bool PrinterSetup(QWidget* parent, QPrinter& printer) = 0;
};

// The platform's own dialogs.
class QtFileDialogs final : public FileDialogs {
 public:
  [[nodiscard]] std::optional<QString> OpenFile(QWidget* parent, const QString& directory) override;
  [[nodiscard]] std::optional<QString> SaveFile(QWidget* parent, const QString& directory,
                                                const QString& initialName) override;
  bool PrinterSetup(QWidget* parent, QPrinter& printer) override;
};

}  // namespace kelvadrome
