// SPDX-License-Identifier: GPL-3.0-or-later
// The open project as a document: the project data, the engine's results, the file it came
// from and whether it has changed since it was last opened or saved. Every change made through
// the windows goes through ApplyChange, the one place where undo can hook in.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "model/ProjectData.h"

namespace kelvadrome {

struct AnalysisResults;

class ProjectDocument final : public QObject {
  Q_OBJECT

 public:
  ProjectDocument(ProjectData& project, AnalysisResults& results);

  [[nodiscard]] ProjectData& Project() { return project_; }
  [[nodiscard]] const ProjectData& Project() const { return project_; }
  [[nodiscard]] AnalysisResults& Results() { return results_; }

  // The project file ("" for an untitled project), held in the project's currentFilePath.
  [[nodiscard]] QString FilePath() const;
  // "[Unnamed]" for an untitled project, else the path: the tail of the window title.
  [[nodiscard]] QString DisplayName() const;

  // True when the project differs from what was last opened, saved or created by New; undoing
  // back to that state makes it unchanged again.
  [[nodiscard]] bool IsModified() const;

  // Runs change on the project and announces it. description names the change for the user
  // (an undo history can keep it).
  void ApplyChange(const QString& description, const std::function<void(ProjectData&)>& change);
  // Announces a change made to the project in place by a window that was given the project
  // itself, so that it is recorded for undo like any other.
  void MarkModified();

  // Takes over a new or freshly read project with its path; it counts as unchanged.
  void ReplaceProject(const ProjectData& fresh, const QString& path);
  // After a successful write to path: the project is unchanged from now on.
  void MarkSaved(const QString& path);

 signals:
  void Changed(const QString& description);
  void Replaced();

 private:
  void TakeCleanSnapshot();

  ProjectData& project_;
  AnalysisResults& results_;
  ProjectData clean_;
};

}  // namespace kelvadrome
