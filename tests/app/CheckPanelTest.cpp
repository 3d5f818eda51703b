// The check panel in the shown main window: F9 opens it, Enter on a finding picks its
// element, every change refreshes it, and a save that will not reload as drawn opens it.
#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/FileCommands.h"
#include "app/CheckPanel.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/NetReader.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

class CheckPanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(tmp.Path(), &prompts);
    editForm = std::make_unique<TNetEditForm>(form.get());
    form->SetEditForm(editForm.get());
    form->show();
    form->setEnabled(true);  // as after "Start"
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    CanvasWidth = 200;
    CanvasHeight = 200;
    form->View().ApplyScale();
  }
  void TearDown() override {
    editForm.reset();
    form.reset();
  }

  void Load(QByteArray text) {
    QBuffer in(&text);
    in.open(QIODevice::ReadOnly);
    LoadNet(in, prompts);
    NetChanged(NetChangeKind::Load);
    form->View().PaintBoxPaint();
  }

  QStringList Shown() const {
    QStringList lines;
    for (int row = 0; row < Probe(form).Checks()->List()->count(); ++row) lines << Probe(form).Checks()->List()->item(row)->text();
    return lines;
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  std::unique_ptr<TNetEditForm> editForm;
};

TEST_F(CheckPanelTest, F9ListsTheFindingsAndEnterPicksAndShowsTheElement) {
  Load("[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\nSum = 10,10,3,Add,In,In\r\nFar = 150,150,3,Add,Sum,Ghost\r\n"
       "[InData]\r\nIn = 0,10\r\n[OutData]\r\nFar = 160,150\r\n");
  EXPECT_FALSE(Probe(form).Checks()->isVisible());
  QTest::keyClick(Probe(form).PaintBox(), Qt::Key_F9);
  ASSERT_TRUE(Probe(form).Checks()->isVisible());
  EXPECT_EQ(Probe(form).Checks()->windowTitle(), "Check Net - 1 finding");
  EXPECT_EQ(Shown(), QStringList{"error ZEP 2 Far: input B source \"Ghost\" resolves to nothing"});
  EXPECT_EQ(Probe(form).ScrollBox()->horizontalScrollBar()->value(), 0);

  // Enter belongs to the list, not to the canvas's key map; typed into the window, it
  // arrives as the window system delivers it.
  ASSERT_TRUE(Probe(form).Checks()->List()->hasFocus());
  QTest::keyClick(form->windowHandle(), Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(CurZEP, 2);
  EXPECT_TRUE(Picked);
  EXPECT_TRUE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_FALSE(Probe(form).DragBtn()->isEnabled());
  EXPECT_TRUE(Probe(form).PaintBox()->Marks().contains(TMark{ElementKind::ZEP, 2, MarkLook::PickedByRelease}));
  EXPECT_FALSE(editForm->isVisible());
  const QRect shown(Probe(form).ScrollBox()->horizontalScrollBar()->value(), Probe(form).ScrollBox()->verticalScrollBar()->value(),
                    Probe(form).ScrollBox()->viewport()->width(), Probe(form).ScrollBox()->viewport()->height());
  EXPECT_TRUE(shown.contains(150 * Pitch, 150 * Pitch)) << shown.x() << "," << shown.y();

  // Every change of the net refreshes the open panel.
  Probe(form).AddZEP()->trigger();
  EXPECT_EQ(Probe(form).Checks()->windowTitle(), "Check Net - 3 findings");
  EXPECT_EQ(Shown().mid(1), (QStringList{"error ZEP 3 New: has no function", "warning ZEP 3 New: its output feeds nothing"}));
}

// The keyboard stays in the panel while Enter goes through the findings; Escape, F9 and
// the panel's close button give it to the canvas, never to a printer offset field, and so
// does closing the function name panel.
TEST_F(CheckPanelTest, TheKeyboardGoesOnThroughTheFindingsAndBackToTheCanvas) {
  Load("[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\nNear = 10,10,3,Add,Ghost,In\r\nFar = 150,150,3,Add,In,Ghost\r\n"
       "[InData]\r\nIn = 0,10\r\n[OutData]\r\nNear = 20,10\r\nFar = 160,150\r\n");
  const auto key = [](int k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), modifiers);
    QCoreApplication::processEvents();
  };
  Probe(form).ScrollBox()->setFocus();
  key(Qt::Key_F9);
  ASSERT_TRUE(Probe(form).Checks()->isVisible());
  EXPECT_TRUE(Probe(form).CheckNet()->isChecked());
  ASSERT_EQ(Shown().size(), 2);
  key(Qt::Key_Return);
  EXPECT_EQ(CurZEP, 1);
  EXPECT_TRUE(Probe(form).Checks()->List()->hasFocus());
  key(Qt::Key_Down);
  key(Qt::Key_Return);
  EXPECT_EQ(CurZEP, 2);
  EXPECT_TRUE(Picked);
  EXPECT_TRUE(Probe(form).Checks()->List()->hasFocus());
  key(Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), Probe(form).ScrollBox());
  EXPECT_TRUE(Probe(form).Checks()->isVisible());

  key(Qt::Key_F9);
  EXPECT_FALSE(Probe(form).Checks()->isVisible());
  EXPECT_FALSE(Probe(form).CheckNet()->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), Probe(form).ScrollBox());
  key(Qt::Key_F9);
  ASSERT_TRUE(Probe(form).Checks()->List()->hasFocus());
  Probe(form).Checks()->close();  // its close button
  EXPECT_FALSE(Probe(form).CheckNet()->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), Probe(form).ScrollBox());

  key(Qt::Key_Delete, Qt::ShiftModifier);
  ASSERT_TRUE(Probe(form).DelPnl()->isVisible());
  QTest::mouseClick(Probe(form).DelList()->viewport(), Qt::LeftButton);
  QTest::mouseClick(Probe(form).CancelDel(), Qt::LeftButton);
  EXPECT_FALSE(Probe(form).DelPnl()->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Probe(form).ScrollBox());
}

