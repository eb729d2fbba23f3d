// SPDX-License-Identifier: GPL-3.0-or-later
// The project document: its one change path, undo, the unsaved-changes mark and the analysis.
#include "ui/main/ProjectDocument.h"

#include <algorithm>
#include <utility>

#include "engine/Analysis.h"
#include "engine/EarthPressure.h"
#include "ui/main/ProjectOptions.h"

namespace kelvadrome {

namespace {

// What the service analysis and the drawing read: the project without its title, the report's
// settings, the costs, the optimiser's settings, the user's bars and the values kept for the
// options. A change of those alone leaves the analysis as it is.
ProjectData AnalysisInput(const ProjectData& project) {
  ProjectData input = project;
  input.projectTitle.clear();
  input.prices = {};
  input.optimiserTargets = {};
  input.optimiserVariables = {};
  input.userReinforcement = false;
  input.barDiameters = {};
  input.barPitches = {};
  input.pageMarginA = input.pageMarginB = input.pageMarginC = input.pageMarginD = 0;
  input.headerFooterTexts = {};
  input.reportFontName.clear();
  input.reportFontSize = 0;
  input.keptExtensionItems.clear();
  input.savedWaterDepthFront = input.savedWaterDepthBack = input.savedSeismicCoefficient = 0;
  return input;
}

bool IsSlopeRuleMessage(const std::string& text) {
  return text == kSlopeRule1Message || text == kSlopeRule2Message;
}

}  // namespace

ProjectDocument::ProjectDocument() { history_.Reset(project_); }

QString ProjectDocument::DisplayName() const {
  return filePath_.isEmpty() ? QStringLiteral("[Unnamed]") : filePath_;
}

bool ProjectDocument::Apply(const QString& name, const Change& change) { return Commit(name, change, false); }

bool ProjectDocument::ApplyTyping(const QString& name, const Change& change) { return Commit(name, change, true); }

bool ProjectDocument::Commit(const QString& name, const Change& change, bool typing) {
  ProjectData next = project_;
  change(next);
  if (next == project_) return false;
  const std::string label = name.toStdString();
  history_.Commit(next, typing ? label : std::string(), label);
  restoredByUndo_ = false;
  TakeOver(std::move(next));
  return true;
}

void ProjectDocument::TakeOver(ProjectData next) {
  if (!(AnalysisInput(next) == AnalysisInput(project_))) analysisCurrent_ = false;
  project_ = std::move(next);
  emit Changed();
}

QString ProjectDocument::UndoName() const { return QString::fromStdString(std::string(history_.UndoLabel())); }

QString ProjectDocument::RedoName() const { return QString::fromStdString(std::string(history_.RedoLabel())); }

bool ProjectDocument::Undo() { return Restore(&UndoHistory::Undo); }

bool ProjectDocument::Redo() { return Restore(&UndoHistory::Redo); }

bool ProjectDocument::Restore(bool (UndoHistory::*step)(ProjectData&)) {
  ProjectData state = project_;
  if (!(history_.*step)(state)) return false;
  restoredByUndo_ = true;
  TakeOver(std::move(state));
  return true;
}

void ProjectDocument::ReplaceProject(const ProjectData& fresh, const QString& path) {
  ProjectData next = fresh;
  ClearKeptValuesOfOptionsOn(next);
  filePath_ = path;
  clean_ = next;
  history_.Reset(next);
  restoredByUndo_ = false;
  analysisCurrent_ = false;
  project_ = std::move(next);
  emit Changed();
}

void ProjectDocument::MarkSaved(const QString& path) {
  filePath_ = path;
  clean_ = project_;
  history_.MarkSaved();
}

std::vector<std::string> ProjectDocument::Analyse(Findings findings) {
  ServiceAnalysis found = AnalyseService(project_);
  results_ = found.results;
  analysisFault_ = std::move(found.fault);
  analysisCurrent_ = true;
  std::vector<std::string> messages = std::move(found.messages);
  if (found.adjustedSlope) {
    if (findings == Findings::refresh && restoredByUndo_) {
      std::erase_if(messages, IsSlopeRuleMessage);
    } else {
      ApplyAdjustedSlope(found.adjustedSlope);
    }
  }
  return messages;
}

bool ProjectDocument::ApplyAdjustedSlope(std::optional<float> adjustedSlope) {
  if (!adjustedSlope) return false;
  return Apply(QString::fromLatin1(kSlopeAdjustedChange),
               [slope = *adjustedSlope](ProjectData& p) { p.backfillSlope = slope; });
}

}  // namespace kelvadrome
