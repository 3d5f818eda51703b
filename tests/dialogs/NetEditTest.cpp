// The element properties dialog, driven through its controls as a user would.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "dialogs/PaintArea.h"
#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"
#include "platform/Guard.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

void AddInput(const char* name, int length = 4) {
  ++InputCount;
  InputName[InputCount] = name;
  InputPos[InputCount] = {2, 4 * InputCount, length};
}

void AddOutput(const char* name, int length = 0) {
  ++OutputCount;
  OutputName[OutputCount] = name;
  OutputPos[OutputCount] = {60, 4 * OutputCount, length};
}

void AddZEP(const char* name, const char* func, const char* a, const char* b, int outLength = 5) {
  ++ZEPCount;
  ZEPText[ZEPCount] = {name, func, a, b};
  ZEPPos[ZEPCount] = {10 * ZEPCount, 20, outLength};
}

// Every field the dialog may write, one line per element.
QStringList Tables() {
  QStringList lines;
  for (int z = 1; z <= ZEPCount; ++z) {
    const TZEPText& t = ZEPText[z];
    const TZEPLink& l = ZEPLink[z];
    lines << QStringLiteral("ZEP %1 %2 %3 %4 %5 | %6 %7,%8,%9 %10,%11,%12 %13 | %14,%15,%16")
                 .arg(z).arg(t.Name.Str(), t.FuncName.Str(), t.SourceA.Str(), t.SourceB.Str())
                 .arg(l.FuncCode).arg(l.AKind).arg(l.ADelay).arg(l.AIndex).arg(l.BKind).arg(l.BDelay)
                 .arg(l.BIndex).arg(l.OutIndex).arg(ZEPPos[z].X).arg(ZEPPos[z].Y).arg(ZEPPos[z].OutLength);
  }
  for (int i = 1; i <= InputCount; ++i)
    lines << QStringLiteral("In %1 %2 %3").arg(i).arg(InputName[i].Str()).arg(InputPos[i].Length);
  for (int o = 1; o <= OutputCount; ++o)
    lines << QStringLiteral("Out %1 %2 %3").arg(o).arg(OutputName[o].Str()).arg(OutputPos[o].Length);
  for (int c = 1; c <= CommentCount; ++c) lines << QStringLiteral("Com %1 %2").arg(c).arg(CommentText[c].Str());
  return lines;
}

struct Link {
  int Kind, Delay, Index;
  friend bool operator==(const Link&, const Link&) = default;
};
Link A(int z) { return {ZEPLink[z].AKind, ZEPLink[z].ADelay, ZEPLink[z].AIndex}; }
Link B(int z) { return {ZEPLink[z].BKind, ZEPLink[z].BDelay, ZEPLink[z].BIndex}; }
std::ostream& operator<<(std::ostream& out, const Link& l) {
  return out << "{" << l.Kind << "," << l.Delay << "," << l.Index << "}";
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int k = 0; k < box->count(); ++k) items << box->itemText(k);
  return items;
}

class NetEditTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = StartedForm(tmp.Path(), prompts);
    dialog = form->EditForm();
    BuildNet();
  }
  void TearDown() override { dialog->hide(); }

  // A net as a load leaves it: names stored, links resolved from them.
  static void BuildNet() {
    AddInput("In1");
    AddInput("In2", 7);
    AddZEP("Add1", "add", "In1", "In2");
    AddZEP("Mul1", "mul", "Add1-1", "In1");
    AddZEP("Sub1", "sub", "Mul1", "Add1-3");
    AddZEP("Neg1", "neg", "Sub1-2", "Non");
    AddZEP("Out5", "mul", "Neg1", "Out5-1", 22);
    AddZEP("Tail", "sub", "add1", "Non");
    AddOutput("Add1");
    AddOutput("Out5", 3);
    CommentCount = 1;
    CommentText[1] = "A note";
    LibFuncName[1] = "add";
    LibFuncName[2] = "mul";
    LibFuncName[3] = "sub";
    LibFuncCount = 3;
    UserFuncName[1] = "neg";
    UserFuncName[2] = "mul";
    UserFuncCount = 2;
    ResolveLinks();
  }

  void OpenFor(int zep, int input = 0, int output = 0, int comment = 0) {
    CurZEP = zep;
    CurInput = input;
    CurOutput = output;
    CurComment = comment;
    Picked = true;
    dialog->ShowForSelection();
    ASSERT_TRUE(dialog->isVisible());
  }

  static void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  static void Type(QComboBox* box, const QString& text) { Type(box->lineEdit(), text); }
  static void Choose(RadioGroup* group, int item) {
    QRadioButton* button = group->Item(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  static void Step(UpDown* upDown, int times) {
    for (int k = 0; k < std::abs(times); ++k)
      QTest::mouseClick(times > 0 ? upDown->UpButton() : upDown->DownButton(), Qt::LeftButton);
  }
  void Save() { QTest::mouseClick(dialog->EndBtn, Qt::LeftButton); }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  TNetEditForm* dialog = nullptr;
};

TEST_F(NetEditTest, ShowingAZEPFillsItsPanel) {
  FontName = QStringLiteral("Liberation Sans");
  OpenFor(2);
  EXPECT_TRUE(EditDialogOpen);
  EXPECT_TRUE(dialog->ZEPPanel->isVisible());
  EXPECT_FALSE(dialog->InOutPanel->isVisible());
  EXPECT_EQ(dialog->focusWidget(), dialog->EndBtn);
  EXPECT_EQ(dialog->ZEPNameEdit->font().family(), FontName);
  EXPECT_EQ(dialog->ZEPNameEdit->text(), QStringLiteral("Mul1"));
  EXPECT_EQ(dialog->FunctionBox->currentText(), QStringLiteral("mul"));
  EXPECT_EQ(Items(dialog->FunctionBox), (QStringList{"add", "mul", "sub", "neg", "mul"}));
  // Input A from a ZEP with its delay, input B from an Input.
  EXPECT_EQ(dialog->InABox->currentText(), QStringLiteral("Add1"));
  EXPECT_EQ(dialog->InARadio->ItemIndex(), 0);
  EXPECT_TRUE(dialog->ADelayEdit->isVisible());
  EXPECT_EQ(dialog->ADelayEdit->text(), QStringLiteral("1"));
  EXPECT_EQ(Items(dialog->InABox), (QStringList{"Add1", "Mul1", "Sub1", "Neg1", "Out5", "Tail"}));
  EXPECT_EQ(dialog->InBBox->currentText(), QStringLiteral("In1"));
  EXPECT_EQ(dialog->InBRadio->ItemIndex(), 1);
  EXPECT_FALSE(dialog->BDelayEdit->isVisible());
  EXPECT_FALSE(dialog->BLabel->isVisible());
  EXPECT_FALSE(dialog->InBUD->isVisible());
  EXPECT_EQ(Items(dialog->InBBox), (QStringList{"In1", "In2"}));
  EXPECT_EQ(dialog->ZEPNumEdit->text(), QStringLiteral("2"));
  EXPECT_EQ(dialog->ZEPNumUD->Max(), 6);
  EXPECT_EQ(dialog->OutLengthEdit->text(), QStringLiteral("3"));
  dialog->close();

  // A source of no kind selects neither item and keeps the list the box had.
  OpenFor(4);
  EXPECT_EQ(dialog->InBRadio->ItemIndex(), -1);
  EXPECT_FALSE(dialog->BDelayEdit->isVisible());
  EXPECT_EQ(Items(dialog->InBBox), (QStringList{"In1", "In2"}));
  EXPECT_EQ(dialog->InBBox->currentText(), QStringLiteral("Non"));
  dialog->close();

  // The number range follows the count before the position is set.
  OpenFor(5);
  EXPECT_EQ(dialog->OutLengthEdit->text(), QStringLiteral("20"));
  EXPECT_EQ(dialog->ZEPNumEdit->text(), QStringLiteral("5"));
}

TEST_F(NetEditTest, RenamingAZEPRenamesItsSourcesAndOutputsButNotOtherSpellings) {
  OpenFor(1);
  Type(dialog->ZEPNameEdit, "Add2");
  Save();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ZEPText[1].Name.Str(), QStringLiteral("Add2"));
  EXPECT_EQ(ZEPText[2].SourceA.Str(), QStringLiteral("Add2"));
  EXPECT_EQ(ZEPText[3].SourceB.Str(), QStringLiteral("Add2"));
  EXPECT_EQ(OutputName[1].Str(), QStringLiteral("Add2"));
  EXPECT_EQ(ZEPText[6].SourceA.Str(), QStringLiteral("add1"));
  EXPECT_EQ(A(2), (Link{2, 1, 1}));
}

TEST_F(NetEditTest, ChoosingTheSourceOfAnInput) {
  // "ZEP" with a name that no ZEP bears is named in a message; the dialog stays open with
  // the name selected, the input as it was.
  OpenFor(2);
  Type(dialog->InABox, "Nobody");
  Step(dialog->InAUD, 2);
  Save();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(prompts.Shown.last(), QStringLiteral("Warning: No ZEP is named \u201CNobody\u201D."));
  EXPECT_EQ(dialog->focusWidget(), dialog->InABox);
  EXPECT_EQ(dialog->InABox->lineEdit()->selectedText(), QStringLiteral("Nobody"));
  EXPECT_EQ(ZEPText[2].SourceA.Str(), QStringLiteral("Add1"));
  EXPECT_EQ(A(2), (Link{2, 1, 1}));
  dialog->ExitBtnClick();
  // The input's own source as it stands is kept, though written in other letter case.
  OpenFor(6);
  Save();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(A(6), (Link{3, 0, 1}));

  // "Input" stores kind 1 and delay 0, whatever the delay shows.
  OpenFor(2);
  Step(dialog->InAUD, 3);
  Choose(dialog->InARadio, 1);
  EXPECT_FALSE(dialog->ADelayEdit->isVisible());
  EXPECT_EQ(dialog->InABox->currentText(), QStringLiteral("Add1"));
  EXPECT_EQ(Items(dialog->InABox), (QStringList{"In1", "In2"}));
  Type(dialog->InABox, "In2");
  Save();
  EXPECT_EQ(ZEPText[2].SourceA.Str(), QStringLiteral("In2"));
  EXPECT_EQ(A(2), (Link{1, 0, 2}));

  // From an Input to a ZEP through a delay; the delay stops at 7.
  OpenFor(1);
  Choose(dialog->InBRadio, 0);
  EXPECT_TRUE(dialog->BDelayEdit->isVisible());
  EXPECT_EQ(dialog->InBBox->currentText(), QStringLiteral("In2"));
  dialog->InBBox->setCurrentIndex(dialog->InBBox->findText("Sub1"));
  Step(dialog->InBUD, 9);
  EXPECT_EQ(dialog->BDelayEdit->text(), QStringLiteral("7"));
  Save();
  EXPECT_EQ(ZEPText[1].SourceB.Str(), QStringLiteral("Sub1"));
  EXPECT_EQ(B(1), (Link{2, 7, 3}));

  // No "Data from" choice: the typed name is ignored.
  OpenFor(4);
  Type(dialog->InBBox, "Add1");
  Save();
  EXPECT_EQ(ZEPText[4].SourceB.Str(), QStringLiteral("Non"));
  EXPECT_EQ(B(4), (Link{0, 0, 0}));
}

