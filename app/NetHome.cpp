#include "app/NetHome.h"

#include <QApplication>
#include <algorithm>
#include <climits>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/CanvasWheel.h"
#include "app/CheckPanel.h"
#include "app/ComparePanel.h"
#include "app/FindBar.h"
#include "app/NetStart.h"
#include "app/PaintBox.h"
#include "app/StatusLine.h"
#include "dialogs/NetEdit.h"
#include "document/NetDocument.h"
#include "editing/EditMode.h"
#include "editing/KeyMap.h"
#include "editing/Selection.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"
#include "model/Settings.h"
#include "netfile/RecoveryCopy.h"
#include "platform/Guard.h"
#include "platform/QtPrompts.h"
#include "platform/RadioGroup.h"
#include "platform/ScreenFit.h"
#include "platform/UpDown.h"
#include "platform/WidgetLooks.h"

namespace {

constexpr int IconPanelHeight = 29;

}  // namespace

TNetForm::TNetForm(const QString& appDir, Prompts* prompts)
    : ownPrompts_(std::make_unique<QtPrompts>(this)),
      prompts_(prompts ? prompts : ownPrompts_.get()) {
  setFont(QFont(QStringLiteral("Small Fonts"), 8));
  AppDir = appDir.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : appDir;
  document_ = new TNetDocument(prompts_, this);
  BuildMenus();
  BuildIconPanel();
  BuildCanvas();
  Checks = new CheckPanel(this);
  connect(Checks, &QDockWidget::visibilityChanged, CheckNet, &QAction::setChecked);
  find_ = new FindBar(this, ScrollBox->viewport());
  status_ = new StatusLine(statusBar(), PaintBox, ScrollBox);
  Compare = new ComparePanel(this, PaintBox);
  ShowCaption();
  connect(document_, &TNetDocument::IdentityChanged, this, &TNetForm::ShowCaption);
  connect(document_, &TNetDocument::EditedChanged, this, &QWidget::setWindowModified);
  connect(&document_->History(), &TNetHistory::StateChanged, this, &TNetForm::UpdateEditItems);
  UpdateEditItems();
  setGeometry(346, 250, 800, 600);
  setEnabled(false);
  qApp->installEventFilter(this);
  connect(document_, &TNetDocument::Changed, this, [this](const NetChange& change) { NetChangedView(change); });
  connect(document_, &TNetDocument::Saved, Checks, &CheckPanel::NetSaved);
  connect(document_, &TNetDocument::ReloadsOtherwise, Checks, &ListPanel::Open);
  connect(PaintBox, &PaintBoxWidget::Pressed, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { PaintBoxMouseDown(button, x, y); });
  });
  connect(PaintBox, &PaintBoxWidget::Moved, this,
          [this](int x, int y) { RunCommand([&] { PaintBoxMouseMove(x, y); }); });
  connect(PaintBox, &PaintBoxWidget::Released, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { PaintBoxMouseUp(button, x, y); });
  });
  connect(PaintBox, &PaintBoxWidget::DoubleClicked, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { PaintBoxDoubleClick(button, x, y); });
  });
  Guard(Ask(), [this] { FormCreate(); });
  UpdateActions();
}

TNetForm::~TNetForm() {
  qApp->removeEventFilter(this);
  // The central widget outlives this part of the window while the base classes are torn
  // down; the panels must not hear its last resize events then.
  for (ListPanel* panel : findChildren<ListPanel*>()) centralWidget()->removeEventFilter(panel);
}

QAction* TNetForm::AddItem(QMenu* menu, const QString& caption, void (TNetForm::*handler)(),
                           const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  if (!shortcut.isEmpty()) {
    // Shown in the menu; the key itself is dispatched by TakeMenuShortcut.
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    MenuItems.append(action);
  }
  if (handler) connect(action, &QAction::triggered, this, [this, handler] { RunCommand([&] { (this->*handler)(); }); });
  return action;
}

