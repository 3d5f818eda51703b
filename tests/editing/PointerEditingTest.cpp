// The press, move and release rules of both modes, over the tables, with the feedback
// written down.
#include <gtest/gtest.h>

#include <tuple>

#include "drawing/ViewScale.h"
#include "editing/EditMode.h"
#include "editing/PointerEditing.h"
#include "RecordingFeedback.h"
#include "model/NetChange.h"

namespace {

class PointerEditingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    SetScale(2);  // Pitch 16, ZEPRadius 32
    ZEPCount = 2;
    ZEPPos[1] = {10, 10, 4};  // centre 160,160
    ZEPPos[2] = {20, 10, 3};  // centre 320,160
    InputCount = 1;
    InputPos[1] = {2, 20, 5};
    InputBox[1] = {35, 300, 95, 317};
    OutputCount = 1;
    OutputPos[1] = {30, 20, 1};
    OutputBox[1] = {480, 300, 560, 317};
    CommentCount = 1;
    CommentPos[1] = {2, 30};
    CommentBox[1] = {32, 460, 120, 477};
    DotCount = 1;
    DotPos[1] = {40, 10};
    DotBox[1] = {637, 157, 643, 163};
  }

  static void SetScale(int scale) {
    Scale = scale;
    ComputeViewMetrics();
  }

  void Release(Qt::MouseButton button, int x, int y) { PointerReleased(button, x, y, feedback); }
  void Click(int x, int y) { Release(Qt::LeftButton, x, y); }

  RecordingFeedback feedback;
};

TEST_F(PointerEditingTest, SelectModeFirstClickPicksAndSecondPlaces) {
  // Nothing current, nothing under the pointer: nothing happens.
  Click(700, 700);
  EXPECT_TRUE(feedback.Take().isEmpty());
  EXPECT_FALSE(Edited);

  // A press does nothing in Select mode.
  PointerPressed(Qt::LeftButton, 165, 158, feedback);
  EXPECT_FALSE(Dragging);

  Click(165, 158);
  EXPECT_EQ(feedback.Take(), (QStringList{"Mark ZEP 1 picked-by-release", "PickState on"}));
  EXPECT_EQ(CurZEP, 1);
  EXPECT_TRUE(Picked);
  EXPECT_FALSE(Edited);

  Click(40, 56);
  EXPECT_EQ(feedback.Take(), (QStringList{"RepaintAll", "PickState off"}));
  EXPECT_EQ(ZEPPos[1], (TZEPPos{2, 4, 4})) << "the line length stays";
  EXPECT_EQ(CurZEP, 0);
  EXPECT_FALSE(Picked);
  EXPECT_TRUE(Edited);

  // A picked ZEP clicked onto another ZEP lands on top of it.
  Click(320, 160);
  Click(40, 56);
  EXPECT_EQ(CurZEP, 0);
  EXPECT_EQ(ZEPPos[2], (TZEPPos{2, 4, 3}));

  // Labels, Comments and Dots are picked by their boxes and placed the same way.
  const struct {
    int x, y;
    ElementKind kind;
  } labels[] = {{40, 310, ElementKind::Input},
                {500, 317, ElementKind::Output},
                {32, 460, ElementKind::Comment},
                {643, 163, ElementKind::Dot}};
  for (const auto& l : labels) {
    Click(l.x, l.y);
    EXPECT_EQ(CurrentOf(l.kind), 1) << KindWord(l.kind).toStdString();
    EXPECT_TRUE(Picked);
    Click(88, 88);
    EXPECT_EQ(ElementPoint(l.kind, 1), (TGridPoint{6, 6})) << "5.5 goes to 6";
    EXPECT_FALSE(Picked);
  }
}

TEST_F(PointerEditingTest, TheRightButtonDeselectsOneElementPerClick) {
  CurZEP = 1;
  CurInput = 1;
  CurDot = 1;
  Picked = true;
  Release(Qt::RightButton, 900, 900);
  EXPECT_EQ(feedback.Take(), (QStringList{"Mark ZEP 1 deselected", "PickState off"}));
  EXPECT_FALSE(Picked);
  Release(Qt::RightButton, 900, 900);
  EXPECT_EQ(feedback.Take(), (QStringList{"Mark Input 1 deselected", "PickState off"}));
  Release(Qt::RightButton, 900, 900);
  EXPECT_EQ(feedback.Take(), (QStringList{"Mark Dot 1 deselected", "PickState off"}));
  Release(Qt::RightButton, 900, 900);
  Release(Qt::MiddleButton, 160, 160);
  EXPECT_TRUE(feedback.Take().isEmpty());
  EXPECT_EQ((std::array{CurZEP, CurInput, CurOutput, CurComment, CurDot}), (std::array{0, 0, 0, 0, 0}));
  EXPECT_FALSE(Edited);
}

