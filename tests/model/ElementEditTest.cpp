// Appending elements within their limits, and deleting the current ones with their
// confirmations, the closed gap and the renumbered references.
#include <gtest/gtest.h>

#include "model/ElementEdit.h"
#include "support/ScriptedPrompts.h"

namespace {

class ElementEditTest : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }

  static void AddZEPs(int n) {
    for (int i = 1; i <= n; ++i) {
      ZEPText[i].Name = QStringLiteral("Z%1").arg(i);
      ZEPPos[i] = {10 * i, 20 + i, i};
    }
    ZEPCount = n;
  }

  ScriptedPrompts prompts;
};

TEST_F(ElementEditTest, AppendRefusesAFullTableWithItsMessage) {
  struct Case {
    ElementKind kind;
    int zeps;
    int count;  // elements of the kind already there
    bool refused;
  };
  const Case cases[] = {
      {ElementKind::ZEP, 255, 255, false},     {ElementKind::ZEP, 256, 256, true},
      {ElementKind::Input, 0, 0, true},        {ElementKind::Input, 3, 5, false},
      {ElementKind::Input, 3, 6, true},        {ElementKind::Input, 256, 511, false},
      {ElementKind::Input, 256, 512, true},    {ElementKind::Output, 0, 0, false},
      {ElementKind::Output, 0, 1, true},       {ElementKind::Output, 3, 3, false},
      {ElementKind::Output, 3, 4, true},       {ElementKind::Output, 256, 256, true},
      {ElementKind::Comment, 0, 31, false},    {ElementKind::Comment, 0, 32, true},
      {ElementKind::Dot, 0, 63, false},        {ElementKind::Dot, 0, 64, true},
  };
  for (const Case& c : cases) {
    ResetNetDef();
    ScriptedPrompts ask;
    ZEPCount = c.zeps;
    if (c.kind != ElementKind::ZEP) {
      int* counts[] = {&ZEPCount, &InputCount, &OutputCount, &CommentCount, &DotCount};
      *counts[static_cast<int>(c.kind)] = c.count;
    }
    SCOPED_TRACE(KindWord(c.kind).toStdString() + " with " + std::to_string(c.count));
    EXPECT_EQ(AppendElement(c.kind, ask), !c.refused);
    EXPECT_EQ(CountOf(c.kind), c.refused ? c.count : c.count + 1);
    EXPECT_EQ(Edited, !c.refused);
    if (c.refused) {
      EXPECT_EQ(ask.Shown, QStringList{"Warning: Sorry! The system cannot append any more " +
                                       KindWord(c.kind) + " !"});
      EXPECT_EQ(CurrentOf(c.kind), 0);
    } else {
      EXPECT_TRUE(ask.Shown.isEmpty());
      EXPECT_EQ(CurrentOf(c.kind), CountOf(c.kind));
    }
  }
}

