// The compare panel in the shown main window: View > "Compare With File…" lists what
// changed from the chosen file, the canvas marks the added and changed ZEPs until the panel
// closes, and Enter on a line picks its element.
#include <QBuffer>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/ComparePanel.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/NetReader.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

const QByteArray Head = "[ZEPList]\r\nLibrary = Add,Avg\r\n[ZEP]\r\n";

class ComparePanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = StartedForm(tmp.Path(), prompts);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    CanvasWidth = 100;
    CanvasHeight = 100;
    form->View().ApplyScale();
  }

  QStringList Shown() const {
    QStringList lines;
    for (int row = 0; row < Probe(form).Compare()->List()->count(); ++row) lines << Probe(form).Compare()->List()->item(row)->text();
    return lines;
  }

  // The pixels of one colour in the square of the circle of a ZEP at (x, y) on the canvas.
  int CirclePixels(int x, int y, QRgb color) const {
    const int r = ZEPRadius + 2;
    const QImage image = Probe(form).PaintBox()->grab(QRect(x * Pitch - r, y * Pitch - r, 2 * r, 2 * r)).toImage();
    int found = 0;
    for (int py = 0; py < image.height(); ++py)
      for (int px = 0; px < image.width(); ++px) found += image.pixel(px, py) == color;
    return found;
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(ComparePanelTest, ListsTheChangesMarksThemOnTheCanvasAndPicksOnEnter) {
  QFile older(tmp.File("older.net"));
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.write(Head + "Keep = 10,10,3,Add,Non,Non\r\nGone = 10,30,3,Add,Non,Non\r\n");
  older.close();
  QByteArray newer = Head + "Keep = 10,10,3,Avg,Non,Non\r\nNew = 40,30,3,Add,Non,Non\r\n";
  QBuffer in(&newer);
  in.open(QIODevice::ReadOnly);
  LoadNet(in, prompts);
  NetChanged(NetChangeKind::Load);

  prompts.Files = {tmp.File("older.net")};
  Probe(form).CompareWith()->trigger();
  ASSERT_TRUE(Probe(form).Compare()->isVisible());
  EXPECT_EQ(Probe(form).Compare()->windowTitle(), "Compare With older.net - 3 differences");
  EXPECT_EQ(Shown(), (QStringList{"removed ZEP Gone", "changed ZEP Keep: function Add -> Avg", "added ZEP New"}));
  const QRgb green = qRgb(0, 160, 0);
  const QRgb orange = qRgb(255, 140, 0);
  const QRgb black = qRgb(0, 0, 0);
  QCoreApplication::processEvents();
  EXPECT_GT(CirclePixels(40, 30, green), 100);
  EXPECT_GT(CirclePixels(10, 10, orange), 100);
  EXPECT_EQ(CirclePixels(40, 30, black), 0);

  // Enter on the added ZEP picks it; the removed one is not there to pick.
  ASSERT_TRUE(Probe(form).Compare()->List()->hasFocus());
  Probe(form).Compare()->List()->setCurrentRow(0);
  QTest::keyClick(form->windowHandle(), Qt::Key_Return);
  EXPECT_FALSE(Picked);
  Probe(form).Compare()->List()->setCurrentRow(2);
  QTest::keyClick(form->windowHandle(), Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(CurZEP, 2);
  EXPECT_TRUE(Picked);

  // Every change compares again; closing the panel takes the marks off the canvas.
  Probe(form).AddZEP()->trigger();
  EXPECT_EQ(Probe(form).Compare()->windowTitle(), "Compare With older.net - 4 differences");
  Probe(form).Compare()->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(CirclePixels(40, 30, green), 0);
  EXPECT_GT(CirclePixels(40, 30, black), 100);
}

}  // namespace
