// SPDX-License-Identifier: GPL-3.0-or-later
// Undo history: stepping back and forth, the saved mark, merged title bursts and the size limit.
// Step names and bursts typed into the title box are checked through the window in
// UndoCommandsTest.
#include <gtest/gtest.h>

#include "model/UndoHistory.h"

using namespace kelvadrome;

namespace {

// A history reset to the default project, as after New.
class UndoHistoryTest : public ::testing::Test {
 protected:
  UndoHistoryTest() {
    SetDefaults(p);
    history.Reset(p);
  }
  void CommitToe(float value) {
    p.toeLength = value;
    history.Commit(p);
  }
  void TypeTitle(const char* title) {
    p.projectTitle = title;
    history.Commit(p, "title");
  }

  UndoHistory history{200};
  ProjectData p;
};

}  // namespace

TEST_F(UndoHistoryTest, StepsBackAndForthThroughCommittedStates) {
  EXPECT_FALSE(history.CanUndo());
  CommitToe(3);
  p.unitSystem = kSI;
  EXPECT_TRUE(history.Commit(p));
  EXPECT_FALSE(history.Commit(p));  // nothing changed
  EXPECT_EQ(history.StepCount(), 2u);

  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.unitSystem, kMetric);
  EXPECT_EQ(p.toeLength, 3.0f);
  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.toeLength, 2.0f);
  EXPECT_FALSE(history.Undo(p));
  ASSERT_TRUE(history.Redo(p));
  ASSERT_TRUE(history.Redo(p));
  EXPECT_EQ(p.unitSystem, kSI);
  EXPECT_FALSE(history.Redo(p));

  // A new change after an undo drops the redo branch, and with it the saved state.
  history.MarkSaved();
  ASSERT_TRUE(history.Undo(p));
  p.heelLength = 1;
  ASSERT_TRUE(history.Commit(p));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_TRUE(history.IsModified());
  ASSERT_TRUE(history.Undo(p));
  EXPECT_EQ(p.toeLength, 3.0f);
  EXPECT_TRUE(history.IsModified());
}

TEST_F(UndoHistoryTest, TitleBurstKeepsTheSavedStateAndTypingBackLeavesNoStep) {
  TypeTitle("A");
  history.MarkSaved();
  TypeTitle("AB");
  EXPECT_TRUE(history.IsModified());
  history.Undo(p);
  EXPECT_EQ(p.projectTitle, "A");
  EXPECT_FALSE(history.IsModified());

  history.Reset(p);
  TypeTitle("As");
  TypeTitle("A");
  EXPECT_EQ(history.StepCount(), 0u);
  EXPECT_FALSE(history.IsModified());
}

TEST_F(UndoHistoryTest, OldestStepsGoBeyondTheLimit) {
  history = UndoHistory(3);
  history.Reset(p);
  for (int i = 1; i <= 5; ++i) CommitToe(float(i));
  EXPECT_EQ(history.StepCount(), 3u);
  while (history.Undo(p)) {
  }
  EXPECT_EQ(p.toeLength, 2.0f);
  EXPECT_TRUE(history.IsModified());  // the saved state was dropped
}
