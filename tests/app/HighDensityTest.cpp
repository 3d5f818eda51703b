// The editor on a high-density screen. ctest also runs this with QT_SCALE_FACTOR=2: the
// canvas is drawn at the screen's own resolution, the labels' boxes that clicks are tested
// against lie where their texts are drawn, and Print Form prints the window at its size
// on paper with all of its pixels.
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/PrintCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "model/NetDef.h"
#include "platform/Guard.h"
#include "printing/FakePrinter.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

// The smallest rectangle, in canvas pixels, around the pixels of one colour.
QRect Around(const QImage& image, QColor color, qreal ratio) {
  QRect found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == color) found |= QRect(x, y, 1, 1);
  return QRectF(QPointF(found.topLeft()) / ratio, QSizeF(found.size()) / ratio).toAlignedRect();
}

TEST(HighDensity, CanvasClicksAndPrintForm) {
  ResetNetDef();
  TempDir tmp;
  ScriptedPrompts prompts;
  const auto started = StartedForm(tmp.Path(), prompts);
  TNetForm& form = *started;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const qreal ratio = form.devicePixelRatio();
  ZEPCount = 1;
  ZEPPos[1] = {10, 10, 4};
  ZEPText[1] = {"Z1", "Non", "Non", "Non"};
  InputCount = 1;
  InputName[1] = "In1";
  InputPos[1] = {4, 20, 5};
  form.View().PaintBoxPaint();

  // Crisp: along the right half of the circle (radius 32 about (160, 160)) the device
  // pixels are not logical pixels blown up into squares.
  const QImage circle = Probe(form).PaintBox()->grab(QRect(126, 126, 68, 68)).toImage();
  ASSERT_EQ(circle.width(), qRound(68 * ratio));
  int finer = 0;
  for (int y = 0; y + 1 < circle.height(); y += 2) {
    for (int x = 0; x + 1 < circle.width(); x += 2) {
      const QPointF p = QPointF(x, y) / ratio - QPointF(34, 34);
      const bool onRing = p.x() > 0 && std::abs(std::hypot(p.x(), p.y()) - 32) <= 4;
      if (onRing) finer += circle.pixel(x, y) != circle.pixel(x + 1, y) || circle.pixel(x, y) != circle.pixel(x, y + 1);
    }
  }
  if (ratio >= 2) {
    EXPECT_GT(finer, 10);
  }

  // The Input's name is drawn inside the box the clicks are tested against.
  const QRect box(QPoint(InputBox[1].Left, InputBox[1].Top), QPoint(InputBox[1].Right, InputBox[1].Bottom));
  const QImage label = Probe(form).PaintBox()->grab(box.adjusted(-8, -8, 8, 8)).toImage();
  const QRect drawn = Around(label, QColor(0, 128, 128), ratio).translated(box.topLeft() - QPoint(8, 8));
  EXPECT_FALSE(drawn.isEmpty());
  EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(drawn)) << drawn.x() << "," << drawn.y() << " "
                                                          << drawn.width() << "x" << drawn.height();
  QTest::mouseClick(Probe(form).PaintBox(), Qt::LeftButton, {}, drawn.center());
  EXPECT_EQ(CurInput, 1);
  EXPECT_TRUE(Picked);

  // Print Form: the paper size follows the window's size, the image has every pixel.
  RecordingSurface page(600);
  FakePrinter printer(page, 600, 4960, 7016);
  form.Printing().SetPrinter(&printer);
  Guard(form.Ask(), [&] { form.Printing().FormPrintClick(); });
  QWidget* client = form.centralWidget();
  EXPECT_EQ(printer.Calls.last(), QStringLiteral("Image %1x%2 as %3x%4")
                                      .arg(qRound(client->width() * ratio)).arg(qRound(client->height() * ratio))
                                      .arg(client->width() * 600 / 96).arg(client->height() * 600 / 96));
}

}  // namespace