// Moving a ZEP in the dialog keeps the links by element; when a name several ZEPs bear no
// longer leads to the first of them, the saved file will not reload as drawn.
TEST_F(CheckPanelTest, ASaveThatWillNotReloadAsDrawnOpensThePanel) {
  Load("[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\nDup = 10,10,3,Add,In,In\r\nDup = 10,20,3,Add,In,In\r\n"
       "Last = 30,10,3,Add,Dup,In\r\n[InData]\r\nIn = 0,10\r\n[OutData]\r\nLast = 40,10\r\n");
  prompts.Files = {tmp.File("dup.net"), tmp.File("dup.net")};
  form->Files().SaveClick();
  EXPECT_FALSE(Probe(form).Checks()->isVisible());

  CurZEP = 1;
  Picked = true;
  editForm->ShowForSelection();
  QLineEdit* number = editForm->ZEPNumEdit;
  number->selectAll();
  QTest::keyClicks(number, "2");
  QTest::mouseClick(editForm->EndBtn, Qt::LeftButton);
  ASSERT_EQ(ZEPLink[3].AIndex, 2);

  prompts.Answers = {Answer::Yes};
  form->Files().SaveClick();
  EXPECT_EQ(prompts.Shown.last(), "YesNo: The saved net would reload differently:\n"
                                  "ZEP 3 \"Last\": input A would reload from ZEP 1, not ZEP 2\nSave anyway?");
  ASSERT_TRUE(Probe(form).Checks()->isVisible());
  EXPECT_TRUE(Shown().contains("error ZEP 3 Last: input A source \"Dup\" is borne by several elements: it would reload "
                               "from ZEP 1, not ZEP 2 as drawn"))
      << Shown().join('\n').toStdString();
}

}  // namespace
