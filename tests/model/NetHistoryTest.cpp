// The history keeps its last StepLimit steps: the oldest go, and with them the state that
// was saved, so undoing as far as possible still leaves the net edited.
#include <gtest/gtest.h>

#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"

TEST(NetHistory, BeyondTheLimitTheOldestStepsGo) {
  ResetNetDef();
  DotCount = 1;
  TNetHistory history;
  history.FollowNetEvents();
  NetChanged(NetChangeKind::Load);
  for (int x = 1; x <= TNetHistory::StepLimit + 1; ++x) {
    DotPos[1].X = x;
    NetChanged(NetChangeKind::Place, QStringLiteral("Move Dot 1"));
  }
  EXPECT_EQ(history.StepCount(), TNetHistory::StepLimit);
  while (history.Undo()) {
  }
  EXPECT_EQ(DotPos[1].X, 1);  // the first step is gone
  EXPECT_TRUE(Edited);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.RedoCaption(), "Move Dot 1");
}

TEST(NetHistory, AnUndoOverAChangeNeverAnnouncedStopsADebugBuild) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ResetNetDef();
  DotCount = 1;
  TNetHistory history;
  history.FollowNetEvents();
  DotPos[1].X = 5;
  NetChanged(NetChangeKind::Place, QStringLiteral("Move Dot 1"));
  EXPECT_FALSE(history.HoldsUnannouncedChange());
  DotPos[1].Y = 7;  // changed without a word
  EXPECT_TRUE(history.HoldsUnannouncedChange());
  EXPECT_DEBUG_DEATH(history.Undo(), "without NetChanged");
}