TEST_F(PointerEditingTest, DragModePressMovesAGhostAndReleasePlaces) {
  ASSERT_TRUE(ToggleDragMode());
  PointerPressed(Qt::LeftButton, 170, 160, feedback);
  EXPECT_TRUE(Dragging);
  EXPECT_TRUE(DragFresh);
  EXPECT_EQ((TGridPoint{DragX, DragY}), (TGridPoint{10, 10}));
  EXPECT_EQ(CurZEP, 1);
  EXPECT_FALSE(Picked);
  EXPECT_EQ(feedback.Take(), QStringList{"Mark ZEP 1 picked-by-press"});

  PointerMoved(167, 152, feedback);  // still grid 10,10
  EXPECT_TRUE(feedback.Take().isEmpty());
  PointerMoved(184, 160, feedback);  // 11.5 -> 12
  PointerMoved(190, 165, feedback);  // still 12,10
  PointerMoved(200, 170, feedback);  // 12.5 -> 12, 10.6 -> 11
  EXPECT_EQ(feedback.Take(), (QStringList{"Ghost ZEPCircle ZEP 1 12,10", "Ghost ZEPCircle ZEP 1 12,11"}));
  EXPECT_FALSE(DragFresh);

  Release(Qt::LeftButton, 200, 170);
  EXPECT_EQ(feedback.Take(), (QStringList{"HideGhost", "RepaintAll", "PickState off"}));
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(ZEPPos[1], (TZEPPos{12, 11, 4}));
  EXPECT_EQ(CurZEP, 0);

  // Press and release on the same point still places, away from the centre it snaps.
  NetSaved();
  PointerPressed(Qt::LeftButton, 200, 176, feedback);  // ZEP 1 now at 192,176
  Release(Qt::LeftButton, 200, 176);
  EXPECT_TRUE(Edited);
  EXPECT_EQ(ZEPPos[1], (TZEPPos{12, 11, 4}));
  ZEPPos[1] = {10, 10, 4};
  PointerPressed(Qt::LeftButton, 170, 160, feedback);
  Release(Qt::LeftButton, 170, 160);
  EXPECT_EQ(ZEPPos[1].X, 11);
  EXPECT_EQ(feedback.Calls.count("RepaintAll"), 2);
}

TEST_F(PointerEditingTest, DragModeTakesTheFirstKindWithoutACurrentElement) {
  ToggleDragMode();
  DotPos[1] = {10, 11};  // a Dot lying on ZEP 1
  DotBox[1] = {157, 173, 163, 179};
  CurZEP = 2;  // already current: the press takes the Dot instead
  PointerPressed(Qt::LeftButton, 160, 175, feedback);
  EXPECT_EQ((TGridPoint{DragX, DragY}), (TGridPoint{10, 11})) << "the last kind hit sets the start";
  EXPECT_EQ(CurZEP, 2);
  EXPECT_EQ(CurDot, 1);
  EXPECT_EQ(feedback.Take(), QStringList{"Mark Dot 1 picked-by-press"});
  Release(Qt::LeftButton, 480, 480);
  EXPECT_EQ(ZEPPos[2], (TZEPPos{30, 30, 3})) << "the release places the first current kind";
  EXPECT_EQ(CurDot, 1);

  // In Drag mode the release itself hits nothing.
  Release(Qt::LeftButton, 160, 160);
  EXPECT_EQ(CurZEP, 0);
  EXPECT_EQ(DotPos[1], (TGridPoint{10, 10}));
}

