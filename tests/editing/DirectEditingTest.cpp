// Direct editing on the tables: connecting by dragging, selecting with a box and moving as
// a group, the clipboard keys and pastes, all driven by presses, moves, releases and keys,
// with what the window would show written down.
#include <gtest/gtest.h>

#include <memory>

#include "drawing/Routing.h"
#include "drawing/ViewScale.h"
#include "editing/DirectEditing.h"
#include "editing/GroupEdit.h"
#include "editing/Selection.h"
#include "model/ElementSave.h"
#include "model/NetHistory.h"
#include "netfile/NetWriter.h"
#include "RecordingFeedback.h"
#include "support/ScriptedPrompts.h"
#include "support/TestNet.h"

namespace {

class DirectEditingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    Selection.Clear();
    Scale = 2;  // Pitch 16, ZEPRadius 32, ArrowReach 48, ArrowInset 23
    ComputeViewMetrics();
    PutInput("In1", {2, 10, 5});                          // line end at 112,160
    InputBox[1] = {35, 144, 60, 157};
    PutZEP({"Mix", "Non", "Non", "Non"}, {20, 13, 3});   // centre 320,208; arrow A from 272,160
    PutZEP({"Gain", "Non", "Non", "Non"}, {40, 20, 3});  // centre 640,320
    PutOutput("Out1", {30, 13, 1});                       // line 464..544 at y 208
    OutputBox[1] = {480, 192, 520, 205};
    history = std::make_unique<TNetHistory>();
    history->FollowNetEvents();
    QObject::connect(&NetEvents::Instance(), &NetEvents::Changed,
                     [](const NetChange& change) { SelectionFollowsChange(change.Kind); });
  }
  void TearDown() override { QObject::disconnect(&NetEvents::Instance(), &NetEvents::Changed, nullptr, nullptr); }

  void Drag(QPoint from, std::initializer_list<QPoint> moves, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    DirectPressed(Qt::LeftButton, modifiers, from.x(), from.y(), feedback);
    QPoint last = from;
    for (const QPoint& p : moves) {
      DirectMoved(p.x(), p.y(), feedback);
      last = p;
    }
    DirectReleased(Qt::LeftButton, last.x(), last.y(), prompts, feedback);
  }

  bool Key(int key, std::optional<TGridPoint> pointer = std::nullopt) {
    const TClipboardAccess clipboard{[this](std::unique_ptr<QMimeData> data) { copied = std::move(data); },
                                     [this] { return copied ? NetTextOf(*copied) : QByteArray(); }};
    return DirectKey(key, Qt::ControlModifier, pointer, clipboard, prompts, feedback);
  }

  static QByteArray Section(const char* header) {
    const QByteArray text = NetFileText(QDate(2026, 1, 2));
    const qsizetype from = text.indexOf(QByteArray(header) + "\r\n") + qstrlen(header) + 2;
    return text.mid(from, text.indexOf("\r\n[", from) + 2 - from);
  }

  RecordingFeedback feedback;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetHistory> history;
  std::unique_ptr<QMimeData> copied;
};

TEST_F(DirectEditingTest, DraggingFromAnInputsEndConnectsAsTheDialogWould) {
  Drag({113, 161}, {{200, 170}, {274, 163}});
  EXPECT_EQ(feedback.Take(), (QStringList{"Overlay RubberLine 112,160 200,170 None 0 0,0",
                                          "Overlay RubberLine 112,160 274,163 InputA 1 0,0", "HideOverlay",
                                          "RepaintAll"}));
  EXPECT_EQ(history->UndoCaption(), "Connect input A of ZEP Mix");
  EXPECT_EQ(Section("[ZEP]"), "Mix = 20,13,3,Non,In1,Non\r\nGain = 40,20,3,Non,Non,Non\r\n");
  const auto dragged = std::make_unique<TNetTables>(NetTables);

  // The dialog choosing In1 for input A, saved and closed, gives the same tables.
  history->Undo();
  TZEPEdit edit;
  edit.A = {"In1", FromInput, 0};
  edit.OutLine = 1;
  edit.Name = "Mix";
  SaveZEPEdit(1, edit);
  RebuildRoutes();
  EXPECT_TRUE(NetTables == *dragged);
}

