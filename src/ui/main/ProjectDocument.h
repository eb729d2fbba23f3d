// SPDX-License-Identifier: GPL-3.0-or-later
// The open project as a document: the project data, its undo history, the file it came from,
// whether it has changed since it was last opened or saved, and the service analysis of the
// project as it stands. Every change from every window is Apply(name, change): the change runs
// on a copy, and only a copy that differs becomes the project, as one undo step named `name`.
// Changed then tells the windows, which redraw once the event loop comes round.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "model/UndoHistory.h"

namespace kelvadrome {

// The name of the step in which the document takes a backfill slope the slope rules flattened.
inline constexpr const char* kSlopeAdjustedChange = "Backfill slope adjusted";

class ProjectDocument final : public QObject {
  Q_OBJECT

 public:
  using Change = std::function<void(ProjectData&)>;

  ProjectDocument();

  [[nodiscard]] const ProjectData& Project() const { return project_; }

  // The project file ("" for an untitled project).
  [[nodiscard]] QString FilePath() const { return filePath_; }
  // "[Unnamed]" for an untitled project, else the path: the tail of the window title.
  [[nodiscard]] QString DisplayName() const;

  // True when the project differs from what was last opened, saved or created by New; undoing
  // back to that state makes it unchanged again.
  [[nodiscard]] bool IsModified() const { return !(project_ == clean_); }

  // Runs change on a copy of the project. When the copy differs, it becomes the project as one
  // undo step named `name` (the Edit menu shows "Undo name"), Changed is emitted and true
  // returned. A change that throws leaves the project as it was and the exception goes on.
  bool Apply(const QString& name, const Change& change);
  // As Apply, for typing into a box: changes with the same name are one step until EndTyping.
  bool ApplyTyping(const QString& name, const Change& change);
  void EndTyping() { history_.EndMerge(); }

  [[nodiscard]] bool CanUndo() const { return history_.CanUndo(); }
  [[nodiscard]] bool CanRedo() const { return history_.CanRedo(); }
  // The names of the steps Undo and Redo would take ("" for none).
  [[nodiscard]] QString UndoName() const;
  [[nodiscard]] QString RedoName() const;
  bool Undo();
  bool Redo();

  // Takes over a new or freshly read project with its path; it counts as unchanged and starts
  // a new undo history.
  void ReplaceProject(const ProjectData& fresh, const QString& path);
  // After a successful write to path: the project is unchanged from now on.
  void MarkSaved(const QString& path);

  // The service analysis. Current() tells whether the results belong to the project as it
  // stands; Analyse makes them so. When the run flattened the backfill slope, the document takes
  // the flattened slope as its own step ("Backfill slope adjusted"), which leaves the results
  // to be brought up to date once more. Returns the messages to tell the user (not the fault).
  // A refresh right after an undo or redo leaves the project alone and says nothing of the
  // slope, so that undoing a flattened slope brings the steeper one back; a command the user
  // gives (Findings::command) always applies what it found.
  enum class Findings { refresh, command };
  std::vector<std::string> Analyse(Findings findings = Findings::refresh);
  [[nodiscard]] bool AnalysisCurrent() const { return analysisCurrent_; }
  [[nodiscard]] const AnalysisResults& Results() const { return results_; }
  // The fault the last analysis ended in; its results then hold only what was computed before.
  [[nodiscard]] const std::optional<std::string>& AnalysisFault() const { return analysisFault_; }

  // Applies a slope the engine flattened in a run on a copy, as "Backfill slope adjusted".
  bool ApplyAdjustedSlope(std::optional<float> adjustedSlope);

 signals:
  // After every change of the project: Apply, Undo, Redo, ReplaceProject.
  void Changed();

 private:
  bool Commit(const QString& name, const Change& change, bool typing);
  bool Restore(bool (UndoHistory::*step)(ProjectData&));
  void TakeOver(ProjectData next);

  ProjectData project_;
  ProjectData clean_;
  QString filePath_;
  UndoHistory history_;
  AnalysisResults results_;
  std::optional<std::string> analysisFault_;
  bool analysisCurrent_ = false;
  bool restoredByUndo_ = false;
};

}  // namespace kelvadrome