TEST_F(NetEditTest, OutputLineLengthIsOfferedTwoShort) {
  OpenFor(1);
  EXPECT_EQ(dialog->OutLengthEdit->text(), QStringLiteral("3"));
  Step(dialog->OutLengthUD, -5);
  EXPECT_EQ(dialog->OutLengthEdit->text(), QStringLiteral("1"));
  Save();
  EXPECT_EQ(ZEPPos[1].OutLength, 3);

  OpenFor(5);
  Step(dialog->OutLengthUD, 1);
  EXPECT_EQ(dialog->OutLengthEdit->text(), QStringLiteral("20"));
  Save();
  EXPECT_EQ(ZEPPos[5].OutLength, 22);
}

TEST_F(NetEditTest, MovingAZEPKeepsEverySourceAndDelay) {
  OpenFor(5);
  Type(dialog->ZEPNumEdit, "2");
  Save();
  const QStringList names{"Add1", "Out5", "Mul1", "Sub1", "Neg1", "Tail"};
  for (int z = 1; z <= 6; ++z) EXPECT_EQ(ZEPText[z].Name.Str(), names[z - 1]) << z;
  EXPECT_EQ(ZEPPos[2], (TZEPPos{50, 20, 22}));
  EXPECT_EQ(ZEPPos[3], (TZEPPos{20, 20, 5}));
  struct Expect {
    int z;
    Link a, b;
  } expected[] = {
      {1, {1, 0, 1}, {1, 0, 2}}, {2, {3, 0, 5}, {2, 1, 2}}, {3, {2, 1, 1}, {1, 0, 1}},
      {4, {3, 0, 3}, {2, 3, 1}}, {5, {2, 2, 4}, {0, 0, 0}}, {6, {3, 0, 1}, {0, 0, 0}},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(A(e.z), e.a) << e.z;
    EXPECT_EQ(B(e.z), e.b) << e.z;
  }
  EXPECT_EQ(ZEPLink[1].OutIndex, 1);
  EXPECT_EQ(ZEPLink[2].OutIndex, 2);
  EXPECT_EQ(ZEPLink[3].OutIndex, 0);
  EXPECT_EQ(ZEPLink[2].FuncCode, 102);

  // A typed number outside the range, or no number, leaves the ZEP where it is.
  for (const char* typed : {"9", "x", "0"}) {
    OpenFor(4);
    Type(dialog->ZEPNumEdit, typed);
    Save();
    for (int z = 1; z <= 6; ++z) EXPECT_EQ(ZEPText[z].Name.Str(), names[z - 1]) << typed;
  }
  // The count itself is in the range: the ZEP moves to the last place.
  OpenFor(4);
  Type(dialog->ZEPNumEdit, "6");
  Save();
  EXPECT_EQ(ZEPText[6].Name.Str(), names[3]);
  EXPECT_EQ(ZEPText[5].Name.Str(), names[5]);
}

TEST_F(NetEditTest, MovingAZEPKeepsLinksToZEPsAndInputsOfRepeatedNames) {
  ResetNetDef();
  AddInput("X");
  AddInput("X");
  AddZEP("Dup", "", "X", "X");
  AddZEP("Dup", "", "X", "X");
  AddZEP("Last", "", "Dup", "X");
  ZEPLink[3] = {0, KindZEP, 1, 2, KindInput, 0, 2, 0};  // the second Dup, the second X
  ZEPLink[2] = {0, KindZEP, 0, 1, KindZEP, 4, 2, 0};
  // Saved as shown, the inputs stay on the second "Dup" and the second "X".
  OpenFor(3);
  Save();
  EXPECT_EQ(A(3), (Link{2, 1, 2}));
  EXPECT_EQ(B(3), (Link{1, 0, 2}));
  OpenFor(3);
  Type(dialog->ZEPNumEdit, "1");
  Save();
  EXPECT_EQ(ZEPText[1].Name.Str(), QStringLiteral("Last"));
  EXPECT_EQ(A(1), (Link{2, 1, 3}));
  EXPECT_EQ(B(1), (Link{1, 0, 2}));
  EXPECT_EQ(A(3), (Link{3, 0, 2}));
  EXPECT_EQ(B(3), (Link{2, 4, 3}));
}

