// SPDX-License-Identifier: GPL-3.0-or-later
// Snapshot history of the project for Edit > Undo and Redo.
#include "model/UndoHistory.h"

#include <algorithm>

namespace kelvadrome {

UndoHistory::UndoHistory(std::size_t maximumSteps) : maximumSteps_(std::max<std::size_t>(maximumSteps, 1)) {}

void UndoHistory::Reset(const ProjectData& current) {
  states_.assign(1, current);
  labels_.assign(1, std::string());
  index_ = 0;
  savedIndex_ = 0;
  mergeKey_.clear();
}

bool UndoHistory::Commit(const ProjectData& current, std::string_view mergeKey, std::string_view label) {
  if (states_.empty()) {
    Reset(current);
    return true;
  }
  if (states_[index_] == current) return false;

  states_.resize(index_ + 1);  // a new change ends every redo
  labels_.resize(index_ + 1);
  if (savedIndex_ && *savedIndex_ > index_) savedIndex_.reset();

  const bool merge = !mergeKey.empty() && mergeKey == mergeKey_ && index_ > 0 && savedIndex_ != index_;
  if (merge) {
    states_[index_] = current;
    // Typing and then rubbing out the same letters leaves no step behind.
    if (states_[index_ - 1] == current) {
      states_.pop_back();
      labels_.pop_back();
      --index_;
      mergeKey_.clear();
    }
    return true;
  }

  states_.push_back(current);
  labels_.emplace_back(label);
  ++index_;
  mergeKey_ = std::string(mergeKey);
  if (states_.size() > maximumSteps_ + 1) {
    states_.erase(states_.begin());
    labels_.erase(labels_.begin());
    --index_;
    if (savedIndex_) savedIndex_ = *savedIndex_ == 0 ? std::nullopt : std::optional(*savedIndex_ - 1);
  }
  return true;
}

void UndoHistory::MoveTo(std::size_t index, ProjectData& project) {
  project = states_[index];
  index_ = index;
  mergeKey_.clear();
}

bool UndoHistory::Undo(ProjectData& project) {
  if (!CanUndo()) return false;
  MoveTo(index_ - 1, project);
  return true;
}

bool UndoHistory::Redo(ProjectData& project) {
  if (!CanRedo()) return false;
  MoveTo(index_ + 1, project);
  return true;
}

void UndoHistory::MarkSaved() {
  savedIndex_ = index_;
  mergeKey_.clear();
}

}  // namespace kelvadrome
