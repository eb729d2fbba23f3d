// SPDX-License-Identifier: GPL-3.0-or-later
// The File commands: New, Open, the recent files, Save, Save As and Printer setup, with the
// unsaved-changes question before a changed project is dropped.
#pragma once

#include <QObject>
#include <QString>

class QPrinter;
class QWidget;

namespace kelvadrome {

class FileDialogs;
class ProjectDocument;
class UserPrompts;
struct SessionState;

class FileCommands final : public QObject {
  Q_OBJECT

 public:
  FileCommands(ProjectDocument& document, SessionState& session, FileDialogs& dialogs,
               UserPrompts& prompts, QWidget* window);

  // Each returns true when it did what it was asked; false when cancelled or failed.
  bool New();
  bool Open();
  bool OpenRecent(int index);
  // Open without the dialog (program argument, a file dropped on the window).
  bool OpenPath(const QString& path);
  bool Save();
  bool SaveAs();
  bool PrinterSetup(QPrinter& printer);

  // Asks Save / Discard / Cancel when the project has changed. True when the caller may go on
  // and drop the project (saved, discarded or unchanged).
  [[nodiscard]] bool ConfirmDiscardChanges();

  // "Kelvadrome 2.10 - " and the path, or "[Unnamed]".
  [[nodiscard]] QString WindowTitle() const;

 signals:
  void RecentFilesChanged();  // rebuild the recent-file menu entries
  void TitleChanged();        // the file name in the title changed

 private:
  bool ReadAndTakeOver(const QString& path);
  bool WriteTo(const QString& path);

  ProjectDocument& document_;
  SessionState& session_;
  FileDialogs& dialogs_;
  UserPrompts& prompts_;
  QWidget* window_;
};

}  // namespace kelvadrome