void TNetForm::RunCommand(const std::function<void()>& handler) {
  Guard(Ask(), handler);
  UpdateActions();
}

void TNetForm::SetEditForm(TNetEditForm* editForm) {
  editForm_ = editForm;
  if (!editForm_) return;
  editForm_->SetPrompts(prompts_);
  connect(editForm_, &TNetEditForm::Closed, this, [this] { EditClosed(); });
}

void TNetForm::SetPrompts(Prompts* prompts) {
  prompts_ = prompts;
  document_->SetPrompts(prompts);
  if (editForm_) editForm_->SetPrompts(prompts_);
}

void TNetForm::UpdateActions() {
  Save->setEnabled(document_->HasNet());
  SaveInPlace->setEnabled(Save->isEnabled());
  DrawOnPaper->setEnabled(document_->HasNet());
  Mult->setEnabled(!commands_.MagnifyStopped);
  Divide->setEnabled(!commands_.ReduceStopped);
  HIncrease->setEnabled(!commands_.WidthUpStopped);
  HDecrease->setEnabled(!commands_.WidthDownStopped);
  VIncrease->setEnabled(!commands_.HeightUpStopped);
  VDecrease->setEnabled(!commands_.HeightDownStopped);
  BWModeItem->setChecked(BWMode);
  // Delete is offered and the mode switch withheld while an element is picked.
  DeleteBtn->setEnabled(Picked || !Selection.Empty());
  DragBtn->setEnabled(!Picked);
  const TModeLook look = ModeLook(DragMode);
  DragBtn->setText(look.Caption);
  DragBtn->setToolTip(look.Hint);
  DragSelect->setChecked(look.Checked);
  if (look.DragCursor) PaintBox->setCursor(Qt::DragMoveCursor);
  else PaintBox->unsetCursor();
  if (status_) status_->ShowState();
}

void TNetForm::NetChangedView(const NetChange& change) {
  SelectionFollowsChange(change.Kind);
  Checks->NetChangedOn();
  Compare->NetChangedOn();
  // Another net is shown at the current scale.
  if (ReplacesNet(change.Kind)) ApplyScale();
  RepaintCanvas();
  UpdateActions();
}

void TNetForm::EditClosed() {
  RepaintCanvas();
  UpdateActions();
}

void TNetForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  NetFile = bar->addMenu(QStringLiteral("File"));
  New = AddItem(NetFile, QStringLiteral("New"), &TNetForm::NewClick, QKeySequence(Qt::SHIFT | Qt::Key_F1));
  Load = AddItem(NetFile, QStringLiteral("Load"), &TNetForm::LoadClick, QKeySequence(Qt::Key_F1));
  Save = AddItem(NetFile, QStringLiteral("Save"), &TNetForm::SaveClick, QKeySequence(Qt::Key_F2));
  SaveInPlace = AddItem(NetFile, QStringLiteral("Save in Place"), &TNetForm::SaveInPlaceClick, QKeySequence(Qt::CTRL | Qt::Key_S));
  DrawOnPaper = AddItem(NetFile, QStringLiteral("Print Net"), &TNetForm::DrawOnPaperClick, QKeySequence(Qt::Key_F3));
  FormPrint = AddItem(NetFile, QStringLiteral("Print Form"), &TNetForm::FormPrintClick, QKeySequence(Qt::Key_F4));
  Exit = AddItem(NetFile, QStringLiteral("Exit"), &TNetForm::ExitClick);
  BuildRecentNets();

  EditMenu = bar->addMenu(QStringLiteral("Edit"));
  Undo = AddItem(EditMenu, QStringLiteral("Undo"), &TNetForm::UndoClick, QKeySequence(Qt::CTRL | Qt::Key_Z));
  Redo = AddItem(EditMenu, QStringLiteral("Redo"), &TNetForm::RedoClick, QKeySequence(Qt::CTRL | Qt::Key_Y));
  Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  AddItem(EditMenu, QStringLiteral("Find"), &TNetForm::FindClick, QKeySequence(Qt::CTRL | Qt::Key_F));

  CanvasEdit = bar->addMenu(QStringLiteral("Canvas Size"));
  CanvasSize = CanvasEdit->addMenu(QStringLiteral("200*200, change"));
  AdjustSize = AddItem(CanvasSize, QStringLiteral("Adjust size to data"), &TNetForm::AdjustSizeClick);
  DefaultSize = AddItem(CanvasSize, QStringLiteral("Default (200*200)"), &TNetForm::DefaultSizeClick);
  HIncrease = AddItem(CanvasSize, QStringLiteral("Increase width by 50"), &TNetForm::HIncreaseClick);
  VIncrease = AddItem(CanvasSize, QStringLiteral("Increase height by 50"), &TNetForm::VIncreaseClick);
  HDecrease = AddItem(CanvasSize, QStringLiteral("Decrease width by 50"), &TNetForm::HDecreaseClick);
  VDecrease = AddItem(CanvasSize, QStringLiteral("Decrease height by 50"), &TNetForm::VDecreaseClick);

  Element = bar->addMenu(QStringLiteral("Append Element"));
  AddZEP = AddItem(Element, QStringLiteral("Append ZEP"), &TNetForm::AddZEPClick);
  AddInput = AddItem(Element, QStringLiteral("Append Input"), &TNetForm::AddInputClick);
  AddOutput = AddItem(Element, QStringLiteral("Append Output"), &TNetForm::AddOutputClick);
  AddCom = AddItem(Element, QStringLiteral("Append Comment"), &TNetForm::AddComClick);
  AddDot = AddItem(Element, QStringLiteral("Append Dot"), &TNetForm::AddDotClick);
  DeleteElement = AddItem(Element, QStringLiteral("Delete Element"), &TNetForm::DeleteElementClick, QKeySequence(Qt::Key_Delete));
  AddLib = AddItem(Element, QStringLiteral("Set Library Name"), &TNetForm::AddLibClick);
  AddUser = AddItem(Element, QStringLiteral("Set User Function Name"), &TNetForm::AddUserClick);
  AddBuiltin = AddItem(Element, QStringLiteral("Set Built in Library Name"), &TNetForm::AddBuiltinClick);
  DeleteName = AddItem(Element, QStringLiteral("Delete Func/Lib Name"), &TNetForm::DeleteNameClick, QKeySequence(Qt::SHIFT | Qt::Key_Delete));

  View = bar->addMenu(QStringLiteral("View"));
  View->setToolTipsVisible(true);
  Mult = AddItem(View, QStringLiteral("Magnify (Page Up)"), &TNetForm::MultClick);
  Mult->setToolTip(QStringLiteral("Page Up"));
  Original = AddItem(View, QStringLiteral("100%"), &TNetForm::OriginalClick);
  Divide = AddItem(View, QStringLiteral("Reduce (Page Down)"), &TNetForm::DivideClick);
  Divide->setToolTip(QStringLiteral("Page Down"));
  AddItem(View, QStringLiteral("Fit Net"), &TNetForm::FitNetClick, QKeySequence(Qt::CTRL | Qt::Key_0));
  BWModeItem = AddItem(View, QStringLiteral("Monochrome"), &TNetForm::BWModeClick);
  BWModeItem->setCheckable(true);
  DragSelect = AddItem(View, QStringLiteral("Dragging Mode"), &TNetForm::DragSelectClick, QKeySequence(Qt::Key_F8));
  DragSelect->setCheckable(true);
  SizeSet = AddItem(View, QStringLiteral("Default Form Size"), &TNetForm::SizeSetClick);
  CheckNet = AddItem(View, QStringLiteral("Check Net"), &TNetForm::CheckNetClick, QKeySequence(Qt::Key_F9));
  CheckNet->setCheckable(true);
  CompareWith = AddItem(View, QStringLiteral("Compare With File\u2026"), &TNetForm::CompareWithClick);

  Information = bar->addMenu(QStringLiteral("Information"));
  Information->addAction(QStringLiteral("Plexor %1").arg(QCoreApplication::applicationVersion()));
  Information->addAction(QStringLiteral("Net editor for the Korvane processing system"));
}