TEST_F(NetEditTest, FunctionNamesAreLookedUpInTheLibraryFirst) {
  struct Case {
    const char* typed;
    const char* funcName;
    int code;
  } cases[] = {{"mul", "mul", 2}, {"neg", "neg", 101}, {"", "add", 1}, {"non", "non", 0}};
  for (const Case& c : cases) {
    ZEPText[1].FuncName = "add";
    ZEPLink[1].FuncCode = 1;
    OpenFor(1);
    Type(dialog->FunctionBox, c.typed);
    Save();
    EXPECT_EQ(ZEPText[1].FuncName.Str(), QString(c.funcName)) << c.typed;
    EXPECT_EQ(ZEPLink[1].FuncCode, c.code) << c.typed;
  }
}

// A function name in neither list is offered for the user list; one in other letter case is
// refused, as a reload would take it for the listed one.
TEST_F(NetEditTest, TypedFunctionNamesInNeitherListAreAskedFor) {
  const QString question = QStringLiteral("YesNo: Add \u201CFoo\u201D to the user function names?");
  OpenFor(1);
  Type(dialog->FunctionBox, "Foo");
  prompts.Answers = {Answer::No};
  Save();
  EXPECT_EQ(prompts.Shown.last(), question);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->focusWidget(), dialog->FunctionBox);
  EXPECT_EQ(dialog->FunctionBox->lineEdit()->selectedText(), QStringLiteral("Foo"));
  EXPECT_EQ(UserFuncCount, 2);
  EXPECT_EQ(ZEPText[1].FuncName.Str(), QStringLiteral("add"));

  prompts.Answers = {Answer::Yes};
  Save();
  EXPECT_EQ(prompts.Shown.last(), question);
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(UserFuncCount, 3);
  EXPECT_EQ(UserFuncName[3].Str(), QStringLiteral("Foo"));
  EXPECT_EQ(ZEPText[1].FuncName.Str(), QStringLiteral("Foo"));
  EXPECT_EQ(ZEPLink[1].FuncCode, 103);
  const QByteArray saved = NetFileText(QDate(2024, 5, 6));
  EXPECT_TRUE(saved.contains("\r\nUser = neg,mul,Foo\r\n"));
  EXPECT_TRUE(saved.contains("\r\nAdd1 = 10,20,5,Foo,In1,In2\r\n"));

  OpenFor(2);
  Type(dialog->FunctionBox, "MUL");
  Save();
  EXPECT_EQ(prompts.Shown.last(), QStringLiteral("Warning: The function \u201CMUL\u201D is listed as \u201Cmul\u201D: "
                                                 "function names differ in letter case."));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(ZEPText[2].FuncName.Str(), QStringLiteral("mul"));
}

// Texts a net file would not give back as typed are refused, naming the character; the
// dialog stays open with the text selected and the tables as they were.
TEST_F(NetEditTest, TypedTextsAFileCannotCarryBackAreRefused) {
  struct Case {
    int zep, input, output, comment;
    QWidget* field;
    const char* typed;
    const char* message;
  } const cases[] = {
      {1, 0, 0, 0, dialog->ZEPNameEdit, "Lo-1",
       "The ZEP name \u201CLo-1\u201D holds \"-\", which the file reads as the start of a delay"},
      {1, 0, 0, 0, dialog->ZEPNameEdit, "Mix ", "The ZEP name \u201CMix \u201D ends with a blank"},
      {1, 0, 0, 0, dialog->ZEPNameEdit, "Esc\x1b", "The ZEP name \u201CEsc\\x1B\u201D holds the control character \\x1B"},
      {1, 0, 0, 0, dialog->FunctionBox, "f,g", "The function name \u201Cf,g\u201D holds \",\", which the file reads as a separator"},
      {0, 1, 0, 0, dialog->NameEdit, " In", "The Input name \u201C In\u201D begins with a blank"},
      {0, 1, 0, 0, dialog->NameEdit, "a,b", "The Input name \u201Ca,b\u201D holds \",\", which the file reads as a separator"},
      {0, 0, 1, 0, dialog->OutNameBox, "a=b", "The Output name \u201Ca=b\u201D holds \"=\", which the file reads as the end of a name"},
      {0, 0, 0, 1, dialog->NameEdit, "Tab\there", "The Comment \u201CTab\\x09here\u201D holds the control character \\x09"},
  };
  const QStringList before = Tables();
  for (const Case& c : cases) {
    OpenFor(c.zep, c.input, c.output, c.comment);
    auto* box = qobject_cast<QComboBox*>(c.field);
    QLineEdit* edit = box ? box->lineEdit() : static_cast<QLineEdit*>(c.field);
    // A control character comes in pasted: typed, Tab and Escape act as keys.
    Type(edit, "");
    edit->insert(QString::fromLatin1(c.typed));
    Save();
    EXPECT_TRUE(dialog->isVisible()) << c.typed;
    EXPECT_EQ(prompts.Shown.last(), QStringLiteral("Warning: ") + c.message + ": a saved net could not keep it.");
    EXPECT_EQ(dialog->focusWidget(), c.field) << c.typed;
    EXPECT_EQ(edit->selectedText(), QString::fromLatin1(c.typed));
    EXPECT_EQ(Tables(), before) << c.typed;
    dialog->ExitBtnClick();
  }
  // Commas and "=" are carried in a Comment's text.
  OpenFor(0, 0, 0, 1);
  Type(dialog->NameEdit, "x = a, b");
  Save();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(CommentText[1].Str(), QStringLiteral("x = a, b"));
}