TEST_F(DirectEditingTest, AZEPsLineEndFeedsAnInputOrNamesAnOutputAndAClashIsRefused) {
  // From Mix's output end (368,208) to Gain's input B (arrow from 592,368): delay 0.
  ZEPLink[2].BDelay = 5;
  Drag({366, 206}, {{595, 366}});
  EXPECT_EQ(history->UndoCaption(), "Connect input B of ZEP Gain");
  EXPECT_EQ(ZEPLink[2], (TZEPLink{0, 0, 0, 0, KindZEP, 0, 1, 0}));

  // Onto an Output's line: the Output shows Mix from now on.
  Drag({368, 208}, {{470, 210}});
  EXPECT_EQ(OutputName[1], "Mix");
  EXPECT_EQ(ZEPLink[1].OutIndex, 1);
  EXPECT_EQ(history->UndoCaption(), "Connect Output Out1 to ZEP Mix");

  // Released elsewhere, or cancelled with Escape: nothing changes.
  const auto before = std::make_unique<TNetTables>(NetTables);
  Drag({113, 161}, {{200, 300}});
  DirectPressed(Qt::LeftButton, Qt::NoModifier, 113, 161, feedback);
  DirectMoved(274, 163, feedback);
  EXPECT_TRUE(DirectKey(Qt::Key_Escape, Qt::NoModifier, std::nullopt, {}, prompts, feedback));
  DirectMoved(320, 208, feedback);
  DirectReleased(Qt::LeftButton, 320, 208, prompts, feedback);
  EXPECT_TRUE(NetTables == *before);
  EXPECT_EQ(CurZEP, 0) << "the cancelled drag's release, on Mix, picks nothing";

  // A ZEP that bears an Input's name would read back as the Input.
  ZEPText[2].Name = "in1";
  Drag({113, 161}, {{274, 163}});
  EXPECT_EQ(prompts.Shown, (QStringList{"Warning: Not connected: the name \"In1\" is borne by Input 1 and ZEP 2, and "
                                        "the file would name the first of them. Rename one of them first."}));
  EXPECT_EQ(ZEPLink[1].AKind, KindNone);
}

TEST_F(DirectEditingTest, ABoxSelectsWhatLiesInsideAndTheGroupMovesAsOneStep) {
  // Around In1's label and Mix's circle, not Gain nor the Output's label.
  Drag({20, 100}, {{300, 150}, {400, 260}});
  EXPECT_EQ(feedback.Take(), (QStringList{"Overlay SelectionBox 20,100 300,150 None 0 0,0",
                                          "Overlay SelectionBox 20,100 400,260 None 0 0,0", "HideOverlay",
                                          "Selection ZEP 1, Input 1"}));
  // Shift+click adds the Output; a press on a selected element drags all three.
  Drag({500, 200}, {}, Qt::ShiftModifier);
  EXPECT_EQ(Selection.Count(), 3);
  feedback.Take();
  Drag({330, 200}, {{340, 210}, {362, 234}, {363, 235}});
  // Pressed at grid point 21,12; the ghosts move only when the offset does.
  EXPECT_EQ(feedback.Take(), (QStringList{"Overlay GroupGhost 0,0 0,0 None 0 0,1",
                                          "Overlay GroupGhost 0,0 0,0 None 0 2,3", "HideOverlay", "RepaintAll"}));
  EXPECT_EQ(ZEPPos[1], (TZEPPos{22, 16, 3}));
  EXPECT_EQ(InputPos[1], (TTermPos{4, 13, 5}));
  EXPECT_EQ(OutputPos[1], (TTermPos{32, 16, 1}));
  EXPECT_EQ(ZEPPos[2], (TZEPPos{40, 20, 3}));
  EXPECT_EQ(history->UndoCaption(), "Move 3 elements");
  EXPECT_EQ(Selection.Count(), 3) << "the group stays selected for the next move";

  history->Undo();
  EXPECT_EQ(ZEPPos[1], (TZEPPos{20, 13, 3}));
  EXPECT_TRUE(Selection.Empty());

  // A click on empty canvas clears a selection; with nothing selected it does nothing.
  Key(Qt::Key_A);
  EXPECT_EQ(Selection.Count(), 4);
  Drag({700, 700}, {});
  EXPECT_TRUE(Selection.Empty());
  EXPECT_EQ(history->StepCount(), 1);
}

