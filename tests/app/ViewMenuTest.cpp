// The "View" and "Canvas Size" menus as a user drives them: scale steps with their enabled
// states, monochrome, the canvas size with its caption, and the paint area that follows.
#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "model/NetDef.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

class ViewMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(tmp.Path(), &prompts);
    FontName = QStringLiteral("Times New Roman");
    CanvasWidth = 200;
    CanvasHeight = 200;
    form->View().ApplyScale();
  }

  // Runs a menu item as the user's click does.
  void Click(QAction* item) { item->trigger(); }

  QSize PaintArea() const { return Probe(form).PaintBox()->size(); }
  QString Caption() const { return Probe(form).CanvasSize()->title(); }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(ViewMenuTest, ScaleStepsAndTheirItems) {
  EXPECT_EQ(Probe(form).Mult()->text(), "Magnify (Page Up)");
  EXPECT_EQ(Probe(form).Divide()->text(), "Reduce (Page Down)");
  EXPECT_EQ(Probe(form).Mult()->toolTip(), "Page Up");
  EXPECT_EQ(Probe(form).Divide()->toolTip(), "Page Down");
  ASSERT_EQ(Scale, 2);
  EXPECT_EQ(PaintArea(), QSize(3200, 3200));

  Click(Probe(form).Mult());  // 2 → 1 disables itself
  EXPECT_EQ(Scale, 1);
  EXPECT_FALSE(Probe(form).Mult()->isEnabled());
  EXPECT_TRUE(Probe(form).Divide()->isEnabled());
  EXPECT_EQ(PaintArea(), QSize(4000, 4000));
  form->View().MultClick();  // a further step changes nothing
  EXPECT_EQ(Scale, 1);
  EXPECT_EQ(Pitch, 20);

  const struct { int scale, pitch; bool magnify, reduce; } steps[] = {
      {2, 16, true, true}, {3, 12, true, true}, {4, 9, true, true}, {5, 7, true, true}, {6, 5, true, false}};
  for (const auto& s : steps) {
    Click(Probe(form).Divide());
    EXPECT_EQ(Scale, s.scale);
    EXPECT_EQ(Pitch, s.pitch);
    EXPECT_EQ(PaintArea(), QSize(200 * s.pitch, 200 * s.pitch));
    EXPECT_EQ(Probe(form).Mult()->isEnabled(), s.magnify) << s.scale;
    EXPECT_EQ(Probe(form).Divide()->isEnabled(), s.reduce) << s.scale;
  }
  EXPECT_TRUE(NumberView);
  EXPECT_EQ(DrawFontName.Str(), "Small Fonts");
  EXPECT_EQ(FontSize, 6);
  form->View().DivideClick();
  EXPECT_EQ(Scale, 6);

  Click(Probe(form).Original());
  EXPECT_EQ(Scale, 2);
  EXPECT_TRUE(Probe(form).Mult()->isEnabled());
  EXPECT_TRUE(Probe(form).Divide()->isEnabled());
  EXPECT_FALSE(NumberView);
  EXPECT_EQ(PaintArea(), QSize(3200, 3200));
}

TEST_F(ViewMenuTest, PageKeysStepTheScale) {
  form->setEnabled(true);  // as "Start" leaves it
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QTest::keyClick(Probe(form).ScrollBox(), Qt::Key_PageUp);
  EXPECT_EQ(Scale, 1);
  QTest::keyClick(Probe(form).ScrollBox(), Qt::Key_PageDown);
  QTest::keyClick(Probe(form).ScrollBox(), Qt::Key_PageDown);
  EXPECT_EQ(Scale, 3);
}