TEST_F(NetEditTest, EmptyTexts) {
  OpenFor(3, 1);
  Type(dialog->ZEPNameEdit, "");
  Type(dialog->NameEdit, "");
  Save();
  EXPECT_EQ(ZEPText[3].Name.Str(), QStringLiteral("Sub1"));
  EXPECT_EQ(InputName[1].Str(), QString());
  EXPECT_EQ(ZEPText[1].SourceA.Str(), QString());
}

TEST_F(NetEditTest, EditingAnInput) {
  OpenFor(0, 2);
  EXPECT_FALSE(dialog->ZEPPanel->isVisible());
  EXPECT_EQ(dialog->InOutTitleLabel->text(), QStringLiteral("Editting Input "));
  EXPECT_EQ(dialog->InOutNameLabel->text(), QStringLiteral("Input Name"));
  EXPECT_TRUE(dialog->NameEdit->isVisible());
  EXPECT_FALSE(dialog->OutNameBox->isVisible());
  EXPECT_TRUE(dialog->LengthPanel->isVisible());
  EXPECT_EQ(dialog->NameEdit->text(), QStringLiteral("In2"));
  EXPECT_EQ(dialog->LengthEdit->text(), QStringLiteral("7"));
  Step(dialog->LengthUD, -9);
  EXPECT_EQ(dialog->LengthEdit->text(), QStringLiteral("2"));
  Type(dialog->NameEdit, "Feed");
  Save();
  EXPECT_EQ(InputName[2].Str(), QStringLiteral("Feed"));
  EXPECT_EQ(InputPos[2].Length, 2);
  EXPECT_EQ(ZEPText[1].SourceB.Str(), QStringLiteral("Feed"));
  EXPECT_EQ(ZEPText[1].SourceA.Str(), QStringLiteral("In1"));
}

TEST_F(NetEditTest, EditingAnOutputMovesItToTheChosenZEP) {
  OpenFor(0, 0, 2);
  EXPECT_EQ(dialog->InOutTitleLabel->text(), QStringLiteral("Editting Output "));
  EXPECT_EQ(dialog->InOutNameLabel->text(), QStringLiteral("Output Name"));
  EXPECT_FALSE(dialog->NameEdit->isVisible());
  EXPECT_TRUE(dialog->OutNameBox->isVisible());
  EXPECT_EQ(dialog->OutNameBox->currentText(), QStringLiteral("Out5"));
  EXPECT_EQ(Items(dialog->OutNameBox), (QStringList{"Add1", "Mul1", "Sub1", "Neg1", "Out5", "Tail"}));
  EXPECT_EQ(dialog->LengthEdit->text(), QStringLiteral("3"));
  Step(dialog->LengthUD, -5);
  EXPECT_EQ(dialog->LengthEdit->text(), QStringLiteral("0"));
  dialog->OutNameBox->setCurrentIndex(1);
  EXPECT_EQ(dialog->OutNameBox->currentText(), QStringLiteral("Mul1"));
  Save();
  EXPECT_EQ(OutputName[2].Str(), QStringLiteral("Mul1"));
  EXPECT_EQ(OutputPos[2].Length, 0);
  EXPECT_EQ(ZEPLink[5].OutIndex, 0);
  EXPECT_EQ(ZEPLink[2].OutIndex, 2);

  // The whole text is compared: a name longer than 15 characters shows no ZEP.
  ZEPText[3].Name = "abcdefghijklmno";
  OpenFor(0, 0, 2);
  Type(dialog->OutNameBox, "abcdefghijklmnop");
  Save();
  EXPECT_EQ(OutputName[2].Str(), QStringLiteral("abcdefghijklmno"));
  EXPECT_EQ(ZEPLink[2].OutIndex, 0);
  EXPECT_EQ(ZEPLink[3].OutIndex, 0);
}

TEST_F(NetEditTest, RenamingOneOfTwoOutputsOfANameLeavesTheFirstShowingItsZEP) {
  AddOutput("Add1");
  ASSERT_EQ(ZEPLink[1].OutIndex, 1);
  // The second "Add1" gets another name: ZEP 1 stays on Output 1.
  OpenFor(0, 0, 3);
  Type(dialog->OutNameBox, "Mul1");
  Save();
  EXPECT_EQ(ZEPLink[1].OutIndex, 1);
  EXPECT_EQ(ZEPLink[2].OutIndex, 3);
  // Output 3 named like ZEP 1 again: Output 1, the first, still shows it.
  OpenFor(0, 0, 3);
  Type(dialog->OutNameBox, "Add1");
  Save();
  EXPECT_EQ(ZEPLink[1].OutIndex, 1);
  EXPECT_EQ(ZEPLink[2].OutIndex, 0);
}

TEST_F(NetEditTest, EditingAComment) {
  OpenFor(0, 0, 0, 1);
  EXPECT_EQ(dialog->InOutTitleLabel->text(), QStringLiteral("Editting Comment "));
  EXPECT_EQ(dialog->InOutNameLabel->text(), QStringLiteral("Comment"));
  EXPECT_FALSE(dialog->LengthPanel->isVisible());
  EXPECT_EQ(dialog->NameEdit->text(), QStringLiteral("A note"));
  const QString longText = QString(130, QLatin1Char('c'));
  Type(dialog->NameEdit, longText);
  Save();
  EXPECT_EQ(CommentText[1].Str(), longText.left(127));
}

