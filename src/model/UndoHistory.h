// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the project: a linear history of whole-project snapshots, one per accepted
// change, with a mark on the state that was last saved or opened.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ProjectData.h"

namespace kelvadrome {

class UndoHistory {
 public:
  explicit UndoHistory(std::size_t maximumSteps = 200);

  // Starts a new history whose only state is `current`, marked as saved (Open, New).
  void Reset(const ProjectData& current);

  // Records `current` as the state after a change. Nothing is recorded when it equals the state
  // already at hand. Consecutive commits with the same non-empty merge key form one step (typing
  // a title letter by letter is one change), unless that step is the saved state.
  // Returns true when the history changed.
  // A label names the step for the Edit menu ("optimise" gives "Undo optimise").
  bool Commit(const ProjectData& current, std::string_view mergeKey = {}, std::string_view label = {});

  // Ends the running merge burst: the next commit starts a new step whatever its key.
  void EndMerge() { mergeKey_.clear(); }

  [[nodiscard]] bool CanUndo() const { return index_ > 0; }
  [[nodiscard]] bool CanRedo() const { return index_ + 1 < states_.size(); }
  // The labels of the steps Undo and Redo would take; empty for a step without one.
  [[nodiscard]] std::string_view UndoLabel() const { return CanUndo() ? labels_[index_] : std::string_view(); }
  [[nodiscard]] std::string_view RedoLabel() const { return CanRedo() ? labels_[index_ + 1] : std::string_view(); }

  // Step back or forward: writes the neighbouring state into `project` and returns true, or
  // returns false and leaves it alone.
  bool Undo(ProjectData& project);
  bool Redo(ProjectData& project);

  // The state at hand was saved: it is no longer modified, and undoing back to it later
  // clears the modified mark again.
  void MarkSaved();
  [[nodiscard]] bool IsModified() const { return savedIndex_ != index_; }

  [[nodiscard]] std::size_t StepCount() const { return states_.empty() ? 0 : states_.size() - 1; }

 private:
  void MoveTo(std::size_t index, ProjectData& project);

  std::size_t maximumSteps_;
  std::vector<ProjectData> states_;
  std::vector<std::string> labels_;  // one per state: the step that led to it
  std::size_t index_ = 0;
  std::optional<std::size_t> savedIndex_;  // empty once the saved state left the history
  std::string mergeKey_;
};

}  // namespace kelvadrome