TEST_F(ViewMenuTest, WheelScrollsAndCtrlWheelStepsTheScaleAroundThePointer) {
  form->setEnabled(true);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QScrollBar* across = Probe(form).ScrollBox()->horizontalScrollBar();
  QScrollBar* down = Probe(form).ScrollBox()->verticalScrollBar();
  // A turn of the wheel with the pointer at (200, 150) of the canvas's viewport.
  QWidget* viewport = Probe(form).ScrollBox()->viewport();
  const auto turn = [&](int angle, Qt::KeyboardModifiers modifiers) {
    const QPointF at(200, 150);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
  };
  across->setValue(500);
  down->setValue(700);
  const int notch = QApplication::wheelScrollLines() * down->singleStep();
  ASSERT_GT(notch, 0);
  turn(-120, Qt::NoModifier);
  EXPECT_EQ(down->value(), 700 + notch);
  EXPECT_EQ(across->value(), 500);
  turn(120, Qt::ShiftModifier);
  EXPECT_EQ(across->value(), 500 - QApplication::wheelScrollLines() * across->singleStep());
  EXPECT_EQ(down->value(), 700 + notch);

  // Ctrl: the grid point under the pointer stays under it, to the pixel, step after step.
  across->setValue(500);
  down->setValue(700);
  const QPointF grid((200 + 500) / 16.0, (150 + 700) / 16.0);
  const struct {
    int angle, scale;
  } steps[] = {{120, 1}, {-120, 2}, {-60, 2}, {-60, 3}, {-240, 5}, {120, 4}};
  for (const auto& step : steps) {
    turn(step.angle, Qt::ControlModifier);
    EXPECT_EQ(Scale, step.scale) << step.angle;
    EXPECT_EQ(PaintArea(), QSize(Pitch * 200, Pitch * 200));
    EXPECT_NEAR((200 + across->value()) / double(Pitch), grid.x(), 0.5 / Pitch) << Scale;
    EXPECT_NEAR((150 + down->value()) / double(Pitch), grid.y(), 0.5 / Pitch) << Scale;
  }
  EXPECT_TRUE(Probe(form).Mult()->isEnabled());
}

TEST_F(ViewMenuTest, AtStartBothScaleItemsAreEnabledWhateverTheScale) {
  form = CreatedForm(tmp.Path(), &prompts);
  Scale = 6;
  form->View().ApplyScale();
  EXPECT_TRUE(Probe(form).Mult()->isEnabled());
  EXPECT_TRUE(Probe(form).Divide()->isEnabled());
  form->View().DivideClick();  // at the limit the click only disables the item
  EXPECT_EQ(Scale, 6);
  EXPECT_FALSE(Probe(form).Divide()->isEnabled());
}

TEST_F(ViewMenuTest, MonochromeToggles) {
  EXPECT_FALSE(BWMode);
  Click(Probe(form).BWModeItem());
  EXPECT_TRUE(BWMode);
  EXPECT_TRUE(Probe(form).BWModeItem()->isChecked());
  form->View().BWModeClick();
  EXPECT_FALSE(BWMode);
  EXPECT_FALSE(Probe(form).BWModeItem()->isChecked());
}

TEST_F(ViewMenuTest, CanvasWidthSteps) {
  EXPECT_EQ(Caption(), "200*200, change");
  for (int i = 0; i < 15; ++i) Click(Probe(form).HIncrease());
  EXPECT_EQ(CanvasWidth, 950);
  EXPECT_TRUE(Probe(form).HIncrease()->isEnabled());
  Click(Probe(form).HIncrease());  // 950 → 1000 disables itself
  EXPECT_EQ(CanvasWidth, 1000);
  EXPECT_FALSE(Probe(form).HIncrease()->isEnabled());
  EXPECT_TRUE(Probe(form).HDecrease()->isEnabled());
  EXPECT_EQ(Caption(), "1000*200, change");
  EXPECT_EQ(PaintArea(), QSize(16000, 3200));

  // At 1000 the guard fails: the width and the caption stay, the area is sized again.
  Probe(form).CanvasSize()->setTitle("left alone");
  form->View().HIncreaseClick();
  EXPECT_EQ(CanvasWidth, 1000);
  EXPECT_EQ(Caption(), "left alone");

  for (int i = 0; i < 17; ++i) Click(Probe(form).HDecrease());
  EXPECT_EQ(CanvasWidth, 150);
  EXPECT_TRUE(Probe(form).HDecrease()->isEnabled());
  EXPECT_TRUE(Probe(form).HIncrease()->isEnabled());
  Click(Probe(form).HDecrease());  // 150 → 100 disables itself
  EXPECT_EQ(CanvasWidth, 100);
  EXPECT_FALSE(Probe(form).HDecrease()->isEnabled());
  EXPECT_EQ(Caption(), "100*200, change");
  form->View().HDecreaseClick();
  EXPECT_EQ(CanvasWidth, 100);
  EXPECT_EQ(PaintArea(), QSize(1600, 3200));
}

