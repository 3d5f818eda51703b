#include "dialogs/NetEdit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <climits>
#include <memory>

#include "dialogs/EditPictures.h"
#include "dialogs/PaintArea.h"
#include "drawing/Routing.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetRules.h"
#include "platform/FocusButtons.h"
#include "platform/Guard.h"
#include "platform/LatinText.h"
#include "platform/QtPrompts.h"
#include "platform/RadioGroup.h"
#include "platform/StrToInt.h"
#include "platform/UpDown.h"
#include "platform/WidgetLooks.h"

namespace {

const QColor Teal(0, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Maroon(128, 0, 0);

QLineEdit* MakeEdit(QWidget* parent, const QString& text, int x, int y, int width, bool readOnly) {
  auto* edit = new QLineEdit(text, parent);
  edit->setGeometry(x, y, width, 20);
  edit->setReadOnly(readOnly);
  return edit;
}

UpDown* MakeUpDown(QLineEdit* buddy, int min, int max, int position, QWidget* parent) {
  auto* upDown = new UpDown(buddy, min, max, position, parent);
  upDown->setGeometry(buddy->geometry().right() + 1, buddy->y(), 16, buddy->height());
  return upDown;
}

QComboBox* MakeComboBox(QWidget* parent, int x, int y, int width) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  // What the user types is what is stored: no insertion, no completion to another case.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->setGeometry(x, y, width, 22);
  return box;
}

// A new list for a combo box; the text shown stays as it was.
void RefillList(QComboBox* box, const QStringList& items) {
  const QString shown = box->currentText();
  box->clear();
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setEditText(shown);
}

// The widest letter of a font, fifteen times: the longest name the dialog must show whole.
int LongestNameWidth(const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (int code = 0x20; code <= 0xFF; ++code) {
    const QChar c(code);
    if (c.isLetter()) widest = std::max(widest, metrics.horizontalAdvance(c));
  }
  return TName::MaxLength * widest;
}

// An edit wide enough for the longest name in the dialog's font: the text, the edit's own
// inner margins (2 pixels each side) and the style's frame.
int NameEditWidth(const QWidget* dialog) {
  QStyleOptionFrame option;
  option.initFrom(dialog);
  option.lineWidth = dialog->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, dialog);
  const QSize text(LongestNameWidth(dialog->font()) + 4, QFontMetrics(dialog->font()).height());
  return dialog->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, dialog).width();
}

// The same for an editable combo box, whose arrow button comes on top.
int NameBoxWidth(const QWidget* dialog) {
  QStyleOptionComboBox option;
  option.initFrom(dialog);
  option.editable = true;
  const QSize text(LongestNameWidth(dialog->font()) + 4, QFontMetrics(dialog->font()).height());
  return dialog->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, dialog).width();
}

void SetFontFamily(QWidget* widget, const QString& family) {
  QFont font = widget->font();
  font.setFamily(family);
  widget->setFont(font);
}

}  // namespace

TNetEditForm::TNetEditForm(QWidget* mainForm)
    : QDialog(mainForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Editting "));
  setModal(false);
  move(343, 81);
  SetBackground(this, Teal);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Yellow);
  setPalette(palette);
  QFont font(QStringLiteral("Times New Roman"), 9);
  font.setBold(true);
  setFont(font);

  // The name fields hold a whole 15-character name; the panels (350 and 162 pixels wide
  // as designed) grow to hold them, and the dialog (532 by 347) to hold the panels.
  nameEditWidth_ = NameEditWidth(this);
  nameBoxWidth_ = NameBoxWidth(this);
  BuildZEPPanel();
  BuildInOutPanel();
  BuildButtons();
  const int width = std::max(532, InOutPanel->geometry().right() + 9);
  setFixedSize(width, 347);
  // Another net is about to take the tables' place: the edit ends, nothing written.
  connect(&NetEvents::Instance(), &NetEvents::Replacing, this, [this] {
    if (isVisible()) close();
  });
}

