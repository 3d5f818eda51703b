// Editing on the real canvas as a user does it: clicks, drags and keys on the shown main
// window, with the message boxes answered from a script.
#include <QAction>
#include <QKeyEvent>
#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/ElementCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "editing/PointerGrid.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

// Writes down the areas the canvas repaints.
class PaintProbe : public QObject {
public:
  QList<QRegion> Painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) Painted << static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QList<QRegion> Take() {
    QList<QRegion> taken = Painted;
    Painted.clear();
    return taken;
  }
};

qint64 Area(const QRegion& region) {
  qint64 area = 0;
  for (const QRect& r : region) area += qint64(r.width()) * r.height();
  return area;
}

class EditingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(tmp.Path(), nullptr);
    form->SetPrompts(&prompts);
    editForm = std::make_unique<TNetEditForm>(form.get());
    form->SetEditForm(editForm.get());
    form->show();
    form->setEnabled(true);  // as after "Start"
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    canvas = Probe(form).PaintBox();
    canvas->installEventFilter(&probe);

    // Scale 2: 16 pixels a unit, ZEP radius 32.
    ZEPCount = 2;
    ZEPPos[1] = {10, 10, 4};
    ZEPPos[2] = {20, 10, 3};
    for (int i = 1; i <= 2; ++i) ZEPText[i] = {QStringLiteral("Z%1").arg(i), "Non", "Non", "Non"};
    InputCount = 1;
    InputName[1] = "In1";
    InputPos[1] = {4, 20, 5};
    DotCount = 1;
    DotPos[1] = {30, 20};
    form->View().PaintBoxPaint();
    Settle();
  }

  void TearDown() override {
    canvas->removeEventFilter(&probe);
    editForm.reset();
    form.reset();
  }

  static void Settle() { QCoreApplication::processEvents(); }

  void Press(Qt::MouseButton b, QPoint p) { QTest::mousePress(canvas, b, {}, p); Settle(); }
  void Move(QPoint p) { QTest::mouseMove(canvas, p); Settle(); }
  void Release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(canvas, b, {}, p); Settle(); }
  void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Press(b, p);
    Release(b, p);
  }
  // A key as the user types it: to the control with the focus, or to the window.
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    Settle();
  }

  QImage Screen(const QRect& canvasRect) {
    const QPoint topLeft = canvas->mapTo(form.get(), canvasRect.topLeft());
    return form->screen()
        ->grabWindow(form->winId(), topLeft.x(), topLeft.y(), canvasRect.width(), canvasRect.height())
        .toImage();
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  std::unique_ptr<TNetEditForm> editForm;
  PaintBoxWidget* canvas = nullptr;
  PaintProbe probe;
};

TEST_F(EditingTest, SelectModeClickPicksAndTheNextClickPlaces) {
  Click({700, 400});  // nothing there, nothing current
  EXPECT_FALSE(Edited);
  EXPECT_FALSE(Picked);

  probe.Take();
  Click({165, 158});
  EXPECT_EQ(CurZEP, 1);
  EXPECT_TRUE(Picked);
  EXPECT_TRUE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_FALSE(Probe(form).DragBtn()->isEnabled());
  EXPECT_EQ(form->focusWidget(), Probe(form).ScrollBox());
  // The highlight repaints only the ZEP's own square.
  const QList<QRegion> pick = probe.Take();
  ASSERT_FALSE(pick.isEmpty());
  for (const QRegion& r : pick) EXPECT_LE(Area(r), 80 * 80);

  Click({40, 56});
  EXPECT_EQ(ZEPPos[1], (TZEPPos{2, 4, 4}));
  EXPECT_EQ(CurZEP, 0);
  EXPECT_FALSE(Picked);
  EXPECT_TRUE(Edited);
  EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  const QList<QRegion> place = probe.Take();
  ASSERT_FALSE(place.isEmpty());
  EXPECT_EQ(place.last().boundingRect(), canvas->visibleRegion().boundingRect()) << "placing repaints it all";

  // Enter opens the properties dialog for a picked element, and does nothing otherwise.
  Key(Qt::Key_Return);
  EXPECT_FALSE(editForm->isVisible());
  Click({320, 160});
  Key(Qt::Key_Return);
  EXPECT_TRUE(editForm->isVisible());
}