TEST_F(NetEditTest, ExitWithoutSavingChangesNothingButEndsTheEdit) {
  const QStringList before = Tables();
  CurDot = 1;
  Probe(form).DeleteBtn()->setEnabled(true);
  Probe(form).DragBtn()->setEnabled(false);
  OpenFor(2, 1);
  Type(dialog->ZEPNameEdit, "Other");
  Type(dialog->FunctionBox, "sub");
  Choose(dialog->InARadio, 1);
  Type(dialog->InABox, "In2");
  Type(dialog->ZEPNumEdit, "1");
  Type(dialog->NameEdit, "Renamed");
  QTest::mouseClick(dialog->ExitBtn, Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Tables(), before);
  EXPECT_EQ(CurZEP + CurInput + CurOutput + CurComment, 0);
  EXPECT_EQ(CurDot, 1);
  EXPECT_FALSE(Picked);
  EXPECT_FALSE(EditDialogOpen);
  EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
  EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  EXPECT_FALSE(dialog->ZEPPanel->isVisibleTo(dialog));
  EXPECT_FALSE(dialog->InOutPanel->isVisibleTo(dialog));
  // Closing lays the connections from the links.
  EXPECT_GT(ConnCount, 0);
}

TEST_F(NetEditTest, EitherCloseEndsThePickAndItsFeedbackLikeADelete) {
  for (QPushButton* button : {dialog->EndBtn, dialog->ExitBtn}) {
    SCOPED_TRACE(button->text().toStdString());
    OpenFor(2);
    form->UpdateActions();
    ASSERT_TRUE(Probe(form).DeleteBtn()->isEnabled());
    Probe(form).PaintBox()->ShowMark({ElementKind::ZEP, 2, MarkLook::PickedByRelease});
    Probe(form).PaintBox()->ShowGhost({GhostShape::ZEPCircle, ElementKind::ZEP, 2, {30, 30}});
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(Probe(form).PaintBox()->Marks().isEmpty());
    EXPECT_FALSE(Probe(form).PaintBox()->Ghost().has_value());
    EXPECT_FALSE(Probe(form).DeleteBtn()->isEnabled());
    EXPECT_TRUE(Probe(form).DragBtn()->isEnabled());
  }
}

TEST_F(NetEditTest, ALoadEndsTheEditUnwrittenAndItsSaveLeavesTheNewNetAlone) {
  const QString path = tmp.File("other.net");
  WriteNetFile(path, QDate(2024, 5, 6));
  OpenFor(2, 1);
  Type(dialog->ZEPNameEdit, "Typed");
  Type(dialog->NameEdit, "Renamed");
  // A file that fails to load replaces nothing, so the edit goes on.
  const QString bad = tmp.File("bad.net");
  ASSERT_TRUE(WriteBytes(bad, "[Dot]\r\n* = 1,x\r\n"));
  const TNetTables before = NetTables;
  prompts.Files = {bad};
  Guard(form->Ask(), [this] { form->Files().LoadClick(); });
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(EditDialogOpen);
  EXPECT_EQ(CurZEP, 2);
  EXPECT_TRUE(NetTables == before);
  prompts.Shown.clear();
  prompts.Files = {path};
  Guard(form->Ask(), [this] { form->Files().LoadClick(); });
  ASSERT_TRUE(prompts.Shown.filter("Error").isEmpty()) << prompts.Shown.join('\n').toStdString();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(EditDialogOpen);
  const TNetTables loaded = NetTables;
  EXPECT_EQ(ZEPText[2].Name.Str(), QStringLiteral("Mul1"));
  dialog->EndBtnClick();
  EXPECT_TRUE(NetTables == loaded);
  EXPECT_FALSE(Edited);
}

TEST_F(NetEditTest, EnterAndEscape) {
  struct Case {
    const char* what;
    int key;
    bool onExitButton;
    bool saves;
  } cases[] = {
      {"Escape in the name", Qt::Key_Escape, false, true},
      {"Enter in the name", Qt::Key_Return, false, true},
      {"Enter on Exit w/o Saving", Qt::Key_Return, true, false},
      {"Escape on Exit w/o Saving", Qt::Key_Escape, true, true},
  };
  for (const Case& c : cases) {
    ZEPText[1].Name = "Add1";
    OpenFor(1);
    Type(dialog->ZEPNameEdit, "Renamed");
    QWidget* target = dialog->ZEPNameEdit;
    if (c.onExitButton) {
      dialog->ExitBtn->setFocus();
      target = dialog->ExitBtn;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(c.key));
    EXPECT_FALSE(dialog->isVisible()) << c.what;
    EXPECT_EQ(ZEPText[1].Name.Str(), QString(c.saves ? "Renamed" : "Add1")) << c.what;
  }

  // Enter in a combo box whose list is closed saves too.
  OpenFor(1);
  Type(dialog->FunctionBox, "sub");
  QTest::keyClick(dialog->FunctionBox, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ZEPText[1].FuncName.Str(), QStringLiteral("sub"));
}

// A key reaches an open list as the window system delivers it: first offered as a shortcut.
void PressInList(QWidget* list, int key) {
  QKeyEvent shortcut(QEvent::ShortcutOverride, key, Qt::NoModifier);
  QApplication::sendEvent(list, &shortcut);
  if (!shortcut.isAccepted()) QTest::keyClick(list, static_cast<Qt::Key>(key));
}

