// Direct editing in the shown main window as a user does it: drags, Shift+clicks, keys
// and the right-click menu on the canvas, the system clipboard between two programs.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "document/NetDocument.h"
#include "app/PaintBox.h"
#include "editing/Selection.h"
#include "model/NetHistory.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"
#include "support/TestNet.h"

namespace {

class DirectCanvasTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    Selection.Clear();
    form = StartedForm(tmp.Path(), prompts);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    canvas = Probe(form).PaintBox();
    // At 100 %: 16 pixels a unit.
    PutInput("In1", {2, 10, 5});                          // line end at 112,160
    PutZEP({"Mix", "Non", "Non", "Non"}, {20, 13, 3});   // centre 320,208; arrow A from 272,160
    PutZEP({"Gain", "Non", "Non", "Non"}, {40, 20, 3});  // centre 640,320
    PutOutput("Out1", {30, 13, 1});
    NetAboutToBeReplaced(NetChangeKind::Load);
    NetChanged(NetChangeKind::Load);  // as if loaded: where undo comes back to
    Settle();
  }

  static void Settle() { QCoreApplication::processEvents(); }
  void Drag(QPoint from, std::initializer_list<QPoint> moves, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(canvas, Qt::LeftButton, modifiers, from);
    QPoint last = from;
    for (const QPoint& p : moves) {
      QTest::mouseMove(canvas, p);
      last = p;
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, modifiers, last);
    Settle();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    Settle();
  }
  QByteArray Saved() {
    const QString path = tmp.Path() + "saved.net";
    prompts.Files = {path};
    form->Files().SaveClick();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
  static QByteArray Section(const QByteArray& text, const char* header) {
    const qsizetype from = text.indexOf(QByteArray(header) + "\r\n") + qstrlen(header) + 2;
    return text.mid(from, text.indexOf("\r\n[", from) + 2 - from);
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  PaintBoxWidget* canvas = nullptr;
};

TEST_F(DirectCanvasTest, AConnectionDraggedFromAnInputSavesWhatTheDialogWouldSave) {
  Drag({113, 161}, {{200, 170}, {274, 163}});
  EXPECT_EQ(form->Document().History().UndoCaption(), "Connect input A of ZEP Mix");
  const QByteArray file = Saved();
  EXPECT_EQ(Section(file, "[ZEP]"), "Mix = 20,13,3,Non,In1,Non\r\nGain = 40,20,3,Non,Non,Non\r\n");
  EXPECT_EQ(Section(file, "[Connection]"), "Mix-A = (17,10)(7,10)\r\n");

  // From Mix's line end onto the Output's line: the Output shows Mix.
  Drag({368, 208}, {{420, 209}, {470, 209}});
  EXPECT_EQ(Section(Saved(), "[OutData]"), "Mix = 30,13,1\r\n");
}

TEST_F(DirectCanvasTest, ABoxSelectionMovesAsAGroupAndComesBackWithOneUndo) {
  Drag({20, 100}, {{300, 150}, {400, 260}});
  EXPECT_EQ(Selection.Count(), 2);
  EXPECT_TRUE(Probe(form).DeleteBtn()->isEnabled()) << "Delete is offered for the selection";
  Drag({330, 200}, {{340, 210}, {362, 234}});
  EXPECT_EQ(ZEPPos[1], (TZEPPos{22, 16, 3}));
  EXPECT_EQ(InputPos[1], (TTermPos{4, 13, 5}));
  EXPECT_EQ(form->Document().History().UndoCaption(), "Move 2 elements");
  Key(Qt::Key_Z);
  EXPECT_EQ(ZEPPos[1], (TZEPPos{20, 13, 3}));
  EXPECT_EQ(InputPos[1], (TTermPos{2, 10, 5}));
  EXPECT_TRUE(Selection.Empty());
}

TEST_F(DirectCanvasTest, CopyAndPasteRenameAndFollowSourcesAndUndoInOneStep) {
  ZEPText[2].SourceA = "Mix";
  ZEPLink[2].AKind = KindZEP;
  ZEPLink[2].AIndex = 1;
  form->View().PaintBoxPaint();
  QTest::mouseClick(canvas, Qt::LeftButton, {}, {700, 600});  // the canvas takes the keys
  Key(Qt::Key_A);
  Key(Qt::Key_C);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data && data->hasFormat("application/x-plexor-net"));
  EXPECT_TRUE(data->text().contains("[ZEP]\r\nMix = 20,13,3,Non,Non,Non\r\nGain = 40,20,3,Non,Mix,Non\r\n"));
  QCursor::setPos(canvas->mapToGlobal(QPoint(-50, -50)));  // off the canvas
  Key(Qt::Key_V);
  EXPECT_EQ(Section(Saved(), "[ZEP]"), "Mix = 20,13,3,Non,Non,Non\r\nGain = 40,20,3,Non,Mix,Non\r\n"
                                       "Mix2 = 22,15,3,Non,Non,Non\r\nGain2 = 42,22,3,Non,Mix2,Non\r\n");
  EXPECT_EQ(Selection.Count(), 4);
  Key(Qt::Key_Z);
  EXPECT_EQ(ZEPCount, 2);
  EXPECT_EQ(InputCount, 1);

  // A paste that would overfill the ZEP table pastes nothing.
  ZEPCount = MaxZEP - 1;
  Key(Qt::Key_V);
  EXPECT_EQ(prompts.Shown.last(),
            "Warning: Nothing pasted: the paste holds 2 ZEPs, and the ZEP table has 1 free place left.");
  EXPECT_EQ(ZEPCount, MaxZEP - 1);
}