void TNetEditForm::BuildZEPPanel() {
  // Columns, left to right: the input boxes, the arrows, the circle, the line length and
  // number. The function box sits across the circle, wider than it where it must be.
  const int arrows = 6 + nameBoxWidth_ + 2;
  const int circle = arrows + 24;
  const int right = circle + ZEPShapeSize + 6;
  ZEPPanel = new QWidget(this);
  ZEPPanel->setGeometry(8, 8, std::max(350, right + 88), 264);
  SetBackground(ZEPPanel, Silver);

  Label1 = MakeLabel(ZEPPanel, QStringLiteral("Editting ZEP "), 6, 4);
  const int name = std::max(arrows - nameEditWidth_ / 2, Label1->geometry().right() + 12);
  Label4 = MakeLabel(ZEPPanel, QStringLiteral("ZEP Instance Name"), name, 2);
  ZEPNameEdit = MakeEdit(ZEPPanel, QString(), name, 19, nameEditWidth_, false);
  Label5 = MakeLabel(ZEPPanel, QStringLiteral("Must be Unique"), ZEPNameEdit->geometry().right() + 5, 22);
  ZEPPanel->setFixedWidth(std::max(ZEPPanel->width(), Label5->geometry().right() + 6));

  InputControls a{};
  InputControls b{};
  BuildInputControls(40, QStringLiteral("Input Data A"), Label2, a);
  BuildInputControls(146, QStringLiteral("Input Data B"), Label3, b);
  InABox = a.Box, InARadio = a.Radio, ALabel = a.DelayLabel, ADelayEdit = a.DelayEdit, InAUD = a.DelayUD;
  InBBox = b.Box, InBRadio = b.Radio, BLabel = b.DelayLabel, BDelayEdit = b.DelayEdit, InBUD = b.DelayUD;
  connect(InARadio, &RadioGroup::Clicked, this, [this] { Run([this] { InARadioClick(); }); });
  connect(InBRadio, &RadioGroup::Clicked, this, [this] { Run([this] { InBRadioClick(); }); });

  // The arrows lead from the input boxes to the circle's upper and lower left.
  InAPaint = new PaintArea([this](DrawSurface& canvas) { InAPaintPaint(canvas); }, ZEPPanel);
  InAPaint->setGeometry(arrows, 57, ArrowBoxWidth, ArrowBoxHeight);
  InBPaint = new PaintArea([this](DrawSurface& canvas) { InBPaintPaint(canvas); }, ZEPPanel);
  InBPaint->setGeometry(arrows, 154, ArrowBoxWidth, ArrowBoxHeight);
  ZEPShape = new PaintArea([](DrawSurface& canvas) { DrawZEPCircle(canvas, ZEPShapeSize); }, ZEPPanel);
  ZEPShape->setGeometry(circle, 72, ZEPShapeSize, ZEPShapeSize);

  // Caption and box sit inside the circle.
  Label8 = MakeLabel(ZEPPanel, QStringLiteral("Library Function"), circle + 2, 104, 96, 16);
  Label8->setWordWrap(false);
  Label8->setAlignment(Qt::AlignCenter);
  QFont captionFont;  // only the size is its own; face and weight follow the dialog
  captionFont.setPointSize(8);
  Label8->setFont(captionFont);
  FunctionBox = MakeComboBox(ZEPPanel, circle + ZEPShapeSize / 2 - nameBoxWidth_ / 2, 121, nameBoxWidth_);

  Label7 = MakeLabel(ZEPPanel, QStringLiteral("Length of output line"), right, 66, 84, 32);
  OutLengthEdit = MakeEdit(ZEPPanel, QStringLiteral("1"), right, 98, 36, true);
  OutLengthUD = MakeUpDown(OutLengthEdit, 1, 20, 1, ZEPPanel);
  Label11 = MakeLabel(ZEPPanel, QStringLiteral("ZEP #"), right, 148);
  ZEPNumEdit = MakeEdit(ZEPPanel, QStringLiteral("1"), right, 166, 36, false);
  ZEPNumUD = MakeUpDown(ZEPNumEdit, 1, 255, 1, ZEPPanel);

  Label6 = MakeLabel(ZEPPanel, QStringLiteral("A red delay on plane shows delay after a scanning."),
                     circle - 6, 204, 194, 48);
  ZEPPanel->hide();
}