TEST_F(PointerEditingTest, ARightPressDragsWithoutTakingAnElement) {
  ToggleDragMode();
  PointerPressed(Qt::RightButton, 160, 160, feedback);
  EXPECT_TRUE(Dragging);
  EXPECT_EQ(CurZEP, 0);
  PointerMoved(400, 400, feedback);
  EXPECT_TRUE(feedback.Take().isEmpty()) << "no ghost without a current element";
  Release(Qt::RightButton, 400, 400);
  EXPECT_FALSE(Dragging);

  // A press on empty canvas starts no drag.
  PointerPressed(Qt::LeftButton, 900, 900, feedback);
  EXPECT_FALSE(Dragging);
  PointerMoved(950, 950, feedback);
  EXPECT_TRUE(feedback.Take().isEmpty());
}

TEST_F(PointerEditingTest, TheGhostFollowsTheFirstCurrentKind) {
  struct Case {
    std::array<int, 5> current;  // ZEP, Input, Output, Comment, Dot
    int scale;
    QString ghost;
  };
  const Case cases[] = {
      {{2, 1, 1, 1, 1}, 2, "Ghost ZEPCircle ZEP 2 30,30"},
      {{0, 1, 1, 1, 1}, 2, "Ghost DotCircle Dot 1 30,30"},
      {{0, 1, 1, 1, 0}, 2, "Ghost LabelFrame Output 1 30,30"},
      {{0, 1, 0, 1, 0}, 2, "Ghost LabelFrame Input 1 30,30"},
      {{0, 0, 0, 1, 0}, 2, "Ghost LabelFrame Comment 1 30,30"},
      {{1, 0, 0, 0, 0}, 6, "Ghost ZEPCircle ZEP 1 96,96"},
      {{0, 1, 0, 0, 1}, 6, ""},
  };
  for (const Case& c : cases) {
    SetScale(c.scale);
    std::tie(CurZEP, CurInput, CurOutput, CurComment, CurDot) =
        std::tuple(c.current[0], c.current[1], c.current[2], c.current[3], c.current[4]);
    Dragging = true;
    DragFresh = true;
    DragX = DragY = 0;
    PointerMoved(480, 480, feedback);
    EXPECT_EQ(feedback.Take(), c.ghost.isEmpty() ? QStringList{} : QStringList{c.ghost});
    EXPECT_EQ(DragFresh, c.ghost.isEmpty());
  }
}

TEST_F(PointerEditingTest, TheOpenDialogBlocksPressesAndReleases) {
  ToggleDragMode();
  EditDialogOpen = true;
  CurInput = 1;
  PointerPressed(Qt::LeftButton, 160, 160, feedback);
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(CurZEP, 0);
  Dragging = true;
  Release(Qt::LeftButton, 400, 400);
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(InputPos[1], (TTermPos{2, 20, 5}));
  EXPECT_EQ(CurInput, 1);
}

TEST_F(PointerEditingTest, ACurrentNumberBeyondTheCountIsNoElement) {
  CurZEP = 3;  // left from a bigger net
  CurInput = 1;
  ZEPPos[3] = {1, 1, 1};
  Click(900, 900);
  EXPECT_EQ(CurZEP, 0);
  EXPECT_EQ(ZEPPos[3], (TZEPPos{1, 1, 1}));
  EXPECT_EQ(InputPos[1], (TTermPos{56, 56, 5})) << "the next current kind is placed";
}

TEST_F(PointerEditingTest, TheModeSwitchIsRefusedWhilePicked) {
  Click(160, 160);
  ASSERT_TRUE(Picked);
  EXPECT_FALSE(ToggleDragMode());
  EXPECT_FALSE(DragMode);
  Click(0, 0);
  EXPECT_TRUE(ToggleDragMode());
  EXPECT_TRUE(DragMode);
  CurInput = 1;  // an appended element does not hold the mode
  EXPECT_TRUE(ToggleDragMode());
  EXPECT_FALSE(DragMode);
  EXPECT_EQ(CurInput, 1);

  EXPECT_EQ(ModeLook(false).Caption, "Select(F8)");
  EXPECT_EQ(ModeLook(false).Hint, "to Drag Mode");
  EXPECT_EQ(ModeLook(true).Caption, "Drag(F8)");
  EXPECT_EQ(ModeLook(true).Hint, "to Select Mode");
  EXPECT_TRUE(ModeLook(true).Checked && ModeLook(true).DragCursor);
  EXPECT_FALSE(ModeLook(false).Checked || ModeLook(false).DragCursor);
}

}  // namespace
