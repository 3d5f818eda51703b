// Every command that changes the net announces it once, with its kind and the caption
// that names the step, and sets or clears Edited by one rule; commands that change nothing
// announce nothing.
#include <QAction>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/CanvasPointer.h"
#include "app/NetHome.h"
#include "dialogs/NetEdit.h"
#include "document/NetDocument.h"
#include "model/NetChange.h"
#include "model/NetHistory.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

QString KindName(NetChangeKind kind) {
  switch (kind) {
    case NetChangeKind::Place: return "Place";
    case NetChangeKind::Append: return "Append";
    case NetChangeKind::Delete: return "Delete";
    case NetChangeKind::Properties: return "Properties";
    case NetChangeKind::NameAdd: return "NameAdd";
    case NetChangeKind::NameDelete: return "NameDelete";
    case NetChangeKind::History: return "History";
    case NetChangeKind::Routes: return "Routes";
    case NetChangeKind::New: return "New";
    case NetChangeKind::Load: return "Load";
  }
  return "?";
}

class NetChangeTest : public ::testing::Test {
public:
  void SetUp() override {
    ResetNetDef();
    form = StartedForm(tmp.Path(), prompts);
    dialog = form->EditForm();
    NetworkDataPath = tmp.Path();
    BuiltDataPath = tmp.Path();
    QObject::connect(&NetEvents::Instance(), &NetEvents::Changed, &listener,
                     [this](const NetChange& c) { heard << KindName(c.Kind) + ": " + c.Caption; });
  }
  void TearDown() override { dialog->hide(); }

  void EditZEP1(const QString& name) {
    CurZEP = 1;
    Picked = true;
    dialog->ShowForSelection();
    if (!name.isEmpty()) {
      dialog->ZEPNameEdit->selectAll();
      QTest::keyClicks(dialog->ZEPNameEdit, name);
    }
    QTest::mouseClick(dialog->EndBtn, Qt::LeftButton);
  }

  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(tmp.File(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  TNetEditForm* dialog = nullptr;
  QObject listener;
  QStringList heard;
};

TEST_F(NetChangeTest, EachCommandAnnouncesItsChangeOnce) {
  const struct {
    const char* command;
    bool editedBefore;
    std::function<void(NetChangeTest&)> run;
    QStringList announced;
    bool editedAfter;
  } steps[] = {
      {"New", true, [](NetChangeTest& t) {
         t.prompts.Answers = {Answer::No};
         t.prompts.Files = {std::nullopt};  // the save it offers is cancelled
         Probe(t.form).New()->trigger();
       }, {"New: "}, false},
      {"Append Dot", false, [](NetChangeTest& t) { Probe(t.form).AddDot()->trigger(); }, {"Append: Append Dot 1"}, true},
      {"place with the pointer", false, [](NetChangeTest& t) { t.form->Pointer().PaintBoxMouseUp(Qt::LeftButton, 400, 400); },
       {"Place: Move Dot 1"}, true},
      {"Delete Element", false, [](NetChangeTest& t) {
         CurDot = 1;
         t.prompts.Answers = {Answer::Ok};
         Probe(t.form).DeleteElement()->trigger();
       }, {"Delete: Delete Dot 1"}, true},
      {"Save and Exit", false, [](NetChangeTest& t) { t.EditZEP1("Mix"); }, {"Properties: Properties of ZEP New"}, true},
      {"Save and Exit unchanged", false, [](NetChangeTest& t) { t.EditZEP1(QString()); }, {}, false},
      {"Exit w/o Saving", false, [](NetChangeTest& t) {
         CurZEP = 1;
         t.dialog->ShowForSelection();
         t.dialog->ZEPNameEdit->setText("Other");
         QTest::mouseClick(t.dialog->ExitBtn, Qt::LeftButton);
       }, {}, false},
      {"Set Library Name", false, [](NetChangeTest& t) {
         t.prompts.Files = {QStringLiteral("/lib/adder.lib")};
         Probe(t.form).AddLib()->trigger();
       }, {"NameAdd: Add Library Name adder"}, true},
      {"Set Library Name listed", false, [](NetChangeTest& t) {
         t.prompts.Files = {QStringLiteral("/lib/adder.lib")};
         Probe(t.form).AddLib()->trigger();
       }, {}, false},
      {"Set User Function Name", false, [](NetChangeTest& t) {
         t.prompts.Files = {QStringLiteral("/zep/filter.zep")};
         Probe(t.form).AddUser()->trigger();
       }, {"NameAdd: Add User Function Name filter"}, true},
      {"Set Built in Library Name", false, [](NetChangeTest& t) {
         t.prompts.Files = {t.WriteFile("built.lst", "mul\r\nadd\r\n")};
         Probe(t.form).AddBuiltin()->trigger();
       }, {"NameAdd: Import Library Names built.lst"}, true},
      {"Delete Func/Lib Name", false, [](NetChangeTest& t) {
         Probe(t.form).DeleteName()->trigger();
         Probe(t.form).DelList()->setCurrentItem(Probe(t.form).DelList()->findItems("adder", Qt::MatchExactly).first());
         QTest::mouseClick(Probe(t.form).NameDel(), Qt::LeftButton);
       }, {"NameDelete: Delete Name adder"}, true},
      {"Load", true, [](NetChangeTest& t) {
         const QString path = t.tmp.File("saved.net");
         WriteNetFile(path, QDate(2024, 5, 6));
         t.prompts.Answers = {Answer::No};
         t.prompts.Files = {path};
         Probe(t.form).Load()->trigger();
       }, {"Load: "}, false},
      {"Exit w/o Saving on routes as a file drew them", false, [](NetChangeTest& t) {
         t.prompts.Files = {t.WriteFile("drawn.net", "[ZEP]\r\nNew = 8,8,3,Non,InPut1,Input2\r\n[InData]\r\n"
                                                    "Input1 = 0,5\r\nInput2 = 0,11\r\n[Connection]\r\nNew-A = (1,1)(1,9)\r\n")};
         Probe(t.form).Load()->trigger();
         CurZEP = 1;
         t.dialog->ShowForSelection();
         QTest::mouseClick(t.dialog->ExitBtn, Qt::LeftButton);
       }, {"Load: ", "Routes: "}, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    if (step.editedBefore) NetChanged(NetChangeKind::Properties);  // an edit not yet saved
    else NetSaved();
    heard.clear();
    step.run(*this);
    EXPECT_EQ(heard, step.announced);
    EXPECT_EQ(Edited, step.editedAfter);
    // What the tables hold is what the history recorded: an undo takes back this step only.
    EXPECT_FALSE(form->Document().History().HoldsUnannouncedChange());
    EXPECT_TRUE(prompts.Shown.filter("Error").isEmpty()) << prompts.Shown.join('\n').toStdString();
  }
  // Load and New leave Save and Print Net offered, and nothing picked.
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
  EXPECT_TRUE(Probe(form).DrawOnPaper()->isEnabled());
  EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
}

}  // namespace
