// Undo history: stepping back and forth, the saved mark, merged title bursts and the size limit.
#include <gtest/gtest.h>

#include "model/UndoHistory.h"

using namespace kelvadrome;

namespace {

ProjectData WithTitle(const std::string& title) {
  ProjectData p;
  SetDefaults(p);
  p.projectTitle = title;
  return p;
}

}  // namespace

TEST(UndoHistory, StepsBackAndForthThroughCommittedStates) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.IsModified());

  p.toeLength = 3;
  EXPECT_TRUE(history.Commit(p));
  p.unitSystem = kSI;
  EXPECT_TRUE(history.Commit(p));
  EXPECT_FALSE(history.Commit(p));  // nothing changed
  EXPECT_EQ(history.StepCount(), 2u);
  EXPECT_TRUE(history.IsModified());

  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.unitSystem, kMetric);
  EXPECT_EQ(p.toeLength, 3.0f);
  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.toeLength, 2.0f);
  EXPECT_FALSE(history.IsModified());
  EXPECT_FALSE(history.Undo(p));

  ASSERT_TRUE(history.Redo(p));
  ASSERT_TRUE(history.Redo(p));
  EXPECT_EQ(p.unitSystem, kSI);
  EXPECT_FALSE(history.Redo(p));

  // A new change after an undo drops the redo branch.
  ASSERT_TRUE(history.Undo(p));
  p.heelLength = 1;
  ASSERT_TRUE(history.Commit(p));
  EXPECT_FALSE(history.CanRedo());
  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.unitSystem, kMetric);
  EXPECT_EQ(p.toeLength, 3.0f);
}

TEST(UndoHistory, KeepsTheFilePathOfTheRunningProgram) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  p.toeLength = 3;
  history.Commit(p);
  p.currentFilePath = "/tmp/wall.kvi";  // Save as
  EXPECT_FALSE(history.Commit(p));      // the path alone is no change of the project
  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.currentFilePath, "/tmp/wall.kvi");
  EXPECT_EQ(p.toeLength, 2.0f);
}

TEST(UndoHistory, SavedMarkFollowsTheSavedState) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  p.toeLength = 3;
  history.Commit(p);
  history.MarkSaved();
  EXPECT_FALSE(history.IsModified());
  p.toeLength = 4;
  history.Commit(p);
  EXPECT_TRUE(history.IsModified());
  history.Undo(p);
  EXPECT_FALSE(history.IsModified());
  history.Undo(p);
  EXPECT_TRUE(history.IsModified());

  // The saved state lost from the history: modified whatever follows.
  p.heelLength = 1;
  history.Commit(p);
  history.Undo(p);
  EXPECT_TRUE(history.IsModified());

  history.Reset(p);  // Open or New
  EXPECT_FALSE(history.IsModified());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
}

TEST(UndoHistory, TitleTypingIsOneStepPerBurst) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  for (const char* title : {"W", "Wa", "Wal", "Wall"}) {
    p.projectTitle = title;
    history.Commit(p, "title");
  }
  EXPECT_EQ(history.StepCount(), 1u);

  history.EndMerge();
  p.projectTitle = "Wall 2";
  history.Commit(p, "title");
  p.toeLength = 3;  // another kind of change ends the burst too
  history.Commit(p);
  p.projectTitle = "Wall 23";
  history.Commit(p, "title");
  EXPECT_EQ(history.StepCount(), 4u);

  history.Undo(p);
  history.Undo(p);
  history.Undo(p);
  EXPECT_EQ(p.projectTitle, "Wall");
  history.Undo(p);
  EXPECT_EQ(p.projectTitle, "");
}

TEST(UndoHistory, TitleBurstDoesNotSwallowTheSavedState) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  p.projectTitle = "A";
  history.Commit(p, "title");
  history.MarkSaved();
  p.projectTitle = "AB";
  history.Commit(p, "title");
  EXPECT_TRUE(history.IsModified());
  history.Undo(p);
  EXPECT_EQ(p.projectTitle, "A");
  EXPECT_FALSE(history.IsModified());
}

TEST(UndoHistory, TypingBackToThePreviousTitleLeavesNoStep) {
  UndoHistory history;
  ProjectData p = WithTitle("Wall");
  history.Reset(p);
  p.projectTitle = "Walls";
  history.Commit(p, "title");
  p.projectTitle = "Wall";
  history.Commit(p, "title");
  EXPECT_EQ(history.StepCount(), 0u);
  EXPECT_FALSE(history.IsModified());
}

TEST(UndoHistory, OldestStepsGoBeyondTheLimit) {
  UndoHistory history(3);
  ProjectData p = WithTitle("");
  history.Reset(p);
  for (int i = 1; i <= 5; ++i) {
    p.toeLength = float(i);
    history.Commit(p);
  }
  EXPECT_EQ(history.StepCount(), 3u);
  while (history.Undo(p)) {
  }
  EXPECT_EQ(p.toeLength, 2.0f);
  EXPECT_TRUE(history.IsModified());  // the saved state was dropped
}

TEST(UndoHistory, AmendedConsequencesAreUndoneWithTheirStep) {
  UndoHistory history;
  ProjectData p = WithTitle("");
  history.Reset(p);
  p.backfillFrictionAngle = 10;
  history.Commit(p);
  p.backfillSlope = 6;  // the engine flattens the slope the new angle made too steep
  EXPECT_TRUE(history.Amend(p));
  EXPECT_FALSE(history.Amend(p));
  EXPECT_EQ(history.StepCount(), 1u);
  history.Undo(p);
  EXPECT_EQ(p.backfillFrictionAngle, 30.0f);
  EXPECT_EQ(p.backfillSlope, 5.0f);
  history.Redo(p);
  EXPECT_EQ(p.backfillSlope, 6.0f);
}
