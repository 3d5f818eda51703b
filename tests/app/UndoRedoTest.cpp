// Undo and Redo as the user meets them in the Edit menu: every kind of step taken back and
// done again leaves the file the net saves to exactly as it was, the captions name the
// step, and Edited follows the state last saved or loaded.
#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "app/CanvasPointer.h"
#include "app/NameCommands.h"
#include "app/FileCommands.h"
#include "app/ElementCommands.h"
#include "app/NetHome.h"
#include "dialogs/NetEdit.h"
#include "document/NetDocument.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"
#include "platform/Guard.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/ShownTitle.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

const QString Example = QStringLiteral(PLEXOR_SOURCE_DIR "/examples/all-kinds.net");

QByteArray SavedBytes() { return NetFileText(QDate(2024, 3, 7)); }

class UndoRedo : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = StartedForm(app.Path(), prompts);
    LoadExample();
  }

  void TearDown() override {
    form.reset();
  }

  void LoadExample() {
    prompts.Files = {Example};
    if (Edited) prompts.Answers = {Answer::No};  // the edits are dropped
    Run([&] { form->Files().LoadClick(); });
    prompts.Shown.clear();
  }

  void Run(const std::function<void()>& handler) { Guard(form->Ask(), handler); }
  void Key(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(form.get(), Qt::Key(key), modifiers); }
  // Edited, and the title bar with it: the caption as ever, marked while the net is edited.
  void ExpectEdited(bool edited) {
    EXPECT_EQ(Edited, edited);
    EXPECT_EQ(ShownTitle(*form), form->Document().Caption() + (edited ? "*" : ""));
  }

  TempDir app;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

struct StepCase {
  const char* Caption;
  std::function<void(TNetForm&, ScriptedPrompts&)> Take;
};

// "Save and Exit" of the properties dialog for ZEP 3, moved to number 1 and renamed.
void EditZEPMix(TNetForm& form) {
  CurZEP = 3;
  Picked = true;
  form.EditForm()->ShowForSelection();
  form.EditForm()->ZEPNameEdit->setText(QStringLiteral("Blend1"));
  form.EditForm()->ZEPNumEdit->setText(QStringLiteral("1"));
  QTest::mouseClick(form.EditForm()->EndBtn, Qt::LeftButton);
}

