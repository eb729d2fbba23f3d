// SPDX-License-Identifier: GPL-3.0-or-later
// The File commands. A file that cannot be read changes nothing; a file that cannot be written
// is not claimed as the project's path.
#include "ui/main/FileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <exception>

#include "model/ProjectFile.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/FileDialogs.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/UserPrompts.h"

namespace kelvadrome {

namespace {

QString FolderOf(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absolutePath()); }

}  // namespace

FileCommands::FileCommands(ProjectDocument& document, SessionState& session, FileDialogs& dialogs,
                           UserPrompts& prompts, QWidget* window)
    : QObject(window), document_(document), session_(session), dialogs_(dialogs), prompts_(prompts),
      window_(window) {}

QString FileCommands::WindowTitle() const {
  return QStringLiteral("Kelvadrome %1 - %2").arg(QString::fromLatin1(kProgramVersion), document_.DisplayName());
}

bool FileCommands::ConfirmDiscardChanges() {
  if (!document_.IsModified()) return true;
  switch (prompts_.AskSaveChanges(window_, document_.DisplayName())) {
    case SaveChoice::Save:
      return Save();
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      return false;
  }
  return false;
}

bool FileCommands::New() {
  if (!ConfirmDiscardChanges()) return false;
  ProjectData fresh = document_.Project();
  SetDefaults(fresh, session_.fonts.defaultReportFont);
  document_.ReplaceProject(fresh, QString());
  emit TitleChanged();
  return true;
}

bool FileCommands::Open() {
  if (!ConfirmDiscardChanges()) return false;
  const QString folder = session_.lastDirectory.isEmpty() ? QDir::currentPath() : session_.lastDirectory;
  const std::optional<QString> chosen = dialogs_.OpenFile(window_, folder);
  if (!chosen) return false;
  session_.lastDirectory = FolderOf(*chosen);
  return ReadAndTakeOver(*chosen);
}

bool FileCommands::OpenRecent(int index) {
  if (index < 1 || index > session_.recent.count) return false;
  const QString path = session_.recent.files[index];
  if (!ConfirmDiscardChanges()) return false;
  return ReadAndTakeOver(path);
}

bool FileCommands::OpenPath(const QString& path) {
  if (!ConfirmDiscardChanges()) return false;
  const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  session_.lastDirectory = FolderOf(absolute);
  return ReadAndTakeOver(absolute);
}

bool FileCommands::ReadAndTakeOver(const QString& path) {
  ProjectData fresh;
  try {
    BusyPointer busy;
    fresh = ReadProjectFile(path.toStdString(), session_.fonts.defaultReportFont);
  } catch (const std::exception& error) {
    prompts_.Warn(window_, QString::fromStdString(error.what()));
    return false;
  }
  document_.ReplaceProject(fresh, path);
  AddRecentFile(session_.recent, path);
  emit RecentFilesChanged();
  emit TitleChanged();
  return true;
}

bool FileCommands::Save() {
  const QString path = document_.FilePath();
  if (path.isEmpty()) return SaveAs();
  return WriteTo(path);
}

bool FileCommands::SaveAs() {
  const QString current = document_.FilePath();
  QString folder = session_.lastDirectory;
  QString initialName;
  if (!current.isEmpty()) {
    const QFileInfo info(current);
    folder = FolderOf(current);
    initialName = info.fileName();
  }
  if (folder.isEmpty()) folder = QDir::currentPath();
  const std::optional<QString> chosen = dialogs_.SaveFile(window_, folder, initialName);
  if (!chosen) return false;
  session_.lastDirectory = FolderOf(*chosen);
  if (!WriteTo(*chosen)) return false;
  AddRecentFile(session_.recent, *chosen);
  emit RecentFilesChanged();
  emit TitleChanged();
  return true;
}

bool FileCommands::WriteTo(const QString& path) {
  try {
    BusyPointer busy;
    WriteProjectFile(document_.Project(), path.toStdString());
  } catch (const std::exception& error) {
    prompts_.Warn(window_, QString::fromStdString(error.what()));
    return false;
  }
  document_.MarkSaved(path);
  return true;
}

bool FileCommands::PrinterSetup(QPrinter& printer) {
  try {
    return dialogs_.PrinterSetup(window_, printer);
  } catch (const std::exception& error) {
    prompts_.Warn(window_, QString::fromStdString(error.what()));
    return false;
  }
}

}  // namespace kelvadrome
