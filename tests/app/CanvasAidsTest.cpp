// What helps the user find a way about the canvas: the status line, the find bar, "Fit Net"
// and the tips over elements, on the shown main window.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/FindBar.h"
#include "app/NetHome.h"
#include "editing/Selection.h"
#include "app/PaintBox.h"
#include "model/ElementTips.h"
#include "model/NetDef.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"
#include "support/TestNet.h"

namespace {

class CanvasAidsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    FontName = QStringLiteral("Times New Roman");
    form = StartedForm(tmp.Path(), prompts);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    CanvasWidth = 200;
    CanvasHeight = 200;
    form->View().ApplyScale();
  }

  void Shown() {
    form->View().RepaintCanvas();
    form->UpdateActions();
    QCoreApplication::processEvents();
  }

  // A key as the user types it: to the control with the focus.
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
  }

  // The pointer passing over the canvas without a button held.
  void Hover(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, Probe(form).PaintBox()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Probe(form).PaintBox(), &move);
  }

  QStringList Status() const {
    QStringList texts;
    for (const QLabel* label : form->statusBar()->findChildren<QLabel*>()) texts << label->text();
    return texts;
  }

  QRect InView() const {
    const QScrollArea* area = Probe(form).ScrollBox();
    return QRect(QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                 area->viewport()->size());
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(CanvasAidsTest, TheStatusLineShowsTheGridPointUnderThePointerAtEveryScale) {
  PutZEP({"Mix", "Non", "", ""}, {10, 10, 3});
  PutInput("In", {0, 10, 3});
  Shown();
  Hover({40, 56});  // 2.5 and 3.5 units at 16 pixels a unit: each to its even neighbour
  EXPECT_EQ(Status(), (QStringList{"2, 4", "100%", "Select", "0 picked",
                                   "ZEPs 1/256  Inputs 1/512  Outputs 0/256  Comments 0/32  Dots 0/64"}));
  Key(Qt::Key_PageDown);  // 12 pixels a unit, the pointer where it was
  EXPECT_EQ(Status().mid(0, 2), (QStringList{"3, 5", "75%"}));
  Key(Qt::Key_F8);
  EXPECT_EQ(Status()[2], "Drag");
  // The canvas scrolls beneath the resting pointer: 30 units further right at 12 pixels.
  Probe(form).ScrollBox()->horizontalScrollBar()->setValue(360);
  EXPECT_EQ(Status()[0], "33, 5");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Probe(form).PaintBox(), &leave);
  EXPECT_EQ(Status()[0], "");
  Key(Qt::Key_F8);
  Probe(form).ScrollBox()->horizontalScrollBar()->setValue(0);
  QTest::mouseClick(Probe(form).PaintBox(), Qt::LeftButton, {}, {120, 120});
  EXPECT_EQ(Status()[3], "1 picked");
  // Ctrl+A ends the pick and selects every element: the field counts the selection.
  Key(Qt::Key_A, Qt::ControlModifier);
  ASSERT_GT(Selection.Count(), 1);
  EXPECT_EQ(Status()[3], QStringLiteral("%1 selected").arg(Selection.Count()));
}

TEST_F(CanvasAidsTest, FindPicksTheMatchesInTurnAndKeepsTheKeyboard) {
  PutZEP({"Mix", "Non", "", ""}, {10, 10, 3});
  PutZEP({"Gain", "Non", "", ""}, {20, 10, 3});
  PutZEP({"Remix", "Non", "", ""}, {150, 150, 3});
  PutInput("mixIn", {0, 20, 3});
  Shown();
  Key(Qt::Key_F, Qt::ControlModifier);
  auto* bar = form->findChild<FindBar*>();
  ASSERT_TRUE(bar && bar->isVisible());
  ASSERT_TRUE(bar->Field()->hasFocus());
  QTest::keyClicks(bar->Field(), "MIX");
  EXPECT_EQ(bar->CountText(), "3 matches");

  struct Step {
    Qt::KeyboardModifiers modifiers;
    int zep, input;
    const char* count;
  };
  const Step steps[] = {{{}, 1, 0, "1 of 3"},
                        {{}, 3, 0, "2 of 3"},
                        {{}, 0, 1, "3 of 3"},
                        {{}, 1, 0, "1 of 3"},
                        {Qt::ShiftModifier, 0, 1, "3 of 3"}};
  for (const Step& step : steps) {
    Key(Qt::Key_Return, step.modifiers);
    EXPECT_EQ(CurZEP, step.zep) << step.count;
    EXPECT_EQ(CurInput, step.input) << step.count;
    EXPECT_TRUE(Picked);
    EXPECT_EQ(bar->CountText(), step.count);
    EXPECT_TRUE(bar->Field()->hasFocus()) << step.count;
    EXPECT_FALSE(form->EditForm()->isVisible());
    if (step.zep == 3) {
      EXPECT_TRUE(InView().contains(150 * Pitch, 150 * Pitch));
    }
  }
  // Del edits the text; the picked Input stays.
  Key(Qt::Key_Home);
  Key(Qt::Key_Delete);
  EXPECT_EQ(bar->Field()->text(), "IX");
  EXPECT_EQ(InputCount, 1);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Probe(form).ScrollBox());
  EXPECT_EQ(CurInput, 1);
}

TEST_F(CanvasAidsTest, FitNetShowsTheWholeNetAtTheLargestStepThatHoldsIt) {
  PutZEP({"Mix", "Non", "", ""}, {100, 100, 3});
  Shown();
  Key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(Scale, 1);
  QAction* magnify = Probe(form).Mult();
  EXPECT_FALSE(magnify->isEnabled());
  EXPECT_TRUE(InView().contains(QRect(97 * Pitch, 97 * Pitch, 6 * Pitch, 6 * Pitch)));

  PutZEP({"Far", "Non", "", ""}, {180, 150, 3});
  Key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_GT(Scale, 1);
  EXPECT_TRUE(InView().contains(QRect(97 * Pitch, 97 * Pitch, 86 * Pitch, 56 * Pitch))) << Scale;
  EXPECT_TRUE(magnify->isEnabled());
}

TEST_F(CanvasAidsTest, RestingOverAZEPOrAnInputShowsItsTip) {
  PutInput("In", {2, 10, 3});
  PutZEP({"Mix", "Non", "In", ""}, {10, 10, 3}, {0, KindInput, 0, 1, 0, 0, 0, 0});
  Shown();
  const auto tipAt = [&](QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, Probe(form).PaintBox()->mapToGlobal(at));
    QApplication::sendEvent(Probe(form).PaintBox(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipAt({10 * 16 + 20, 10 * 16 - 20}), ElementTip(ElementKind::ZEP, 1));
  EXPECT_EQ(tipAt({InputBox[1].Left + 1, InputBox[1].Top + 1}), "Input 1 In\nFeeds: ZEP 1 Mix input A");
  tipAt({600, 600});
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));  // a tip fades out
}

}  // namespace