TEST_F(ElementEditTest, AppendFillsTheDefaultsAndMakesOnlyItsKindCurrent) {
  AddZEPs(1);
  ZEPLink[2].AIndex = 9;  // a stale record is overwritten
  CurInput = 0;
  CurDot = 0;
  CurComment = 0;
  Picked = true;
  InputBox[1] = {5, 6, 70, 80};  // left behind by an earlier net

  ASSERT_TRUE(AppendElement(ElementKind::ZEP, prompts));
  EXPECT_EQ(ZEPText[2].Name, "New");
  EXPECT_EQ(ZEPText[2].FuncName, "Non");
  EXPECT_EQ(ZEPText[2].SourceA, "Non");
  EXPECT_EQ(ZEPText[2].SourceB, "Non");
  EXPECT_EQ(ZEPLink[2], (TZEPLink{101, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ZEPPos[2], (TZEPPos{30, 5, 3}));

  ASSERT_TRUE(AppendElement(ElementKind::Input, prompts));
  EXPECT_EQ(InputName[1], "New_Input");
  EXPECT_EQ(InputPos[1], (TTermPos{25, 5, 5}));
  EXPECT_EQ(InputBox[1].Left, 0);
  EXPECT_GT(InputBox[1].Left, InputBox[1].Right) << "no pointer hits a label not drawn yet";

  ASSERT_TRUE(AppendElement(ElementKind::Output, prompts));
  EXPECT_EQ(OutputName[1], "New_Output");
  EXPECT_EQ(OutputPos[1], (TTermPos{25, 5, 1}));
  EXPECT_EQ(OutputBox[1].Left, 0);

  ASSERT_TRUE(AppendElement(ElementKind::Comment, prompts));
  EXPECT_EQ(CommentText[1], "New Comment");
  EXPECT_EQ(CommentPos[1], (TGridPoint{25, 2}));

  ASSERT_TRUE(AppendElement(ElementKind::Dot, prompts));
  EXPECT_EQ(DotPos[1], (TGridPoint{25, 2}));
  EXPECT_EQ(DotBox[1].Left, 0);

  EXPECT_EQ((std::array{CurZEP, CurInput, CurOutput, CurComment, CurDot}), (std::array{2, 1, 1, 1, 1}));
  EXPECT_TRUE(Picked) << "appending leaves the pick alone";
  EXPECT_TRUE(prompts.Shown.isEmpty());

  // A second Comment becomes current; the first stays where its default put it.
  CommentPos[1] = {25, 2};
  ASSERT_TRUE(AppendElement(ElementKind::Comment, prompts));
  EXPECT_EQ(CurComment, 2);
  EXPECT_EQ(CommentPos[1], (TGridPoint{25, 2}));
  EXPECT_EQ(CommentCount, 2);
}

TEST_F(ElementEditTest, DeletingAZEPDropsAndRenumbersTheReferencesToIt) {
  AddZEPs(3);
  ZEPLink[1] = {101, KindZEP, 2, 2, KindZEPNoDelay, 0, 3, 0};
  ZEPLink[3] = {5, KindInput, 4, 2, KindZEP, 1, 1, 2};
  ZEPText[1].SourceA = "Z2-2";
  CurZEP = 2;

  DeleteElement(ElementKind::ZEP, 2);

  EXPECT_EQ(ZEPCount, 2);
  EXPECT_EQ(ZEPLink[1], (TZEPLink{101, KindNone, 2, 0, KindZEPNoDelay, 0, 2, 0}))
      << "the fed input loses kind and index and keeps its delay";
  EXPECT_EQ(ZEPText[1].SourceA, "Z2-2") << "names stay as written";
  EXPECT_EQ(ZEPText[2].Name, "Z3");
  EXPECT_EQ(ZEPPos[2], (TZEPPos{30, 23, 3}));
  EXPECT_EQ(ZEPLink[2], (TZEPLink{5, KindInput, 4, 2, KindZEP, 1, 1, 2}))
      << "Input sources and the fed Output are not ZEP references";
  EXPECT_EQ(CurZEP, 0);
}

TEST_F(ElementEditTest, DeletingAnInputRenumbersOnlyInputSources) {
  AddZEPs(3);
  InputCount = 3;
  for (int i = 1; i <= 3; ++i) {
    InputName[i] = QStringLiteral("I%1").arg(i);
    InputPos[i] = {1, 4 * i, i + 1};
    InputBox[i] = {i, i, i + 10, i + 10};
  }
  ZEPLink[1] = {0, KindInput, 0, 1, KindInput, 0, 3, 0};
  ZEPLink[2] = {0, KindZEP, 0, 1, KindZEP, 0, 3, 0};
  CurInput = 1;
  Picked = true;

  DeleteElement(ElementKind::Input, 1);

  EXPECT_EQ(ZEPLink[1], (TZEPLink{0, KindNone, 0, 0, KindInput, 0, 2, 0}));
  EXPECT_EQ(ZEPLink[2], (TZEPLink{0, KindZEP, 0, 1, KindZEP, 0, 3, 0}));
  EXPECT_EQ(InputCount, 2);
  EXPECT_EQ(InputName[1], "I2");
  EXPECT_EQ(InputPos[2], (TTermPos{1, 12, 4}));
  EXPECT_EQ(InputBox[2], (TLabelBox{3, 3, 13, 13}));
  EXPECT_FALSE(Picked);
}

TEST_F(ElementEditTest, DeletingAnOutputRenumbersTheOutputsTheZEPsFeed) {
  AddZEPs(4);
  OutputCount = 3;
  for (int i = 1; i <= 3; ++i) OutputName[i] = QStringLiteral("O%1").arg(i);
  ZEPLink[1].OutIndex = 1;
  ZEPLink[2].OutIndex = 2;
  ZEPLink[3].OutIndex = 3;
  ZEPLink[4].OutIndex = 0;

  DeleteElement(ElementKind::Output, 2);

  EXPECT_EQ(OutputCount, 2);
  EXPECT_EQ(OutputName[2], "O3");
  EXPECT_EQ((std::array{ZEPLink[1].OutIndex, ZEPLink[2].OutIndex, ZEPLink[3].OutIndex, ZEPLink[4].OutIndex}),
            (std::array{1, 0, 2, 0}));
  for (int i = 1; i <= ZEPCount; ++i) EXPECT_LE(ZEPLink[i].OutIndex, OutputCount);
}

TEST_F(ElementEditTest, DeletingCommentsAndDotsClosesTheGapWithEveryRecord) {
  CommentCount = 3;
  DotCount = 2;
  for (int i = 1; i <= 3; ++i) {
    CommentText[i] = QString(127, QChar('a' + i));
    CommentPos[i] = {i, i};
    CommentBox[i] = {i, 0, i, 0};
  }
  DotPos[1] = {1, 1};
  DotPos[2] = {2, 2};
  DotBox[2] = {7, 8, 9, 10};

  DeleteElement(ElementKind::Comment, 1);
  DeleteElement(ElementKind::Dot, 2);  // the last one: nothing moves

  EXPECT_EQ(CommentCount, 2);
  EXPECT_EQ(CommentText[1].Length(), 127);
  EXPECT_EQ(CommentText[1], QString(127, 'c'));
  EXPECT_EQ(CommentPos[2], (TGridPoint{3, 3}));
  EXPECT_EQ(CommentBox[1], (TLabelBox{2, 0, 2, 0}));
  EXPECT_EQ(DotCount, 1);
  EXPECT_EQ(DotPos[1], (TGridPoint{1, 1}));
}

TEST_F(ElementEditTest, DeleteAsksForEachCurrentKindInOrder) {
  AddZEPs(2);
  InputCount = 2;
  CurZEP = 1;
  CurInput = 2;
  CurDot = 0;
  EditDialogOpen = true;
  prompts.Answers = {Answer::Cancel, Answer::Ok};
  QList<ElementKind> deleted;

  DeleteCurrentElements(prompts, [&](ElementKind kind) { deleted << kind; });

  EXPECT_EQ(prompts.Shown, (QStringList{"OkCancel: Do you DELETE the directed ZEP ?",
                                        "OkCancel: Do you DELETE the directed Input ?"}));
  EXPECT_EQ(deleted, QList<ElementKind>{ElementKind::Input});
  EXPECT_EQ(ZEPCount, 2);
  EXPECT_EQ(CurZEP, 1) << "a cancelled element stays current";
  EXPECT_EQ(InputCount, 1);
  EXPECT_EQ(CurInput, 0);
  EXPECT_FALSE(EditDialogOpen);
  EXPECT_TRUE(Edited) << "the command as a whole is one change of the net";

  // All five kinds, every one confirmed.
  ResetNetDef();
  AddZEPs(1);
  InputCount = OutputCount = CommentCount = DotCount = 1;
  CurZEP = CurInput = CurOutput = CurComment = CurDot = 1;
  ScriptedPrompts all;
  all.Answers = {Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok};
  DeleteCurrentElements(all, nullptr);
  EXPECT_EQ(all.Shown.size(), 5);
  EXPECT_EQ(all.Shown.last(), "OkCancel: Do you DELETE the directed Dot ?");
  EXPECT_EQ((std::array{ZEPCount, InputCount, OutputCount, CommentCount, DotCount}), (std::array{0, 0, 0, 0, 0}));
}

TEST_F(ElementEditTest, DeleteWithNothingCurrentOnlyClosesTheDialogFlag) {
  AddZEPs(2);
  InputCount = 1;
  CurInput = 3;  // left from a bigger net: names no Input of this one
  EditDialogOpen = true;

  DeleteCurrentElements(prompts, [](ElementKind) { ADD_FAILURE() << "nothing to delete"; });

  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_EQ(InputCount, 1);
  EXPECT_EQ(CurInput, 0);
  EXPECT_FALSE(Edited);
  EXPECT_FALSE(EditDialogOpen);
}

TEST_F(ElementEditTest, OutputsStayWhenTheZEPsThatAllowedThemAreDeleted) {
  AddZEPs(3);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(AppendElement(ElementKind::Output, prompts));
  EXPECT_FALSE(AppendElement(ElementKind::Output, prompts));
  DeleteElement(ElementKind::ZEP, 1);
  DeleteElement(ElementKind::ZEP, 1);
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_EQ(OutputCount, 4);
}

}  // namespace