TEST_F(NetEditTest, EnterAndEscapeInAnOpenListOnlyCloseIt) {
  for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
    OpenFor(2);
    Type(dialog->ZEPNameEdit, "Renamed");
    dialog->InABox->showPopup();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QAbstractItemView* list = dialog->InABox->view();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    PressInList(list, key);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << key;
    EXPECT_TRUE(dialog->isVisible()) << key;
    EXPECT_EQ(ZEPText[2].Name.Str(), QStringLiteral("Mul1")) << key;
    // Enter takes the highlighted name; Escape leaves the text.
    EXPECT_EQ(dialog->InABox->currentText(), QString(key == Qt::Key_Return ? "Mul1" : "Add1")) << key;
    dialog->close();
  }
}

TEST_F(NetEditTest, ArrowKeysStepTheNumberEdits) {
  OpenFor(2);
  dialog->ADelayEdit->setFocus();
  QTest::keyClick(dialog->ADelayEdit, Qt::Key_Up);
  QTest::keyClick(dialog->ADelayEdit, Qt::Key_Up);
  QTest::keyClick(dialog->ADelayEdit, Qt::Key_Down);
  EXPECT_EQ(dialog->ADelayEdit->text(), QStringLiteral("2"));
  dialog->ZEPNumEdit->setFocus();
  QTest::keyClick(dialog->ZEPNumEdit, Qt::Key_Down);
  QTest::keyClick(dialog->ZEPNumEdit, Qt::Key_Down);
  EXPECT_EQ(dialog->ZEPNumEdit->text(), QStringLiteral("1"));
  Save();
  EXPECT_EQ(ZEPText[1].Name.Str(), QStringLiteral("Mul1"));
  EXPECT_EQ(A(1), (Link{2, 2, 2}));
}

TEST_F(NetEditTest, UpDownsStepFromTheNumberShown) {
  // A length from a file beyond the range, and a typed number beyond it, step into the
  // range from there, not from a value the control held before.
  OutputPos[2].Length = 150;
  OpenFor(6, 0, 2);
  struct Case {
    const char* what;
    QLineEdit* edit;
    UpDown* upDown;
    const char* shown;
    int steps;
    const char* after;
  } cases[] = {
      {"length 150, up", dialog->LengthEdit, dialog->LengthUD, nullptr, 1, "99"},
      {"length 150, down", dialog->LengthEdit, dialog->LengthUD, "150", -1, "99"},
      {"length 40, up twice", dialog->LengthEdit, dialog->LengthUD, "40", 2, "42"},
      {"typed number 3, up", dialog->ZEPNumEdit, dialog->ZEPNumUD, "3", 1, "4"},
      {"typed number 300, down", dialog->ZEPNumEdit, dialog->ZEPNumUD, "300", -1, "6"},
      {"typed number 0, up", dialog->ZEPNumEdit, dialog->ZEPNumUD, "0", 1, "1"},
  };
  for (const Case& c : cases) {
    if (c.shown) {
      if (c.edit->isReadOnly()) c.edit->setText(c.shown);
      else Type(c.edit, c.shown);
    }
    EXPECT_EQ(c.edit->text(), QString(c.shown ? c.shown : "150")) << c.what;
    Step(c.upDown, c.steps);
    EXPECT_EQ(c.edit->text(), QString(c.after)) << c.what;
  }
  Save();
  EXPECT_EQ(OutputPos[2].Length, 42);
}

TEST_F(NetEditTest, OnlyTheElementsShownAreSaved) {
  // An appended Input made current beside the picked Comment: the panel shows the Comment,
  // and the Input keeps its name.
  OpenFor(0, 1, 0, 1);
  EXPECT_EQ(dialog->InOutTitleLabel->text(), QStringLiteral("Editting Comment "));
  Type(dialog->NameEdit, "New note");
  Save();
  EXPECT_EQ(CommentText[1].Str(), QStringLiteral("New note"));
  EXPECT_EQ(InputName[1].Str(), QStringLiteral("In1"));

  // A ZEP appended while the dialog shows becomes current; it does not receive the edit.
  OpenFor(2);
  Type(dialog->ZEPNameEdit, "Renamed");
  AddZEP("Fresh", "", "Non", "Non");
  CurZEP = ZEPCount;
  Save();
  EXPECT_EQ(ZEPText[2].Name.Str(), QStringLiteral("Mul1"));
  EXPECT_EQ(ZEPText[7].Name.Str(), QStringLiteral("Fresh"));
}

TEST_F(NetEditTest, ARenameLeavesSourcesLinkedToOtherElementsOfThatName) {
  // Input "Neg1" feeds ZEP 1; ZEP 2 is a second "Add1" feeding ZEP 3.
  InputName[1] = "Neg1";
  ZEPText[1].SourceA = "Neg1";
  ZEPText[2].Name = "Add1";
  ZEPText[3].SourceB = "Add1";
  ZEPLink[3].BIndex = 2;
  OpenFor(4);
  Type(dialog->ZEPNameEdit, "Neg2");
  Save();
  EXPECT_EQ(ZEPText[1].SourceA.Str(), QStringLiteral("Neg1"));
  EXPECT_EQ(ZEPText[5].SourceA.Str(), QStringLiteral("Neg2"));

  OpenFor(1);
  Type(dialog->ZEPNameEdit, "First");
  Save();
  EXPECT_EQ(ZEPText[3].SourceB.Str(), QStringLiteral("Add1"));
  EXPECT_EQ(ZEPText[2].SourceA.Str(), QStringLiteral("First"));
  EXPECT_EQ(ZEPText[6].SourceA.Str(), QStringLiteral("add1"));

  // An Input renamed leaves a ZEP source of its old name alone.
  InputName[2] = "Tail";
  ZEPText[1].SourceB = "Tail";
  ZEPText[6].SourceB = "Tail";
  ZEPLink[6].BKind = KindZEPNoDelay;
  ZEPLink[6].BIndex = 6;
  OpenFor(0, 2);
  Type(dialog->NameEdit, "Feed");
  Save();
  EXPECT_EQ(ZEPText[1].SourceB.Str(), QStringLiteral("Feed"));
  EXPECT_EQ(ZEPText[6].SourceB.Str(), QStringLiteral("Tail"));
}

