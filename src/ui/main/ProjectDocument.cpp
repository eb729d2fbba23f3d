// The project document and its unsaved-changes mark.
#include "ui/main/ProjectDocument.h"

namespace kelvadrome {

ProjectDocument::ProjectDocument(ProjectData& project, AnalysisResults& results)
    : project_(project), results_(results), clean_(project) {}

QString ProjectDocument::FilePath() const { return QString::fromStdString(project_.currentFilePath); }

QString ProjectDocument::DisplayName() const {
  return project_.currentFilePath.empty() ? QStringLiteral("[Unnamed]") : FilePath();
}

bool ProjectDocument::IsModified() const {
  if (markedModified_) return true;
  // The running program's own values are no part of what a user would lose.
  ProjectData current = project_;
  current.currentFilePath = clean_.currentFilePath;
  current.previousUnitSystem = clean_.previousUnitSystem;
  return !(current == clean_);
}

void ProjectDocument::ApplyChange(const QString& description,
                                  const std::function<void(ProjectData&)>& change) {
  change(project_);
  emit Changed(description);
}

void ProjectDocument::MarkModified() {
  markedModified_ = true;
  emit Changed(QString());
}

void ProjectDocument::ReplaceProject(const ProjectData& fresh, const QString& path) {
  project_ = fresh;
  project_.currentFilePath = path.toStdString();
  TakeCleanSnapshot();
  emit Replaced();
}

void ProjectDocument::MarkSaved(const QString& path) {
  project_.currentFilePath = path.toStdString();
  TakeCleanSnapshot();
}

void ProjectDocument::TakeCleanSnapshot() {
  clean_ = project_;
  markedModified_ = false;
}

}  // namespace kelvadrome