void TNetEditForm::BuildInputControls(int top, const QString& caption, QLabel*& label,
                                      InputControls& input) {
  label = MakeLabel(ZEPPanel, caption, 6, top);
  input.Box = MakeComboBox(ZEPPanel, 6, top + 18, nameBoxWidth_);
  input.Radio = new RadioGroup(QStringLiteral("Data from"),
                               {QStringLiteral("ZEP"), QStringLiteral("Input")}, 2, ZEPPanel);
  input.Radio->setGeometry(6, top + 41, 124, 38);
  input.DelayLabel = MakeLabel(ZEPPanel, QStringLiteral("Delay"), 6, top + 82);
  input.DelayEdit = MakeEdit(ZEPPanel, QStringLiteral("0"), 50, top + 80, 30, true);
  input.DelayUD = MakeUpDown(input.DelayEdit, 0, 7, 0, ZEPPanel);
}

void TNetEditForm::BuildInOutPanel() {
  const int field = std::max(150, std::max(nameEditWidth_, nameBoxWidth_));
  InOutPanel = new QWidget(this);
  InOutPanel->setGeometry(ZEPPanel->geometry().right() + 5, 8, field + 12, 264);
  SetBackground(InOutPanel, Navy);
  InOutTitleLabel = MakeLabel(InOutPanel, QStringLiteral("Editting Input "), 6, 4, field, 18);
  InOutNameLabel = MakeLabel(InOutPanel, QStringLiteral("Input Name"), 6, 30, field, 16);
  NameEdit = MakeEdit(InOutPanel, QString(), 6, 48, field, false);
  NameEdit->setFixedHeight(22);
  OutNameBox = MakeComboBox(InOutPanel, 6, 48, field);
  OutNameBox->hide();

  LengthPanel = new QWidget(InOutPanel);
  LengthPanel->setGeometry(6, 84, 150, 72);
  Label9 = MakeLabel(LengthPanel, QStringLiteral("Length of  Horizontal line"), 2, 2, 146, 34);
  LengthEdit = MakeEdit(LengthPanel, QStringLiteral("2"), 2, 40, 40, true);
  LengthUD = MakeUpDown(LengthEdit, 2, 99, 2, LengthPanel);
  InOutPanel->hide();
}

void TNetEditForm::BuildButtons() {
  EndBtn = new QPushButton(QStringLiteral("Save and Exit"), this);
  EndBtn->setGeometry(40, 282, 140, 28);
  SetTextColor(EndBtn, Blue, DisabledText::Coloured);
  ExitBtn = new QPushButton(QStringLiteral("Exit w/o Saving"), this);
  ExitBtn->setGeometry(200, 282, 140, 28);
  SetTextColor(ExitBtn, Maroon, DisabledText::Coloured);
  // Enter and Escape are dispatched by FormKeyDown alone.
  EndBtn->setAutoDefault(false);
  ExitBtn->setAutoDefault(false);
  EndBtn->setDefault(true);
  new DefaultFollowsFocus(EndBtn, {EndBtn, ExitBtn});
  connect(EndBtn, &QPushButton::clicked, this, [this] { Run([this] { EndBtnClick(); }); });
  connect(ExitBtn, &QPushButton::clicked, this, [this] { Run([this] { ExitBtnClick(); }); });
  Label10 = MakeLabel(this, QStringLiteral("Name length cannot be extended over 15 charactors"), 8, 320);
}

template <typename F>
void TNetEditForm::Run(F&& handler) {
  if (prompts_) Guard(*prompts_, std::forward<F>(handler));
  else handler();
}

void TNetEditForm::ShowForSelection() {
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  show();
  activateWindow();
}

void TNetEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Run([this] { FormShow(); });
}

void TNetEditForm::FormShow() {
  EditDialogOpen = true;
  ApplyFontName();
  target_ = EditTargetOfSelection();
  if (target_.ZEP > 0) ShowZEP(target_.ZEP);
  switch (target_.Term) {
    case TermKind::Input: ShowInput(target_.Index); break;
    case TermKind::Output: ShowOutput(target_.Index); break;
    case TermKind::Comment: ShowComment(target_.Index); break;
    case TermKind::None: break;
  }
  EndBtn->setFocus();
}

