// The function name commands of the "Append Element" menu and the deletion panel, driven
// as a user would: menu items, file dialogs, the list and its buttons, the question.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/NetHome.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

class NamesCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(tmp.Path(), &prompts);
    form->setEnabled(true);  // as after "Start"
    NetworkDataPath = tmp.Path() + "nets/";
    BuiltDataPath = tmp.Path() + "built/";
    prompts.Shown.clear();
  }

  void Choose(const QString& file) { prompts.Files.push_back(file); }
  void Cancel() { prompts.Files.push_back(std::nullopt); }

  QString WriteList(const QByteArray& bytes) {
    const QString path = tmp.File("names.lst");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QStringList Entries() const {
    QStringList entries;
    for (int k = 0; k < Probe(form).DelList()->count(); ++k) entries << Probe(form).DelList()->item(k)->text();
    return entries;
  }

  void DeleteEntry(const QString& name) {
    const auto found = Probe(form).DelList()->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    Probe(form).DelList()->setCurrentItem(found.first());
    QTest::mouseClick(Probe(form).NameDel(), Qt::LeftButton);
  }

  static void AddZEP(const char* funcName, int funcCode) {
    ++ZEPCount;
    ZEPText[ZEPCount].FuncName = funcName;
    ZEPLink[ZEPCount].FuncCode = funcCode;
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(NamesCommandsTest, SetLibraryAndUserNamesFromChosenFiles) {
  for (const char* file : {"/lib/adder.lib", "/lib/adder.lib", "/lib/Adder.lib", "/lib/my.filter.lib"}) {
    Choose(file);
    Probe(form).AddLib()->trigger();
  }
  Cancel();
  Probe(form).AddLib()->trigger();
  EXPECT_EQ(prompts.Shown.first(), "Open: *.lib|" + NetworkDataPath.Str());
  EXPECT_EQ(prompts.Shown.size(), 5);
  EXPECT_EQ(LibFuncCount, 3);
  EXPECT_EQ(LibFuncName[1].Str(), "adder");
  EXPECT_EQ(LibFuncName[2].Str(), "Adder");
  EXPECT_EQ(LibFuncName[3].Str(), "my");

  prompts.Shown.clear();
  Choose("/user/a_sixteen_char_n.zep");
  Probe(form).AddUser()->trigger();
  EXPECT_EQ(prompts.Shown, QStringList{"Open: *.zep|" + NetworkDataPath.Str()});
  EXPECT_EQ(UserFuncCount, 1);
  EXPECT_EQ(UserFuncName[1].Str(), "a_sixteen_char_");
  EXPECT_TRUE(Edited) << "an added name is saved with the net, so it is edited work";

  // While the properties dialog shows, neither command runs.
  EditDialogOpen = true;
  prompts.Shown.clear();
  Probe(form).AddLib()->trigger();
  Probe(form).AddUser()->trigger();
  EXPECT_TRUE(prompts.Shown.isEmpty());
}

TEST_F(NamesCommandsTest, FullListsRefuseWithTheirMessages) {
  LibFuncCount = MaxLibFunc;
  UserFuncCount = MaxUserFunc;
  Probe(form).AddLib()->trigger();
  Probe(form).AddUser()->trigger();
  EXPECT_EQ(prompts.Shown, (QStringList{"Warning: Sorry! The system cannot append any more Library !",
                                        "Warning: Sorry! The system cannot append any more Funtion !"}));
}

TEST_F(NamesCommandsTest, SetBuiltInLibraryNamesFromAListFile) {
  EditDialogOpen = true;  // this command does not wait for the dialog
  Choose(WriteList("$ built in\r\n\r\n  mul  \r\nMUL\r\nadd\r\n"));
  Probe(form).AddBuiltin()->trigger();
  EXPECT_EQ(prompts.Shown, QStringList{"Open: *.lst|" + BuiltDataPath.Str()});
  EXPECT_EQ(LibFuncCount, 2);
  EXPECT_EQ(LibFuncName[1].Str(), "mul");
  EXPECT_EQ(LibFuncName[2].Str(), "add");
  EXPECT_TRUE(Edited);

  // A library that fills up stops the import with the library's message.
  LibFuncCount = MaxLibFunc - 1;
  prompts.Shown.clear();
  Choose(WriteList("one\r\ntwo\r\nthree\r\n"));
  Probe(form).AddBuiltin()->trigger();
  EXPECT_EQ(LibFuncCount, MaxLibFunc);
  EXPECT_EQ(LibFuncName[MaxLibFunc].Str(), "one");
  EXPECT_EQ(prompts.Shown.last(), "Warning: Sorry! The system cannot append any more Library !");

  // A file that cannot be opened ends the command in the error box.
  prompts.Shown.clear();
  Choose(tmp.File("missing.lst"));
  Probe(form).AddBuiltin()->trigger();
  ASSERT_EQ(prompts.Shown.size(), 2);
  EXPECT_TRUE(prompts.Shown[1].startsWith("Error: Cannot open file")) << prompts.Shown[1].toStdString();
  Cancel();
  Probe(form).AddBuiltin()->trigger();
  EXPECT_EQ(LibFuncCount, MaxLibFunc);
}

TEST_F(NamesCommandsTest, DeletingNamesThroughThePanel) {
  for (const char* n : {"a", "b", "c"}) AddLibFuncName(n);
  for (const char* n : {"u1", "b"}) AddUserFuncName(n);
  AddZEP("c", 3);
  AddZEP("u1", 101);
  AddZEP("u1", 101);
  Probe(form).DeleteName()->trigger();
  EXPECT_FALSE(Probe(form).DelPnl()->isHidden());
  EXPECT_EQ(Entries(), (QStringList{"u1", "b", "a", "b", "c"}));
  // The panel fills green around its buttons and list, not with the canvas's white.
  const QImage panel = Probe(form).DelPnl()->grab().toImage();
  EXPECT_EQ(panel.size(), QSize(116, 141));
  for (const QPoint p : {QPoint(1, 1), QPoint(58, 28), QPoint(114, 139)})
    EXPECT_EQ(panel.pixelColor(p), QColor(0, 128, 0)) << p.x() << "," << p.y();

  // Nothing chosen: nothing changes, and the user is told why.
  QTest::mouseClick(Probe(form).NameDel(), Qt::LeftButton);
  EXPECT_EQ(prompts.Shown, QStringList{"Warning: No name is chosen. Click a name in the list first, then press Delete."});
  EXPECT_EQ(Entries().size(), 5);
  EXPECT_FALSE(Edited);

  // A name in both lists leaves the user list first; no ZEP uses it, so no question.
  prompts.Shown.clear();
  DeleteEntry("b");
  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_EQ(Entries(), (QStringList{"u1", "a", "b", "c"}));
  EXPECT_TRUE(Edited);
  DeleteEntry("b");
  EXPECT_EQ(Entries(), (QStringList{"u1", "a", "c"}));
  EXPECT_EQ(ZEPLink[1].FuncCode, 2);

  // A name two ZEPs use asks once; No keeps everything.
  NetSaved();
  prompts.Answers.push_back(Answer::No);
  DeleteEntry("u1");
  EXPECT_EQ(prompts.Shown, QStringList{"YesNo: This Name is on use !!\n\rDo you Delete it ?"});
  EXPECT_EQ(Entries(), (QStringList{"u1", "a", "c"}));
  EXPECT_EQ(ZEPText[2].FuncName.Str(), "u1");
  EXPECT_FALSE(Edited);

  prompts.Shown.clear();
  prompts.Answers.push_back(Answer::Yes);
  DeleteEntry("u1");
  EXPECT_EQ(prompts.Shown.size(), 1);
  EXPECT_EQ(Entries(), (QStringList{"a", "c"}));
  for (int z : {2, 3}) {
    EXPECT_EQ(ZEPText[z].FuncName.Str(), "Non");
    EXPECT_EQ(ZEPLink[z].FuncCode, 0);
  }
  EXPECT_TRUE(Edited);
  EXPECT_FALSE(Probe(form).DelPnl()->isHidden());

  QTest::mouseClick(Probe(form).CancelDel(), Qt::LeftButton);
  EXPECT_TRUE(Probe(form).DelPnl()->isHidden());
}

}  // namespace