// A double-click opens the properties dialog of the element its first click picked, and its
// second click does not place the element again: it stays where it stands. In Drag mode
// the first click places it, as every click there does.
TEST_F(EditingTest, ADoubleClickOpensThePropertiesAndLeavesTheElementWhereItStands) {
  const auto doubleClick = [&](QPoint p) {
    Click(p);
    Press(Qt::LeftButton, p);
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, p);  // as the window system follows the press
    Settle();
    Release(Qt::LeftButton, p);
  };
  doubleClick({170, 150});
  EXPECT_TRUE(editForm->isVisible());
  EXPECT_EQ(ZEPPos[1], (TZEPPos{10, 10, 4}));
  EXPECT_EQ(CurZEP, 1);
  EXPECT_FALSE(Edited);
  QTest::mouseClick(editForm->ExitBtn, Qt::LeftButton);
  ASSERT_FALSE(editForm->isVisible());

  Key(Qt::Key_F8);
  doubleClick({325, 150});
  EXPECT_TRUE(editForm->isVisible());
  EXPECT_EQ(ZEPPos[2], (TZEPPos{20, 9, 3}));
  EXPECT_EQ(CurZEP, 2);
  QTest::mouseClick(editForm->ExitBtn, Qt::LeftButton);

  // A double-click on empty canvas is two clicks: the second picks what the first placed.
  Key(Qt::Key_F8);
  Click({165, 158});
  doubleClick({600, 400});
  EXPECT_FALSE(editForm->isVisible());
  EXPECT_EQ(CurZEP, 1);
  EXPECT_EQ(ZEPPos[1], (TZEPPos{38, 25, 4}));
}

TEST_F(EditingTest, AZEPIsPickedOverACurrentInputAndPlacedFirst) {
  Click(QPoint(InputBox[1].Left, InputBox[1].Bottom));  // the box corner counts
  ASSERT_EQ(CurInput, 1);
  Click({320, 165});
  EXPECT_EQ(CurZEP, 2);
  Click({480, 480});
  EXPECT_EQ(ZEPPos[2], (TZEPPos{30, 30, 3}));
  EXPECT_EQ(CurInput, 1);
  EXPECT_FALSE(Picked);
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  Click({640, 600});
  EXPECT_EQ(InputPos[1], (TTermPos{40, 38, 5}));  // 37.5 goes to 38
  EXPECT_EQ(CurInput, 0);
}

TEST_F(EditingTest, TheRightButtonDeselectsWithoutARepaint) {
  Click({480, 320});  // picks the Dot
  ASSERT_EQ(CurDot, 1);
  probe.Take();
  Click({10, 10}, Qt::RightButton);
  EXPECT_EQ(CurDot, 0);
  EXPECT_FALSE(Picked);
  EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  for (const QRegion& r : probe.Take()) EXPECT_LE(Area(r), 20 * 20);
  EXPECT_EQ(DotPos[1], (TGridPoint{30, 20}));
  EXPECT_EQ(canvas->Marks(), (QList<TMark>{{ElementKind::Dot, 1, MarkLook::Deselected}}));

  // A repaint of the whole view ends the marks.
  form->View().PaintBoxPaint();
  EXPECT_TRUE(canvas->Marks().isEmpty());
}