void TNetEditForm::ApplyFontName() {
  if (FontName.isEmpty()) return;
  SetFontFamily(this, FontName);
  for (QWidget* w : std::initializer_list<QWidget*>{InABox, InBBox, ZEPNameEdit, FunctionBox, OutNameBox, NameEdit})
    SetFontFamily(w, FontName);
}

void TNetEditForm::ShowZEP(int z) {
  ZEPPanel->show();
  const TZEPText& text = ZEPText[z];
  const TZEPLink& link = ZEPLink[z];
  ZEPNameEdit->setText(text.Name.Str());
  FunctionBox->setEditText(text.FuncName.Str());
  InABox->setEditText(text.SourceA.Str());
  InBBox->setEditText(text.SourceB.Str());
  // The range first, so that the position is never cut to an older range.
  ZEPNumUD->SetRange(1, ZEPCount);
  ZEPNumUD->SetPosition(z);
  ShowSource(InputA(), link.AKind, link.ADelay);
  ShowSource(InputB(), link.BKind, link.BDelay);
  // The line length offered is the stored one less 2; a file may hold any Integer there.
  OutLengthUD->SetPosition(static_cast<int>(std::max<long long>(ZEPPos[z].OutLength - 2LL, INT_MIN)));
  RefillList(FunctionBox, OfferedFuncNames());
}

void TNetEditForm::ShowDelay(const InputControls& input, bool shown) {
  input.DelayEdit->setVisible(shown);
  input.DelayLabel->setVisible(shown);
  input.DelayUD->setVisible(shown);
}

// A source of no kind shows neither choice and keeps the list the box had.
void TNetEditForm::ShowSource(const InputControls& input, int kind, int delay) {
  if (FedFromZEP(kind)) {
    ShowDelay(input, true);
    input.Radio->SetItemIndex(FromZEP);
    input.DelayEdit->setText(QString::number(delay));
    RefillList(input.Box, ZEPNames());
  } else if (kind == KindInput) {
    ShowDelay(input, false);
    input.Radio->SetItemIndex(FromInput);
    RefillList(input.Box, InputNames());
  } else {
    ShowDelay(input, false);
    input.Radio->SetItemIndex(FromNone);
  }
}

void TNetEditForm::ShowInOutPanel(const QString& title, const QString& caption, bool lengthShown) {
  InOutPanel->show();
  LengthPanel->setVisible(lengthShown);
  InOutTitleLabel->setText(title);
  InOutNameLabel->setText(caption);
}

void TNetEditForm::ShowInput(int i) {
  ShowInOutPanel(QStringLiteral("Editting Input "), QStringLiteral("Input Name"), true);
  LengthUD->SetRange(2, LengthUD->Max());
  OutNameBox->hide();
  NameEdit->show();
  NameEdit->setText(InputName[i].Str());
  LengthEdit->setText(QString::number(InputPos[i].Length));
}

void TNetEditForm::ShowOutput(int o) {
  ShowInOutPanel(QStringLiteral("Editting Output "), QStringLiteral("Output Name"), true);
  LengthUD->SetRange(0, LengthUD->Max());
  NameEdit->hide();
  OutNameBox->show();
  OutNameBox->setEditText(OutputName[o].Str());
  RefillList(OutNameBox, ZEPNames());
  LengthEdit->setText(QString::number(OutputPos[o].Length));
}

void TNetEditForm::ShowComment(int c) {
  ShowInOutPanel(QStringLiteral("Editting Comment "), QStringLiteral("Comment"), false);
  LengthUD->SetRange(0, LengthUD->Max());
  OutNameBox->hide();
  NameEdit->show();
  NameEdit->setText(CommentText[c].Str());
}

void TNetEditForm::InARadioClick() { SourceKindChosen(InputA()); }
void TNetEditForm::InBRadioClick() { SourceKindChosen(InputB()); }

void TNetEditForm::SourceKindChosen(const InputControls& input) {
  const int from = input.Radio->ItemIndex();
  if (from == FromZEP) {
    ShowDelay(input, true);
    RefillList(input.Box, ZEPNames());
  } else if (from == FromInput) {
    ShowDelay(input, false);
    RefillList(input.Box, InputNames());
  }
}