void TNetForm::BuildIconPanel() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  IconPnl = new QWidget(central);
  SetBackground(IconPnl, QColor(0, 128, 128));
  auto* row = new QHBoxLayout(IconPnl);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(3);

  LoadBtn = new QToolButton(IconPnl);
  LoadBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  LoadBtn->setToolTip(QStringLiteral("Load Net"));
  connect(LoadBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { LoadBtnClick(); }); });
  SaveBtn = new QToolButton(IconPnl);
  SaveBtn->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SaveBtn->setToolTip(QStringLiteral("Save Net"));
  connect(SaveBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { SaveBtnClick(); }); });
  PrintBtn = new QPushButton(IconPnl);
  PrintBtn->setToolTip(QStringLiteral("Print Net"));
  PrintBtn->setVisible(false);

  DeleteBtn = new QPushButton(QStringLiteral("Delete(Del)"), IconPnl);
  DeleteBtn->setToolTip(QStringLiteral("Delete Element"));
  DeleteBtn->setFont(BoldFontOf(DeleteBtn));
  SetTextColor(DeleteBtn, QColor(255, 0, 0));
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { DeleteBtnClick(); }); });
  DragBtn = new QPushButton(QStringLiteral("Select(F8)"), IconPnl);
  DragBtn->setToolTip(QStringLiteral("to Drag Mode"));
  DragBtn->setFont(BoldFontOf(DragBtn));
  SetTextColor(DragBtn, QColor(128, 0, 0));
  connect(DragBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { DragBtnClick(); }); });
  for (QWidget* w : {static_cast<QWidget*>(LoadBtn), static_cast<QWidget*>(SaveBtn),
                     static_cast<QWidget*>(DeleteBtn), static_cast<QWidget*>(DragBtn)}) {
    w->setFocusPolicy(Qt::NoFocus);
    row->addWidget(w);
  }

  Panel3 = new QWidget(IconPnl);
  auto* offsets = new QHBoxLayout(Panel3);
  offsets->setContentsMargins(4, 0, 4, 0);
  offsets->setSpacing(3);
  offsets->addWidget(new QLabel(QStringLiteral(" Printer offset(mm)"), Panel3));
  offsets->addWidget(new QLabel(QStringLiteral("H"), Panel3));
  HEdit = new QLineEdit(QStringLiteral("10"), Panel3);
  HEdit->setFixedWidth(36);
  HUD = new UpDown(HEdit, -100, 200, 10, Panel3);
  offsets->addWidget(HEdit);
  offsets->addWidget(HUD);
  offsets->addWidget(new QLabel(QStringLiteral("V"), Panel3));
  VEdit = new QLineEdit(QStringLiteral("20"), Panel3);
  VEdit->setFixedWidth(36);
  VUD = new UpDown(VEdit, -100, 200, 20, Panel3);
  offsets->addWidget(VEdit);
  offsets->addWidget(VUD);
  HVRadio = new RadioGroup(QString(), {QStringLiteral("Landscape"), QStringLiteral("Portrait")}, 2, Panel3);
  HVRadio->setFlat(true);
  HVRadio->SetItemIndex(0);
  for (int i = 0; i < 2; ++i) HVRadio->Item(i)->setFocusPolicy(Qt::NoFocus);
  offsets->addWidget(HVRadio);
  row->addWidget(Panel3);
  row->addStretch(1);
  // Texts stay whole: no control is squeezed below its natural width. A window narrower
  // than the row cuts it off at its right edge instead (see FormResize).
  for (QWidget* w : Panel3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (qobject_cast<QLabel*>(w) || w == HVRadio) w->setMinimumWidth(w->sizeHint().width());
}