TEST_F(UndoRedo, EveryKindOfStepIsTakenBackAndDoneAgainToTheByte) {
  const std::vector<StepCase> cases = {
      {"Move ZEP Mix",
       [](TNetForm& form, ScriptedPrompts&) {
         CurZEP = 3;  // as after a pick in Select mode: the next click places it
         form.Pointer().PaintBoxMouseUp(Qt::LeftButton, 24 * Pitch, 30 * Pitch);
       }},
      {"Append Dot 3", [](TNetForm& form, ScriptedPrompts&) { form.Elements().AddDotClick(); }},
      {"Delete Input In3",
       [](TNetForm& form, ScriptedPrompts& prompts) {
         CurInput = 3;
         prompts.Answers = {Answer::Ok};
         form.Elements().DeleteElementClick();
       }},
      {"Delete ZEP Sum, Input In1",
       [](TNetForm& form, ScriptedPrompts& prompts) {
         CurZEP = 1;
         CurInput = 1;
         prompts.Answers = {Answer::Ok, Answer::Ok};
         form.Elements().DeleteElementClick();
       }},
      {"Properties of ZEP Mix", [](TNetForm& form, ScriptedPrompts&) { EditZEPMix(form); }},
      {"Add User Function Name Shape",
       [](TNetForm& form, ScriptedPrompts& prompts) {
         prompts.Files = {QStringLiteral("/functions/Shape.zep")};
         form.Names().AddUserClick();
       }},
      {"Import Library Names extra.lst",
       [this](TNetForm& form, ScriptedPrompts& prompts) {
         ASSERT_TRUE(WriteBytes(app.File("extra.lst"), "Exp\r\nLog\r\n"));
         prompts.Files = {app.File("extra.lst")};
         form.Names().AddBuiltinClick();
       }},
      {"Delete Name Sqrt",
       [](TNetForm& form, ScriptedPrompts&) {
         form.Names().DeleteNameClick();
         Probe(form).DelList()->findItems(QStringLiteral("Sqrt"), Qt::MatchExactly).first()->setSelected(true);
         form.Names().NameDelClick();
       }},
  };
  for (const StepCase& step : cases) {
    SCOPED_TRACE(step.Caption);
    LoadExample();
    const QByteArray before = SavedBytes();
    const TNetTables tablesBefore = NetTables;
    EXPECT_FALSE(Probe(form).Undo()->isEnabled());
    Run([&] { step.Take(*form, prompts); });
    const QByteArray after = SavedBytes();
    ASSERT_NE(after, before);
    EXPECT_TRUE(Edited);
    EXPECT_EQ(Probe(form).Undo()->text(), QStringLiteral("Undo ") + step.Caption);
    EXPECT_EQ(Probe(form).Redo()->text(), "Redo");
    EXPECT_FALSE(Probe(form).Redo()->isEnabled());

    Run([&] { form->Files().UndoClick(); });
    EXPECT_EQ(SavedBytes(), before);
    EXPECT_TRUE(NetTables == tablesBefore);
    EXPECT_FALSE(Edited);
    EXPECT_FALSE(Picked);
    EXPECT_EQ(CurZEP + CurInput + CurOutput + CurComment + CurDot, 0);
    EXPECT_EQ(Probe(form).Undo()->text(), "Undo");
    EXPECT_FALSE(Probe(form).Undo()->isEnabled());
    EXPECT_EQ(Probe(form).Redo()->text(), QStringLiteral("Redo ") + step.Caption);

    Run([&] { form->Files().RedoClick(); });
    EXPECT_EQ(SavedBytes(), after);
    EXPECT_TRUE(Edited);
  }
}

TEST_F(UndoRedo, EditedFollowsTheSavedStateAndTheKeysFollowTheMenu) {
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + Example);
  Run([&] { form->Elements().AddDotClick(); });
  prompts.Files = {app.File("saved.net")};
  Run([&] { form->Files().SaveClick(); });
  ASSERT_FALSE(Edited);
  ExpectEdited(false);
  const QByteArray saved = SavedBytes();
  Run([&] { form->Elements().AddDotClick(); });
  ExpectEdited(true);

  // Ctrl+Z back to the saved state, then to the loaded one, which no file holds now.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(SavedBytes(), saved);
  ExpectEdited(false);
  Key(Qt::Key_Z, Qt::ControlModifier);
  ExpectEdited(true);
  EXPECT_EQ(DotCount, 2);
  // With nothing left to undo, the disabled item still takes its key.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(DotCount, 2);
  // Redo by Ctrl+Y and by Ctrl+Shift+Z.
  Key(Qt::Key_Y, Qt::ControlModifier);
  ExpectEdited(false);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  ExpectEdited(true);
  EXPECT_EQ(DotCount, 4);

  // While the properties dialog shows, Undo does nothing.
  EditDialogOpen = true;
  Run([&] { form->Files().UndoClick(); });
  EXPECT_EQ(DotCount, 4);
  EditDialogOpen = false;

  // A new step after an undo drops the steps that were undone; the saved state with them.
  Run([&] { form->Files().UndoClick(); });
  Run([&] { form->Files().UndoClick(); });
  Run([&] { form->Elements().AddComClick(); });
  EXPECT_FALSE(Probe(form).Redo()->isEnabled());
  ExpectEdited(true);
  Run([&] { form->Files().UndoClick(); });
  ExpectEdited(true);
  EXPECT_EQ(DotCount, 2);

  // Ctrl+S saves back to the net's file, without the dialog.
  prompts.Shown.clear();
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompts.Shown, QStringList{});
  ExpectEdited(false);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + app.File("saved.net"));

  // Load starts a fresh history.
  LoadExample();
  EXPECT_FALSE(Probe(form).Undo()->isEnabled());
  EXPECT_FALSE(Probe(form).Redo()->isEnabled());
}

}  // namespace