void TNetEditForm::InAPaintPaint(DrawSurface& canvas) { DrawInputArrowA(canvas); }
void TNetEditForm::InBPaintPaint(DrawSurface& canvas) { DrawInputArrowB(canvas); }

TSourceEdit TNetEditForm::ReadSource(const InputControls& input) const {
  TSourceEdit source;
  source.Text = input.Box->currentText();
  source.From = input.Radio->ItemIndex();
  if (source.From == FromZEP && !source.Text.isEmpty()) source.Delay = StrToInt(input.DelayEdit->text());
  return source;
}

TZEPEdit TNetEditForm::ReadZEPEdit() const {
  TZEPEdit edit;
  edit.A = ReadSource(InputA());
  edit.B = ReadSource(InputB());
  edit.OutLine = OutLengthUD->Position();
  edit.Name = ZEPNameEdit->text();
  edit.Function = FunctionBox->currentText();
  edit.Number = ZEPNumUD->Position();
  return edit;
}

void TNetEditForm::SaveEdits(const TEditTarget& target, bool addFunction) {
  if (target.ZEP > 0) {
    TZEPEdit edit = ReadZEPEdit();
    if (addFunction) {
      // Listed as stored, at most 15 characters, and chosen so.
      const TName name = edit.Function;
      AddUserFuncName(name);
      edit.Function = name.Str();
    }
    SaveZEPEdit(target.ZEP, edit);
  }
  switch (target.Term) {
    case TermKind::Input: SaveInputEdit(target.Index, NameEdit->text(), StrToInt(LengthEdit->text())); break;
    case TermKind::Output:
      SaveOutputEdit(target.Index, OutNameBox->currentText(), StrToInt(LengthEdit->text()));
      break;
    case TermKind::Comment: SaveCommentEdit(target.Index, NameEdit->text()); break;
    case TermKind::None: break;
  }
}

// A save that changed the net is one change of it, announced once the dialog has closed
// and the routes are laid again; a save that changed nothing leaves the net unedited.
void TNetEditForm::EndBtnClick() {
  const TEditTarget target = StillCurrent(target_);
  bool addFunction = false;
  if (!EditsAccepted(target, addFunction)) return;
  const QString caption = PropertiesCaption(target);
  // Held aside: the tables are too large for the stack.
  const auto before = std::make_unique<TNetTables>(NetTables);
  try {
    SaveEdits(target, addFunction);
  } catch (const RuntimeError&) {
    // What was written before the error stays in the net, and is edited work.
    if (NetTables != *before) NetChanged(NetChangeKind::Properties, caption);
    throw;
  }
  savedChange_ = NetTables != *before;
  const auto done = qScopeGuard([this] { savedChange_ = false; });
  close();
  if (savedChange_) NetChanged(NetChangeKind::Properties, caption);
}

Prompts& TNetEditForm::Ask() {
  if (prompts_) return *prompts_;
  if (!ownPrompts_) ownPrompts_ = std::make_unique<QtPrompts>(this);
  return *ownPrompts_;
}

bool TNetEditForm::SelectField(QWidget* field) {
  field->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  else if (auto* box = qobject_cast<QComboBox*>(field)) box->lineEdit()->selectAll();
  return false;
}

bool TNetEditForm::Refuse(QWidget* field, const QString& message) {
  Ask().Warning(message);
  return SelectField(field);
}

// A text as it stands in the tables is taken even where it could not be typed: an older
// file may hold it, and the checks name it.
bool TNetEditForm::TextAccepted(QWidget* field, const QString& text, const QString& stored, TypedText what) {
  if (text == stored) return true;
  const QString refusal = TypedTextRefusal(text, what);
  return refusal.isEmpty() || Refuse(field, refusal);
}