void TNetForm::BuildCanvas() {
  ScrollBox = new QScrollArea(centralWidget());
  ScrollBox->setBackgroundRole(QPalette::Base);
  SetBackground(ScrollBox->viewport(), Qt::white);
  ScrollBox->setWidgetResizable(false);
  PaintBox = new PaintBoxWidget(ScrollBox);
  PaintBox->resize(4000, 4000);
  ScrollBox->setWidget(PaintBox);
  new CanvasWheel(this, ScrollBox);

  DelPnl = new QWidget(ScrollBox->viewport());
  // Its own Window role: a child of the viewport would otherwise fill with the Base white.
  DelPnl->setBackgroundRole(QPalette::Window);
  SetBackground(DelPnl, QColor(0, 128, 0));
  DelPnl->setGeometry(8, 8, 116, 141);
  NameDel = new QPushButton(QStringLiteral("Delete"), DelPnl);
  NameDel->setFont(BoldFontOf(NameDel));
  SetTextColor(NameDel, QColor(255, 0, 0));
  NameDel->setGeometry(4, 4, 52, 22);
  CancelDel = new QPushButton(QStringLiteral("Close"), DelPnl);
  CancelDel->setFont(BoldFontOf(CancelDel));
  SetTextColor(CancelDel, QColor(0, 0, 255));
  CancelDel->setGeometry(60, 4, 52, 22);
  DelList = new QListWidget(DelPnl);
  DelList->setGeometry(4, 30, 108, 107);
  QPalette palette = DelList->palette();
  palette.setColor(QPalette::Base, QColor(0, 128, 128));
  palette.setColor(QPalette::Text, QColor(0, 255, 0));
  DelList->setPalette(palette);
  DelList->setFont(BoldFontOf(DelList));
  DelPnl->hide();
  connect(NameDel, &QPushButton::clicked, this, [this] { RunCommand([this] { NameDelClick(); }); });
  connect(CancelDel, &QPushButton::clicked, this, [this] { RunCommand([this] { CancelDelClick(); }); });
}

void TNetForm::FormCreate() {
  // A settings file that cannot be made is reported; the built-in values carry the run.
  try {
    ReadSettingsAtCreation();
  } catch (const RuntimeError& error) {
    Ask().ShowError(error.Message());
  }
  ApplyScale();
}

void TNetForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  RunCommand([this] { FormShow(); });
}

namespace {

// The kept geometry, moved and shrunk where the window with its frame would not fit the
// available area of the screen it starts on (or of the main screen when it lies on none): a
// damaged or foreign Net.ini must never put the window out of reach or make it huge. A
// window that fits keeps its place to the pixel.
WindowGeometry WithinScreen(const QWidget& window, const WindowGeometry& g) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  const int leftEdge = client.left() - frame.left();
  const int topEdge = client.top() - frame.top();
  const int sideways = frame.width() - client.width();
  const int upright = frame.height() - client.height();
  const QScreen* screen = QGuiApplication::screenAt(QPoint(g.Left, g.Top));
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return g;
  const auto clamped = [](long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); };
  const QRect fitted = FitIntoArea(clamped(g.Left - 0LL - leftEdge), clamped(g.Top - 0LL - topEdge),
                                   clamped(g.Width + 0LL + sideways), clamped(g.Height + 0LL + upright),
                                   screen->availableGeometry());
  return {fitted.x() + leftEdge, fitted.y() + topEdge, fitted.width() - sideways, fitted.height() - upright};
}

}  // namespace

void TNetForm::FormShow() {
  WindowGeometry g = ReadWindowPosition({WindowLeft(), WindowTop(), width(), height()});
  if (g.Width < 200) g.Width = 960;
  if (g.Height < 150) g.Height = 720;
  g = WithinScreen(*this, g);
  SetWindowGeometry(g.Left, g.Top, g.Width, g.Height);
  CanvasWidth = 200;
  CanvasHeight = 200;
  if (!FontName.isEmpty()) {
    QFont f = font();
    f.setFamily(FontName);
    setFont(f);
  }
  ApplyScale();
  DragMode = false;
  Picked = false;
  ShowStartUp();
}

