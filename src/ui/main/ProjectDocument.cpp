// SPDX-License-Identifier: GPL-3.0-or-later
// The project document and its unsaved-changes mark.
#include "ui/main/ProjectDocument.h"

namespace kelvadrome {

ProjectDocument::ProjectDocument(ProjectData& project, AnalysisResults& results)
    : project_(project), results_(results), clean_(project) {}

QString ProjectDocument::FilePath() const { return QString::fromStdString(project_.currentFilePath); }

QString ProjectDocument::DisplayName() const {
  return project_.currentFilePath.empty() ? QStringLiteral("[Unnamed]") : FilePath();
}

namespace {

// What a user would lose: not the running program's own values, and not the kept water depths
// or seismic coefficient while their option is on (switching it off overwrites them anyway).
ProjectData Content(const ProjectData& project) {
  ProjectData content = project;
  content.currentFilePath.clear();
  content.previousUnitSystem = kMetric;
  if (content.waterOption) content.savedWaterDepthFront = content.savedWaterDepthBack = 0;
  if (content.seismicOption) content.savedSeismicCoefficient = 0;
  return content;
}

}  // namespace

bool ProjectDocument::IsModified() const {
  return !(Content(project_) == Content(clean_));
}

void ProjectDocument::ApplyChange(const QString& description,
                                  const std::function<void(ProjectData&)>& change) {
  change(project_);
  emit Changed(description);
}

void ProjectDocument::MarkModified() {
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
}

}  // namespace kelvadrome