TEST_F(ViewMenuTest, CanvasHeightStepsAndDefault) {
  Click(Probe(form).VIncrease());
  EXPECT_EQ(CanvasHeight, 250);
  EXPECT_EQ(Caption(), "200*250, change");
  EXPECT_EQ(PaintArea(), QSize(3200, 4000));
  Click(Probe(form).VDecrease());
  Click(Probe(form).VDecrease());
  EXPECT_EQ(CanvasHeight, 150);
  Click(Probe(form).VDecrease());
  EXPECT_EQ(CanvasHeight, 100);
  EXPECT_FALSE(Probe(form).VDecrease()->isEnabled());
  EXPECT_EQ(CanvasWidth, 200);  // the width items are untouched
  EXPECT_TRUE(Probe(form).HDecrease()->isEnabled());

  CanvasWidth = 1000;
  Probe(form).HIncrease()->setEnabled(false);
  Click(Probe(form).DefaultSize());
  EXPECT_EQ(CanvasWidth, 200);
  EXPECT_EQ(CanvasHeight, 200);
  for (QAction* item : {Probe(form).HIncrease(), Probe(form).VIncrease(), Probe(form).HDecrease(), Probe(form).VDecrease()})
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
  EXPECT_EQ(Caption(), "200*200, change");
  EXPECT_EQ(PaintArea(), QSize(3200, 3200));
}

TEST_F(ViewMenuTest, AdjustSizeToData) {
  ZEPCount = 1;
  ZEPPos[1] = {230, 140, 3};
  Click(Probe(form).HDecrease());
  Click(Probe(form).HDecrease());  // 100 stops the item
  ASSERT_FALSE(Probe(form).HDecrease()->isEnabled());
  Click(Probe(form).AdjustSize());
  EXPECT_EQ(CanvasWidth, 250);
  EXPECT_EQ(CanvasHeight, 150);
  EXPECT_EQ(Caption(), "250*150, change");
  EXPECT_EQ(PaintArea(), QSize(4000, 2400));
  EXPECT_FALSE(Probe(form).HDecrease()->isEnabled());  // enabled states stay as they were

  ZEPCount = 0;
  Click(Probe(form).AdjustSize());
  EXPECT_EQ(Caption(), "100*100, change");
  ZEPCount = 1;
  ZEPPos[1] = {999, 998, 3};
  Click(Probe(form).AdjustSize());
  EXPECT_EQ(Caption(), "1000*1000, change");
  EXPECT_TRUE(Probe(form).HIncrease()->isEnabled());
  form->View().HIncreaseClick();  // the guard keeps the width within 1000
  EXPECT_EQ(CanvasWidth, 1000);
}

TEST_F(ViewMenuTest, ARepaintRecordsTheLabelBoxesOnAndOffScreen) {
  InputCount = 1;
  InputPos[1] = {5, 10, 4};
  InputName[1] = "IN";
  DotCount = 1;
  DotPos[1] = {8, 9};
  form->View().PaintBoxPaint();  // not on screen
  EXPECT_EQ(InputBox[1].Left, 83);
  EXPECT_EQ(InputBox[1].Bottom, 157);
  EXPECT_GT(InputBox[1].Right, 83);
  EXPECT_EQ(DotBox[1], (TLabelBox{125, 141, 131, 147}));
  const TLabelBox offScreen = InputBox[1];

  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  InputBox[1] = {};
  form->View().PaintBoxPaint();
  EXPECT_EQ(InputBox[1], offScreen);

  Click(Probe(form).Mult());  // Scale 1: 13 points at 96 pixels per inch, h = 17
  EXPECT_EQ(InputBox[1].Top, 200 - 17 - 3);
  EXPECT_EQ(InputBox[1].Left, 103);
}

}  // namespace