TEST_F(DirectEditingTest, PickingAndPlacingGoOnWhereTheyActed) {
  // A click on an element with nothing selected picks it; the next press, drag and
  // release on empty canvas place it, as picking and placing always did.
  Drag({320, 208}, {});
  EXPECT_EQ(CurZEP, 1);
  Drag({700, 700}, {{720, 720}, {800, 640}});
  EXPECT_EQ(ZEPPos[1], (TZEPPos{50, 40, 3}));
  EXPECT_TRUE(Selection.Empty());
  EXPECT_EQ(history->UndoCaption(), "Move ZEP Mix");

  // The right button deselects a current element, and offers a menu only when none is.
  AppendElement(ElementKind::Dot, prompts);
  EXPECT_EQ(DirectReleased(Qt::RightButton, 700, 700, prompts, feedback).On, TCanvasMenu::Place::None);
  EXPECT_EQ(CurDot, 0);
  const TCanvasMenu menu = DirectReleased(Qt::RightButton, 700, 705, prompts, feedback);
  EXPECT_EQ(menu.On, TCanvasMenu::Place::Canvas);
  EXPECT_EQ(menu.At, (TGridPoint{44, 44}));
  EXPECT_EQ(DirectReleased(Qt::RightButton, 640, 320, prompts, feedback).Element, (TElementRef{ElementKind::ZEP, 2}));
}

TEST_F(DirectEditingTest, CopyAndPasteRenameClashesAndFollowSources) {
  ZEPText[1] = {"Mix", "Non", "In1", "Gain"};
  ZEPLink[1] = {0, KindInput, 0, 1, KindZEP, 3, 2, 1};
  ZEPText[2].SourceA = "Mix";
  ZEPLink[2] = {0, KindZEP, 0, 1, 0, 0, 0, 0};
  OutputName[1] = "Mix";
  LibFuncName[1] = "Add";
  LibFuncCount = 1;
  ZEPText[2].FuncName = "Add";
  ZEPLink[2].FuncCode = 1;
  RebuildRoutes();
  history = std::make_unique<TNetHistory>();  // the net above is where undo returns to
  history->FollowNetEvents();

  // Mix, Gain, In1 and the Output: every name clashes with the originals.
  Key(Qt::Key_A);
  ASSERT_TRUE(Key(Qt::Key_C));
  EXPECT_TRUE(copied->hasFormat("application/x-plexor-net"));
  EXPECT_EQ(copied->text().toLatin1(), copied->data("application/x-plexor-net"));
  Key(Qt::Key_V);
  EXPECT_EQ(history->UndoCaption(), "Paste 4 elements");
  EXPECT_EQ(Section("[ZEP]"), "Mix = 20,13,3,Non,In1,Gain-3\r\nGain = 40,20,3,Add,Mix,Non\r\n"
                              "Mix2 = 22,15,3,Non,In2,Gain2-3\r\nGain2 = 42,22,3,Add,Mix2,Non\r\n");
  EXPECT_EQ(Section("[InData]"), "In1 = 2,10,5\r\nIn2 = 4,12,5\r\n");
  EXPECT_EQ(Section("[OutData]"), "Mix = 30,13,1\r\nMix2 = 32,15,1\r\n");
  EXPECT_EQ(ZEPLink[3], (TZEPLink{0, KindInput, 0, 2, KindZEP, 3, 4, 2}));
  EXPECT_EQ(Selection.Elements().size(), 4);
  EXPECT_EQ(Selection.Elements().first(), (TElementRef{ElementKind::ZEP, 3}));

  // Mix alone, pasted at a grid point: its sources outside the copy keep their names.
  history->Undo();
  EXPECT_EQ(ZEPCount, 2);
  TElementSet mix;
  mix.Set(ElementKind::ZEP, 1);
  SelectOnly(mix, feedback);
  Key(Qt::Key_C);
  Key(Qt::Key_V, TGridPoint{60, 5});
  EXPECT_EQ(ZEPText[3], (TZEPText{"Mix2", "Non", "In1", "Gain"}));
  EXPECT_EQ(ZEPPos[3], (TZEPPos{60, 5, 3}));
  EXPECT_EQ(ZEPLink[3], (TZEPLink{0, KindInput, 0, 1, KindZEP, 3, 2, 0}));

  // Ctrl+D duplicates beside the original; Ctrl+X takes the copy away again.
  Key(Qt::Key_D);
  EXPECT_EQ(ZEPText[4].Name, "Mix3");
  EXPECT_EQ(ZEPPos[4], (TZEPPos{62, 7, 3}));
  EXPECT_EQ(history->UndoCaption(), "Duplicate 1 element");
  Key(Qt::Key_X);
  EXPECT_EQ(ZEPCount, 3);
  EXPECT_EQ(history->UndoCaption(), "Cut 1 element");
}

