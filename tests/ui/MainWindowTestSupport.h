// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the file dialogs and message boxes, and a main window over a default project, shared by
// the main-window tests so that no dialog ever blocks.
#pragma once

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>

#include "EditorTestSupport.h"
#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "ui/main/FileDialogs.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/UserPrompts.h"

namespace kelvadrome::test {

// The next queued answer, or the given one when none is left.
template <typename T>
T Next(std::deque<T>& answers, T none) {
  if (answers.empty()) return none;
  T answer = answers.front();
  answers.pop_front();
  return answer;
}

// Answers queued by the test; an empty queue answers Cancel.
class FakeDialogs final : public FileDialogs {
 public:
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  int saveCalls = 0;
  QString lastOpenFolder;
  QString lastSaveFolder;
  QString lastSaveName;

  std::optional<QString> OpenFile(QWidget*, const QString& directory) override {
    lastOpenFolder = directory;
    return Next(openAnswers, std::optional<QString>());
  }
  std::optional<QString> SaveFile(QWidget*, const QString& directory, const QString& initialName) override {
    ++saveCalls;
    lastSaveFolder = directory;
    lastSaveName = initialName;
    return Next(saveAnswers, std::optional<QString>());
  }
  bool PrinterSetup(QWidget*, QPrinter&) override { return false; }
};

class FakePrompts final : public UserPrompts {
 public:
  QStringList warnings;
  std::deque<SaveChoice> saveAnswers;
  int saveQuestions = 0;

  void Warn(QWidget*, const QString& text) override { warnings.append(text); }
  SaveChoice AskSaveChanges(QWidget*, const QString&) override {
    ++saveQuestions;
    return Next(saveAnswers, SaveChoice::Cancel);
  }
};

// A shown main window over the default project, with fakes and a settings file of its own.
struct WindowHarness {
  QTemporaryDir folder;
  ProjectDocument document;
  const ProjectData& project = document.Project();
  const AnalysisResults& results = document.Results();
  SessionState session;
  FakeDialogs dialogs;
  FakePrompts prompts;
  QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
  std::unique_ptr<Form1> window;

  WindowHarness() {
    document.ReplaceProject(DefaultProject(), QString());
    window = std::make_unique<Form1>(document, session, Form1Services{dialogs, prompts, settings});
    window->resize(1200, 800);
    window->show();
    QApplication::processEvents();
  }

  [[nodiscard]] QString PathIn(const QString& name) const { return folder.filePath(name); }
  // Takes a project as File Open would, and lets the window draw it.
  void Replace(const ProjectData& fresh) {
    document.ReplaceProject(fresh, QString());
    window->RefreshNow();
  }
};

}  // namespace kelvadrome::test