void TNetForm::ShowStartUp() {
  if (!startUp_) return;
  startUp_->show();
  startUp_->raise();
  startUp_->activateWindow();
  startUp_->FormShow();
}

void TNetForm::closeEvent(QCloseEvent* event) {
  bool allowed = false;
  RunCommand([&] { allowed = FormCloseQuery(); });
  if (allowed) {
    event->accept();
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}

bool TNetForm::FormCloseQuery() {
  if (ExitChosen) {
    document_->Recovery().Remove();
    // A failed write is reported, and the program still ends.
    try {
      WriteSettingsAtEnd({WindowLeft(), WindowTop(), width(), height()});
    } catch (const RuntimeError& error) {
      Ask().ShowError(error.Message());
    }
    return true;
  }
  if (startUp_ && startUp_->isVisible()) {
    // The start-up screen is up and answers for the program: a question of the main window
    // would open under it, which stays on top, and leave both windows waiting.
    startUp_->raise();
    startUp_->activateWindow();
    return false;
  }
  // A save that was asked for and did not happen keeps the window working, as Cancel does.
  if (!document_->SaveBeforeClose()) return false;
  ShowStartUp();
  return false;
}

void TNetForm::ExitClick() { close(); }

void TNetForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TNetForm::FormResize() {
  QWidget* client = centralWidget();
  if (!client) return;
  const int rowWidth = std::max(client->width(), IconPnl->minimumSizeHint().width());
  IconPnl->setGeometry(0, 0, rowWidth, IconPanelHeight);
  ScrollBox->setGeometry(0, IconPanelHeight, client->width(), client->height() - IconPanelHeight);
}

void TNetForm::SizeSetClick() {
  SetWindowGeometry(WindowLeft(), WindowTop(), 1024, 768);
  FormResize();
}

// Net.ini keeps the client area, the window without its frame, and the window is placed by
// it: a window system that adds its frame only once the window is up (X11) then puts the
// window back exactly where it was, where keeping the frame's corner would move it by the
// frame's height at each start.
void TNetForm::SetWindowGeometry(int left, int top, int width, int height) {
  setGeometry(left, top, width, height);
}

int TNetForm::WindowLeft() const { return geometry().x(); }
int TNetForm::WindowTop() const { return geometry().y(); }

bool TNetForm::TakeMenuShortcut(int key, Qt::KeyboardModifiers modifiers) {
  const QKeySequence pressed(QKeyCombination(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
                                             static_cast<Qt::Key>(key)));
  for (QAction* item : MenuItems) {
    if (!item->shortcuts().contains(pressed)) continue;
    if (item->isEnabled()) item->trigger();
    return true;
  }
  return false;
}

bool TNetForm::eventFilter(QObject* watched, QEvent* event) {
  // Key preview: the window sees every key of its controls first; menu shortcuts belong to
  // the menu and never reach FormKeyDown.
  // A key that no one takes travels up the parents and is looked at again on the way,
  // which is harmless: what was not taken at the first receiver is not taken later.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this && isEnabled()) {
    auto* key = static_cast<QKeyEvent*>(event);
    bool taken = false;
    // A panel's list takes its own Enter and arrows; the find bar its Enter and the keys
    // that edit its text.
    const bool inPanel = ListPanel::Holds(watched);
    const bool inFind = watched == find_ || find_->isAncestorOf(static_cast<QWidget*>(watched));
    RunCommand([&] {
      taken = (!(inFind && FindBar::EditsText(*key)) && TakeMenuShortcut(key->key(), key->modifiers())) ||
              (!inPanel && !inFind && FormKeyDown(KeyCodeOf(*key), key->modifiers()));
    });
    if (taken) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