TEST_F(DirectEditingTest, ATextFromAnotherNetPastesWhatItCanAndRefusesWhatDoesNotFit) {
  const QByteArray other = "[ZEPList]\r\nLibrary = Sub\r\nUser = Filter\r\n[ZEP]\r\n"
                           "Mix = 5,5,3,Filter,In1,Gone-2\r\nLongNameNumbers = 9,5,3,Sub,Mix-1,Gain\r\n";
  TClipboardAccess clipboard{nullptr, [&] { return other; }};
  ZEPText[2].Name = "longnamenumbers";
  ASSERT_TRUE(DirectKey(Qt::Key_V, Qt::ControlModifier, TGridPoint{1, 1}, clipboard, prompts, feedback));
  EXPECT_EQ(Section("[ZEPList]"), "Library = Sub\r\nUser = Filter\r\n");
  EXPECT_EQ(ZEPText[3], (TZEPText{"Mix2", "Filter", "In1", "Non"}));
  EXPECT_EQ(ZEPText[4], (TZEPText{"LongNameNumber2", "Sub", "Mix2", "Non"}));
  EXPECT_EQ(ZEPLink[4], (TZEPLink{1, KindZEP, 1, 3, 0, 0, 0, 0}));
  EXPECT_EQ(ZEPPos[3], (TZEPPos{1, 1, 3}));

  // A text that holds no net pastes nothing; one that does not fit says where it fails.
  clipboard.Text = [] { return QByteArray("just some words"); };
  EXPECT_TRUE(DirectKey(Qt::Key_V, Qt::ControlModifier, std::nullopt, clipboard, prompts, feedback));
  ZEPCount = MaxZEP - 1;
  const auto before = std::make_unique<TNetTables>(NetTables);
  clipboard.Text = [&] { return other; };
  DirectKey(Qt::Key_V, Qt::ControlModifier, std::nullopt, clipboard, prompts, feedback);
  EXPECT_EQ(prompts.Shown, (QStringList{"Warning: Nothing pasted: the paste holds 2 ZEPs, and the ZEP table has 1 "
                                        "free place left."}));
  EXPECT_TRUE(NetTables == *before);
}

TEST_F(DirectEditingTest, DeleteAsksOnceForTheWholeSelection) {
  Key(Qt::Key_A);
  prompts.Answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(DeleteSelection(prompts, feedback));
  EXPECT_EQ(ZEPCount, 2);
  EXPECT_TRUE(DeleteSelection(prompts, feedback));
  EXPECT_EQ(prompts.Shown, (QStringList{"OkCancel: Delete 4 elements?", "OkCancel: Delete 4 elements?"}));
  EXPECT_EQ(ZEPCount + InputCount + OutputCount, 0);
  EXPECT_EQ(history->UndoCaption(), "Delete 4 elements");
  history->Undo();
  EXPECT_EQ(ZEPText[2].Name, "Gain");
}

}  // namespace