TEST_F(EditingTest, DragModeShowsTheGhostOnlyOnGridChangesAndLeavesNoMarks) {
  Key(Qt::Key_F8);
  ASSERT_TRUE(DragMode);
  EXPECT_EQ(Probe(form).DragBtn()->text(), "Drag(F8)");
  EXPECT_EQ(Probe(form).DragBtn()->toolTip(), "to Select Mode");
  EXPECT_TRUE(Probe(form).DragSelect()->isChecked());
  EXPECT_EQ(canvas->cursor().shape(), Qt::DragMoveCursor);

  const QRect zep2(320 - 40, 160 - 40, 81, 81);
  const QImage before = Screen(zep2);
  ASSERT_FALSE(before.isNull());

  Press(Qt::LeftButton, {170, 160});
  EXPECT_TRUE(Dragging);
  EXPECT_EQ(CurZEP, 1);
  EXPECT_FALSE(Picked);
  probe.Take();

  Move({167, 163});  // same grid point: nothing drawn
  EXPECT_TRUE(probe.Take().isEmpty());
  EXPECT_FALSE(canvas->Ghost().has_value());

  QList<qint64> areas;
  for (int x = 208; x <= 528; x += 16) {
    Move({x, 160});
    Move({x + 3, 162});  // within the same grid point
    const QList<QRegion> painted = probe.Take();
    ASSERT_EQ(painted.size(), 1) << "one repaint per grid change, at x " << x;
    areas << Area(painted.first());
  }
  for (qint64 a : areas) EXPECT_LE(a, 2 * 69 * 69) << "the old and the new ghost square only";
  ASSERT_TRUE(canvas->Ghost().has_value());
  EXPECT_EQ(canvas->Ghost()->At, (TGridPoint{33, 10}));

  // The ghost crossed ZEP 2 and left it as it was.
  EXPECT_EQ(Screen(zep2), before);

  Release(Qt::LeftButton, {531, 162});
  EXPECT_FALSE(Dragging);
  EXPECT_FALSE(canvas->Ghost().has_value());
  EXPECT_EQ(ZEPPos[1], (TZEPPos{33, 10, 4}));
  EXPECT_TRUE(Edited);
  EXPECT_FALSE(Picked);
  EXPECT_EQ(probe.Take().last().boundingRect(), canvas->visibleRegion().boundingRect());

  Key(Qt::Key_F8);
  EXPECT_FALSE(DragMode);
  EXPECT_EQ(Probe(form).DragBtn()->text(), "Select(F8)");
  EXPECT_EQ(Probe(form).DragBtn()->toolTip(), "to Drag Mode");
  EXPECT_FALSE(Probe(form).DragSelect()->isChecked());
  EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EditingTest, TheModeStaysWhilePicked) {
  Click({160, 160});
  ASSERT_TRUE(Picked);
  Key(Qt::Key_F8);
  EXPECT_FALSE(DragMode);
  EXPECT_FALSE(Probe(form).DragSelect()->isChecked());
  Probe(form).DragSelect()->trigger();  // the menu item checks itself; the mode still holds
  EXPECT_FALSE(DragMode);
  EXPECT_FALSE(Probe(form).DragSelect()->isChecked());
  EXPECT_EQ(Probe(form).DragBtn()->text(), "Select(F8)");
}

TEST_F(EditingTest, TheNumberViewPicksOnlyZEPs) {
  for (int i = 0; i < 4; ++i) Key(Qt::Key_PageDown);
  ASSERT_EQ(Scale, 6);
  ASSERT_TRUE(NumberView);
  Click({150, 150});  // Dot 1 at 150,100 is not picked; ZEP 1 at 50,50 is not hit
  Click({150, 100});
  EXPECT_EQ(CurDot, 0);
  EXPECT_FALSE(Picked);
  Click({55, 45});
  EXPECT_EQ(CurZEP, 1);
  Click({100, 100}, Qt::RightButton);
  EXPECT_EQ(CurZEP, 0);
  form->Elements().AddOutputClick();
  Click({100, 100}, Qt::RightButton);
  EXPECT_EQ(CurOutput, 1) << "only ZEPs are deselected in the number view";
  Click({200, 150});
  EXPECT_EQ(OutputPos[1].X, 40);
  EXPECT_EQ(OutputPos[1].Y, 30);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Scale, 5);
}

TEST_F(EditingTest, AReleaseOutsideTheCanvasPlacesAtTheRoundedPoint) {
  // Through the window, as the window system delivers it: the canvas keeps the pointer
  // from the press to the release, wherever the release happens.
  QWindow* window = form->windowHandle();
  const QPoint onZEP = canvas->mapTo(form.get(), QPoint(160, 160));
  const QPoint overToolPanel = Probe(form).IconPnl()->mapTo(form.get(), QPoint(40, 5));
  Key(Qt::Key_F8);
  QTest::mousePress(window, Qt::LeftButton, {}, onZEP);
  QTest::mouseMove(window, overToolPanel);
  QTest::mouseRelease(window, Qt::LeftButton, {}, overToolPanel);
  const QPoint released = canvas->mapFrom(form.get(), overToolPanel);
  ASSERT_LT(released.y(), 0);
  EXPECT_EQ(ZEPPos[1].X, PixelToGrid(released.x(), 16));
  EXPECT_EQ(ZEPPos[1].Y, PixelToGrid(released.y(), 16)) << released.y();
  EXPECT_LT(ZEPPos[1].Y, 0);
  EXPECT_FALSE(Dragging);

  // In Select mode too: a picked Dot goes left of the canvas.
  Key(Qt::Key_F8);
  Click({480, 320});
  ASSERT_EQ(CurDot, 1);
  Press(Qt::LeftButton, {480, 320});
  Release(Qt::LeftButton, {-40, -56});
  EXPECT_EQ(DotPos[1], (TGridPoint{-2, -4}));
}

