#include "dialogs/NetEdit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <climits>

#include "dialogs/EditPictures.h"
#include "dialogs/PaintArea.h"
#include "drawing/Routing.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetRules.h"
#include "platform/Guard.h"
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
  setFixedSize(532, 347);
  move(343, 81);
  SetBackground(this, Teal);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Yellow);
  setPalette(palette);
  QFont font(QStringLiteral("Times New Roman"), 9);
  font.setBold(true);
  setFont(font);

  BuildZEPPanel();
  BuildInOutPanel();
  BuildButtons();
  // Another net is about to take the tables' place: the edit ends, nothing written.
  connect(&NetEvents::Instance(), &NetEvents::Replacing, this, [this] {
    if (isVisible()) close();
  });
}

void TNetEditForm::BuildZEPPanel() {
  ZEPPanel = new QWidget(this);
  ZEPPanel->setGeometry(8, 8, 350, 264);
  SetBackground(ZEPPanel, Silver);

  Label1 = MakeLabel(ZEPPanel, QStringLiteral("Editting ZEP "), 6, 4);
  Label4 = MakeLabel(ZEPPanel, QStringLiteral("ZEP Instance Name"), 132, 2);
  ZEPNameEdit = MakeEdit(ZEPPanel, QString(), 132, 19, 116, false);
  Label5 = MakeLabel(ZEPPanel, QStringLiteral("Must be Unique"), 252, 22);

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
  InAPaint->setGeometry(132, 57, ArrowBoxWidth, ArrowBoxHeight);
  InBPaint = new PaintArea([this](DrawSurface& canvas) { InBPaintPaint(canvas); }, ZEPPanel);
  InBPaint->setGeometry(132, 154, ArrowBoxWidth, ArrowBoxHeight);
  ZEPShape = new PaintArea([](DrawSurface& canvas) { DrawZEPCircle(canvas, ZEPShapeSize); }, ZEPPanel);
  ZEPShape->setGeometry(156, 72, ZEPShapeSize, ZEPShapeSize);

  // Caption and box sit inside the circle.
  Label8 = MakeLabel(ZEPPanel, QStringLiteral("Library Function"), 158, 104, 96, 16);
  Label8->setWordWrap(false);
  Label8->setAlignment(Qt::AlignCenter);
  QFont captionFont;  // only the size is its own; face and weight follow the dialog
  captionFont.setPointSize(8);
  Label8->setFont(captionFont);
  FunctionBox = MakeComboBox(ZEPPanel, 163, 121, 86);

  Label7 = MakeLabel(ZEPPanel, QStringLiteral("Length of output line"), 262, 66, 84, 32);
  OutLengthEdit = MakeEdit(ZEPPanel, QStringLiteral("1"), 262, 100, 36, true);
  OutLengthUD = MakeUpDown(OutLengthEdit, 1, 20, 1, ZEPPanel);
  Label11 = MakeLabel(ZEPPanel, QStringLiteral("ZEP #"), 262, 134);
  ZEPNumEdit = MakeEdit(ZEPPanel, QStringLiteral("1"), 262, 152, 36, false);
  ZEPNumUD = MakeUpDown(ZEPNumEdit, 1, 255, 1, ZEPPanel);

  Label6 = MakeLabel(ZEPPanel, QStringLiteral("A red delay on plane shows delay after a scanning."),
                     150, 204, 194, 48);
  ZEPPanel->hide();
}

void TNetEditForm::BuildInputControls(int top, const QString& caption, QLabel*& label,
                                      InputControls& input) {
  label = MakeLabel(ZEPPanel, caption, 6, top);
  input.Box = MakeComboBox(ZEPPanel, 6, top + 18, 124);
  input.Radio = new RadioGroup(QStringLiteral("Data from"),
                               {QStringLiteral("ZEP"), QStringLiteral("Input")}, 2, ZEPPanel);
  input.Radio->setGeometry(6, top + 41, 124, 38);
  input.DelayLabel = MakeLabel(ZEPPanel, QStringLiteral("Delay"), 6, top + 82);
  input.DelayEdit = MakeEdit(ZEPPanel, QStringLiteral("0"), 50, top + 80, 30, true);
  input.DelayUD = MakeUpDown(input.DelayEdit, 0, 7, 0, ZEPPanel);
}

void TNetEditForm::BuildInOutPanel() {
  InOutPanel = new QWidget(this);
  InOutPanel->setGeometry(362, 8, 162, 264);
  SetBackground(InOutPanel, Navy);
  InOutTitleLabel = MakeLabel(InOutPanel, QStringLiteral("Editting Input "), 6, 4, 150, 18);
  InOutNameLabel = MakeLabel(InOutPanel, QStringLiteral("Input Name"), 6, 30, 150, 16);
  NameEdit = MakeEdit(InOutPanel, QString(), 6, 48, 150, false);
  NameEdit->setFixedHeight(22);
  OutNameBox = MakeComboBox(InOutPanel, 6, 48, 150);
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

void TNetEditForm::SaveEdits(const TEditTarget& target) {
  if (target.ZEP > 0) SaveZEPEdit(target.ZEP, ReadZEPEdit());
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
  const QString caption = PropertiesCaption(target);
  const TNetTables before = NetTables;
  try {
    SaveEdits(target);
  } catch (const RuntimeError&) {
    // What was written before the error stays in the net, and is edited work.
    if (NetTables != before) NetChanged(NetChangeKind::Properties, caption);
    throw;
  }
  const bool changed = NetTables != before;
  close();
  if (changed) NetChanged(NetChangeKind::Properties, caption);
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
  RebuildRoutes();
  ZEPPanel->hide();
  InOutPanel->hide();
  target_ = TEditTarget();
  canClose = true;
  emit Closed();
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