TEST_F(DirectCanvasTest, TheEditMenuCutsCopiesPastesAndSelectsAsTheKeysDo) {
  const auto item = [&](const QString& caption) -> QAction* {
    for (QAction* action : Probe(form).EditMenu()->actions())
      if (action->text().startsWith(caption + '\t')) return action;
    return nullptr;
  };
  ASSERT_NE(item("Copy"), nullptr);
  EXPECT_FALSE(item("Copy")->isEnabled()) << "nothing is selected";
  item("Select All")->trigger();
  EXPECT_EQ(Selection.Count(), 4);
  EXPECT_TRUE(item("Cut")->isEnabled());
  item("Copy")->trigger();
  item("Paste")->trigger();  // the pointer is on the menu: beside the copied elements
  EXPECT_EQ(Section(Saved(), "[ZEP]"), "Mix = 20,13,3,Non,Non,Non\r\nGain = 40,20,3,Non,Non,Non\r\n"
                                       "Mix2 = 22,15,3,Non,Non,Non\r\nGain2 = 42,22,3,Non,Non,Non\r\n");
  item("Cut")->trigger();
  EXPECT_EQ(ZEPCount, 2);
  EXPECT_EQ(OutputCount, 1);
  EXPECT_FALSE(item("Duplicate")->isEnabled());
}

TEST_F(DirectCanvasTest, TheRightButtonOnEmptyCanvasAppendsAnElementThere) {
  QTest::mouseClick(canvas, Qt::RightButton, {}, {500, 500});
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* action : menu->actions()) items << action->text();
  EXPECT_EQ(items, (QStringList{"Append ZEP here", "Append Input here", "Append Output here", "Append Comment here",
                                "Append Dot here"}));
  menu->actions()[0]->trigger();
  menu->close();
  Settle();
  EXPECT_EQ(ZEPPos[3], (TZEPPos{31, 31, 3}));
  EXPECT_EQ(CurZEP, 0) << "placed, not waiting for a click";
  EXPECT_EQ(form->Document().History().UndoCaption(), "Append ZEP New");
}

// Two programs, one X display: the first copies its net, the second pastes it.
TEST(DirectClipboard, APasteTakesWhatAnotherProgramCopied) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  if (xvfb.isEmpty()) GTEST_SKIP() << "no Xvfb to share a clipboard on";
  TempDir tmp;
  // The server picks a free display and tells its number once it takes connections.
  QProcess server;
  server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
  ASSERT_TRUE(server.waitForReadyRead(20000));
  const QByteArray display = server.readLine().trimmed();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.insert("DISPLAY", ":" + QString::fromLatin1(display));

  QFile source(tmp.Path() + "source.net");
  ASSERT_TRUE(source.open(QIODevice::WriteOnly));
  source.write("[ZEP]\r\nMix = 20,13,3,Non,In1,Non\r\n[InData]\r\nIn1 = 2,10,5\r\n");
  source.close();
  QProcess copier;
  copier.setProcessEnvironment(env);
  copier.start(CLIPBOARD_HELPER, {"copy", source.fileName(), tmp.Path()});
  ASSERT_TRUE(copier.waitForReadyRead(20000)) << copier.readAllStandardError().toStdString();
  EXPECT_EQ(copier.readLine().trimmed(), "copied");

  QProcess paster;
  paster.setProcessEnvironment(env);
  const QString pasted = tmp.Path() + "pasted.net";
  paster.start(CLIPBOARD_HELPER, {"paste", source.fileName(), tmp.Path(), pasted});
  EXPECT_TRUE(paster.waitForFinished(20000));
  EXPECT_EQ(paster.exitCode(), 0) << paster.readAllStandardError().toStdString();
  copier.kill();
  copier.waitForFinished();
  server.kill();
  server.waitForFinished();

  QFile file(pasted);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("[ZEP]\r\nMix = 20,13,3,Non,In1,Non\r\nMix2 = 22,15,3,Non,In2,Non\r\n[InData]\r\n"
                            "In1 = 2,10,5\r\nIn2 = 4,12,5\r\n"))
      << text.toStdString();
}

}  // namespace