TEST_F(EditingTest, AppendingRefusesFullTablesAndTheNextClickPlaces) {
  form->Elements().AddZEPClick();
  EXPECT_EQ(ZEPCount, 3);
  EXPECT_EQ(CurZEP, 3);
  EXPECT_TRUE(Edited);
  EXPECT_FALSE(Picked);
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled()) << "an appended element does not hold the mode";
  Click({800, 480});
  EXPECT_EQ(ZEPPos[3], (TZEPPos{50, 30, 3}));

  ZEPCount = 0;
  form->Elements().AddInputClick();
  ZEPCount = 2;
  OutputCount = 3;
  form->Elements().AddOutputClick();
  CommentCount = 32;
  form->Elements().AddComClick();
  DotCount = 64;
  form->Elements().AddDotClick();
  ZEPCount = 256;
  form->Elements().AddZEPClick();
  EXPECT_EQ(prompts.Shown, (QStringList{"Warning: Sorry! The system cannot append any more Input !",
                                        "Warning: Sorry! The system cannot append any more Output !",
                                        "Warning: Sorry! The system cannot append any more Comment !",
                                        "Warning: Sorry! The system cannot append any more Dot !",
                                        "Warning: Sorry! The system cannot append any more ZEP !"}));
  EXPECT_EQ((std::array{InputCount, OutputCount, CommentCount, DotCount}), (std::array{1, 3, 32, 64}));
}

TEST_F(EditingTest, DelAsksForEachCurrentKindAndRepaints) {
  Click({160, 160});  // ZEP 1 picked
  form->Elements().AddInputClick();  // Input 2 current as well
  ZEPLink[2] = {0, KindInput, 0, 1, KindInput, 0, 2, 0};
  EditDialogOpen = true;
  prompts.Answers = {Answer::Cancel, Answer::Ok};
  Key(Qt::Key_Delete);
  EXPECT_EQ(prompts.Shown, (QStringList{"OkCancel: Do you DELETE the directed ZEP ?",
                                        "OkCancel: Do you DELETE the directed Input ?"}));
  EXPECT_EQ(ZEPCount, 2);
  EXPECT_EQ(CurZEP, 1);
  EXPECT_EQ(InputCount, 1);
  EXPECT_EQ(ZEPLink[2], (TZEPLink{0, KindInput, 0, 1, KindNone, 0, 0, 0}));
  EXPECT_FALSE(Picked);
  EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  EXPECT_FALSE(EditDialogOpen);

  // The tool-panel button does the same; the ZEP goes this time.
  prompts.Shown.clear();
  prompts.Answers = {Answer::Ok};
  Probe(form).DeleteBtn()->setEnabled(true);
  QTest::mouseClick(Probe(form).DeleteBtn(), Qt::LeftButton);
  EXPECT_EQ(prompts.Shown, QStringList{"OkCancel: Do you DELETE the directed ZEP ?"});
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_EQ(ZEPText[1].Name, "Z2");
}

TEST_F(EditingTest, CtrlBreakAsksToCloseTheWindow) {
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  prompts.Answers = {Answer::Cancel};
  Key(Qt::Key_Pause, Qt::ControlModifier);
  EXPECT_EQ(prompts.Shown, QStringList{"YesNoCancel: Do you save the edited Network ?"});
  Key(Qt::Key_Pause);
  EXPECT_EQ(prompts.Shown.size(), 1) << "Pause alone is no close request";

  // X11 sends Ctrl+Break as the Break keysym, which Qt gives no key code.
  prompts.Answers = {Answer::Cancel};
  QKeyEvent x11Break(QEvent::KeyPress, 0, Qt::ControlModifier, 110, 0xff6b, 0x4);
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
  QApplication::sendEvent(target, &x11Break);
  EXPECT_EQ(prompts.Shown.size(), 2);
}

}  // namespace
