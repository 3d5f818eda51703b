// The properties dialog as drawn: panel colours, the ZEP circle and the arrows. With
// PLEXOR_SHOT_DIR set, the pictures are also written there as PNG files.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <memory>

#include "app/NetHome.h"
#include "dialogs/NetEdit.h"
#include "dialogs/PaintArea.h"
#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace {

class NetEditLookTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    FontName = QStringLiteral("Times New Roman");
    form = std::make_unique<TNetForm>(tmp.Path(), &prompts);
    dialog = new TNetEditForm(form.get());
    InputCount = 1;
    InputName[1] = "In1";
    ZEPCount = 2;
    ZEPText[1] = {"Add1", "add", "In1", "Add1-1"};
    ZEPText[2] = {"Mul1", "mul", "Add1-2", "In1"};
    ZEPPos[1] = {10, 10, 5};
    ZEPPos[2] = {20, 10, 8};
    OutputCount = 1;
    OutputName[1] = "Mul1";
    OutputPos[1] = {40, 10, 3};
    LibFuncCount = 2;
    LibFuncName[1] = "add";
    LibFuncName[2] = "mul";
    ResolveLinks();
  }
  void TearDown() override { dialog->hide(); }

  QImage Shot(const char* name) {
    const QImage image = dialog->grab().toImage();
    const QByteArray folder = qgetenv("PLEXOR_SHOT_DIR");
    if (!folder.isEmpty()) image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
    return image;
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  TNetEditForm* dialog = nullptr;
};

TEST_F(NetEditLookTest, ZEPAndOutputPanels) {
  CurZEP = 2;
  Picked = true;
  dialog->ShowForSelection();
  const QImage zep = Shot("edit-zep.png");
  const QPoint panel = dialog->ZEPPanel->pos();
  const QPoint circle = panel + dialog->ZEPShape->pos();
  EXPECT_EQ(zep.pixelColor(3, 3), QColor(0, 128, 128));
  EXPECT_EQ(zep.pixelColor(panel + QPoint(345, 259)), QColor(192, 192, 192));
  // The outline's top and left, 4 pixels wide and white; the inside stays silver.
  EXPECT_EQ(zep.pixelColor(circle + QPoint(50, 2)), QColor(Qt::white));
  EXPECT_EQ(zep.pixelColor(circle + QPoint(2, 50)), QColor(Qt::white));
  EXPECT_EQ(zep.pixelColor(circle + QPoint(50, 8)), QColor(192, 192, 192));
  // The arrow's horizontal stroke from input A's box.
  EXPECT_EQ(zep.pixelColor(panel + dialog->InAPaint->pos() + QPoint(10, 12)), QColor(Qt::white));
  EXPECT_TRUE(dialog->InOutPanel->isHidden());
  dialog->close();

  CurOutput = 1;
  Picked = true;
  dialog->ShowForSelection();
  const QImage output = Shot("edit-output.png");
  EXPECT_EQ(output.pixelColor(dialog->InOutPanel->pos() + QPoint(158, 259)), QColor(0, 0, 128));
  EXPECT_TRUE(dialog->ZEPPanel->isHidden());
  // The left half where the ZEP panel would be shows the dialog's teal.
  EXPECT_EQ(output.pixelColor(panel + QPoint(175, 130)), QColor(0, 128, 128));
}

}  // namespace