TEST_F(NetEditTest, EnterInTheMainWindowOpensTheDialogOnce) {
  CurZEP = 3;
  Picked = false;
  EXPECT_FALSE(form->FormKeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_FALSE(dialog->isVisible());
  Picked = true;
  EXPECT_TRUE(form->FormKeyDown(Qt::Key_Return, Qt::NoModifier));
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->ZEPNameEdit->text(), QStringLiteral("Sub1"));
  // Enter again while it shows keeps what the user typed.
  Type(dialog->ZEPNameEdit, "Typed");
  form->FormKeyDown(Qt::Key_Return, Qt::NoModifier);
  EXPECT_EQ(dialog->ZEPNameEdit->text(), QStringLiteral("Typed"));
  Save();
  EXPECT_EQ(ZEPText[3].Name.Str(), QStringLiteral("Typed"));
}

TEST_F(NetEditTest, ArrowPictures) {
  RecordingSurface a;
  dialog->InAPaintPaint(a);
  EXPECT_EQ(a.Calls, (QStringList{"Pen 255,255,255 w2 Solid", "MoveTo 1,12", "LineTo 21,12", "LineTo 37,28",
                                  "LineTo 29,24", "MoveTo 37,28", "LineTo 33,20"}));
  RecordingSurface b;
  dialog->InBPaintPaint(b);
  EXPECT_EQ(b.Calls, (QStringList{"Pen 255,255,255 w2 Solid", "MoveTo 1,21", "LineTo 21,21", "LineTo 37,5",
                                  "LineTo 29,9", "MoveTo 37,5", "LineTo 33,13"}));
  EXPECT_EQ(dialog->InAPaint->size(), QSize(41, 33));
  EXPECT_EQ(dialog->ZEPShape->size(), QSize(100, 100));
}

TEST_F(NetEditTest, DesignedTextsAndRanges) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Editting "));
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->EndBtn->text(), QStringLiteral("Save and Exit"));
  EXPECT_EQ(dialog->ExitBtn->text(), QStringLiteral("Exit w/o Saving"));
  EXPECT_EQ(dialog->Label10->text(), QStringLiteral("Name length cannot be extended over 15 charactors"));
  EXPECT_EQ(dialog->Label1->text(), QStringLiteral("Editting ZEP "));
  EXPECT_EQ(dialog->Label5->text(), QStringLiteral("Must be Unique"));
  EXPECT_EQ(dialog->Label6->text(), QStringLiteral("A red delay on plane shows delay after a scanning."));
  EXPECT_EQ(dialog->Label9->text(), QStringLiteral("Length of  Horizontal line"));
  EXPECT_EQ(dialog->InARadio->title(), QStringLiteral("Data from"));
  EXPECT_EQ(dialog->InARadio->Item(0)->text(), QStringLiteral("ZEP"));
  EXPECT_EQ(dialog->InBRadio->Item(1)->text(), QStringLiteral("Input"));
  // At least the designed sizes; wider where the names must fit (see NetEditLookTest).
  EXPECT_EQ(dialog->ZEPPanel->height(), 264);
  EXPECT_GE(dialog->ZEPPanel->width(), 350);
  EXPECT_EQ(dialog->InOutPanel->height(), 264);
  EXPECT_GE(dialog->InOutPanel->width(), 162);
  EXPECT_EQ(dialog->height(), 347);
  EXPECT_GE(dialog->width(), 532);
  struct Range {
    UpDown* upDown;
    int min, max;
  } ranges[] = {{dialog->InAUD, 0, 7},       {dialog->InBUD, 0, 7}, {dialog->ZEPNumUD, 1, 255},
                {dialog->OutLengthUD, 1, 20}, {dialog->LengthUD, 2, 99}};
  for (const Range& r : ranges) {
    EXPECT_EQ(r.upDown->Min(), r.min);
    EXPECT_EQ(r.upDown->Max(), r.max);
  }
  EXPECT_TRUE(dialog->ADelayEdit->isReadOnly());
  EXPECT_TRUE(dialog->OutLengthEdit->isReadOnly());
  EXPECT_TRUE(dialog->LengthEdit->isReadOnly());
  EXPECT_FALSE(dialog->ZEPNumEdit->isReadOnly());
  EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(dialog->ZEPPanel->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(dialog->InOutPanel->palette().color(QPalette::Window), QColor(0, 0, 128));
  EXPECT_EQ(dialog->EndBtn->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
  EXPECT_EQ(dialog->ExitBtn->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
}

}  // namespace