bool TNetEditForm::ZEPEditAccepted(int z, bool& addFunction) {
  if (!ZEPNameEdit->text().isEmpty() &&
      !TextAccepted(ZEPNameEdit, ZEPNameEdit->text(), ZEPText[z].Name.Str(), TypedText::ZEPName))
    return false;
  for (const InputControls& input : {InputA(), InputB()}) {
    const TSourceEdit source = ReadSource(input);
    if (SourceNamesNothing(z, input.Box == InABox ? 'A' : 'B', source))
      return Refuse(input.Box, QStringLiteral("No %1 is named \u201C%2\u201D.")
                                   .arg(source.From == FromZEP ? QStringLiteral("ZEP") : QStringLiteral("Input"),
                                        ControlsEscaped(source.Text)));
  }
  const QString function = FunctionBox->currentText();
  switch (ClassifyTypedFunction(z, function)) {
    case TypedFunction::Kept:
    case TypedFunction::Listed: return true;
    case TypedFunction::OtherCase:
      return Refuse(FunctionBox, QStringLiteral("The function \u201C%1\u201D is listed as \u201C%2\u201D: "
                                                "function names differ in letter case.")
                                     .arg(function, ListedSpelling(function)));
    case TypedFunction::Unlisted: break;
  }
  if (!TextAccepted(FunctionBox, function, ZEPText[z].FuncName.Str(), TypedText::FunctionName)) return false;
  if (UserFuncCount >= MaxUserFunc) return Refuse(FunctionBox, FunctionFullMessage);
  const QString listed = TName(function).Str();
  if (Ask().AskYesNo(QStringLiteral("Add \u201C%1\u201D to the user function names?").arg(listed)) != Answer::Yes)
    return SelectField(FunctionBox);
  addFunction = true;
  return true;
}

bool TNetEditForm::EditsAccepted(const TEditTarget& target, bool& addFunction) {
  if (target.ZEP > 0 && !ZEPEditAccepted(target.ZEP, addFunction)) return false;
  switch (target.Term) {
    case TermKind::Input:
      return TextAccepted(NameEdit, NameEdit->text(), InputName[target.Index].Str(), TypedText::InputName);
    case TermKind::Output:
      return TextAccepted(OutNameBox, OutNameBox->currentText(), OutputName[target.Index].Str(), TypedText::OutputName);
    case TermKind::Comment:
      return TextAccepted(NameEdit, NameEdit->text(), CommentText[target.Index].Str(), TypedText::CommentText);
    case TermKind::None: return true;
  }
  return true;
}

void TNetEditForm::ExitBtnClick() { close(); }

void TNetEditForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  Run([&] { FormCloseQuery(canClose); });
  if (canClose) event->accept();
  else event->ignore();
}

void TNetEditForm::FormCloseQuery(bool& canClose) {
  ClearEditSelection();
  LayRoutesAgain();
  ZEPPanel->hide();
  InOutPanel->hide();
  target_ = TEditTarget();
  canClose = true;
  emit Closed();
}

// The routes follow the net as the dialog leaves it. A change that Save and Exit announces
// takes them in; any other close announces them on their own.
void TNetEditForm::LayRoutesAgain() {
  const auto before = std::make_unique<TNetTables>(NetTables);
  RebuildRoutes();
  if (!savedChange_ && NetTables != *before) NetChanged(NetChangeKind::Routes);
}

// Any close other than the buttons and Escape leaves the tables alone.
void TNetEditForm::reject() { close(); }

UpDown* TNetEditForm::UpDownOf(QWidget* edit) const {
  if (edit == ADelayEdit) return InAUD;
  if (edit == BDelayEdit) return InBUD;
  if (edit == OutLengthEdit) return OutLengthUD;
  if (edit == ZEPNumEdit) return ZEPNumUD;
  if (edit == LengthEdit) return LengthUD;
  return nullptr;
}

bool TNetEditForm::FormKeyDown(int key, Qt::KeyboardModifiers) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (focusWidget() == ExitBtn) ExitBtn->click();
      else EndBtn->click();
      return true;
    case Qt::Key_Escape: EndBtn->click(); return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (UpDown* upDown = UpDownOf(focusWidget())) {
        if (key == Qt::Key_Up) upDown->StepUp();
        else upDown->StepDown();
        return true;
      }
      return false;
    default: return false;
  }
}

void TNetEditForm::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key(), event->modifiers())) QDialog::keyPressEvent(event);
}
