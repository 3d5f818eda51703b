// The properties dialog as drawn: panel colours, the ZEP circle and the arrows. With
// PLEXOR_SHOT_DIR set, the pictures are also written there as PNG files.
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
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
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

class NetEditLookTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    FontName = QStringLiteral("Times New Roman");
    form = CreatedForm(tmp.Path(), &prompts);
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
  EXPECT_EQ(zep.pixelColor(circle + QPoint(3, 36)), QColor(Qt::white));  // above the function box
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

// Fifteen of the widest letter a name can have, in the field's font.
QString WidestName(const QFont& font) {
  const QFontMetrics metrics(font);
  QChar widest('W');
  for (int code = 0x20; code <= 0xFF; ++code)
    if (QChar(code).isLetter() && metrics.horizontalAdvance(QChar(code)) > metrics.horizontalAdvance(widest))
      widest = QChar(code);
  return QString(15, widest);
}

// The name shows whole when the edit need not scroll to bring its end into view: from
// its start to its end the cursor travels the whole width of the text.
QRect CursorRect(const QLineEdit* edit) { return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect(); }

void ExpectWhole(QLineEdit* edit, const char* what) {
  const QString name = WidestName(edit->font());
  edit->setText(name);
  edit->setCursorPosition(0);
  edit->grab();  // the scrolling follows the cursor as the edit is drawn
  const int start = CursorRect(edit).center().x();
  edit->setCursorPosition(name.size());
  edit->grab();
  const int end = CursorRect(edit).center().x();
  EXPECT_NEAR(end - start, QFontMetrics(edit->font()).horizontalAdvance(name), 1) << what;
  EXPECT_LE(CursorRect(edit).right(), edit->width()) << what;
}

TEST_F(NetEditLookTest, NameFieldsShowAWholeNameInTheWidestLetters) {
  CurZEP = 1;
  CurOutput = 1;
  Picked = true;
  dialog->ShowForSelection();
  ExpectWhole(dialog->ZEPNameEdit, "ZEP name");
  ExpectWhole(dialog->InABox->lineEdit(), "source A");
  ExpectWhole(dialog->InBBox->lineEdit(), "source B");
  ExpectWhole(dialog->FunctionBox->lineEdit(), "function");
  ExpectWhole(dialog->OutNameBox->lineEdit(), "Output name");
  dialog->close();
  CurInput = 1;
  Picked = true;
  dialog->ShowForSelection();
  ExpectWhole(dialog->NameEdit, "Input name");
  // Nothing overlaps the function box, which lies across the circle.
  const QRect box = dialog->FunctionBox->geometry();
  for (QWidget* w : dialog->ZEPPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w != dialog->FunctionBox && w != dialog->ZEPShape && w->isVisible()) {
      EXPECT_FALSE(w->geometry().intersects(box)) << w->metaObject()->className();
    }
  }
  EXPECT_TRUE(dialog->ZEPPanel->rect().contains(box));
  EXPECT_TRUE(dialog->rect().contains(dialog->InOutPanel->geometry()));
}

}  // namespace
