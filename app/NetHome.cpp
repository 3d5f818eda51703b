#include "app/NetHome.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <climits>

#include "app/CanvasPointer.h"
#include "app/CanvasWheel.h"
#include "app/CheckPanel.h"
#include "app/ComparePanel.h"
#include "app/ElementCommands.h"
#include "app/FileCommands.h"
#include "app/FindBar.h"
#include "app/NameCommands.h"
#include "app/NetStart.h"
#include "app/PaintBox.h"
#include "app/PrintCommands.h"
#include "app/StatusLine.h"
#include "app/ViewCommands.h"
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
#include "platform/ScreenFit.h"
#include "platform/WidgetLooks.h"

namespace {

constexpr int IconPanelHeight = 29;

// The first local file among the dropped items; empty when there is none.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

// The menu takes its shortcut keys: an enabled item runs, a disabled one drops the key.
bool TakeMenuShortcut(const QList<QAction*>& items, int key, Qt::KeyboardModifiers modifiers) {
  const QKeySequence pressed(QKeyCombination(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
                                             static_cast<Qt::Key>(key)));
  for (QAction* item : items) {
    if (!item->shortcuts().contains(pressed)) continue;
    if (item->isEnabled()) item->trigger();
    return true;
  }
  return false;
}

}  // namespace

TNetForm::TNetForm(const QString& appDir, Prompts* prompts)
    : ownPrompts_(std::make_unique<QtPrompts>(this)),
      prompts_(prompts ? prompts : ownPrompts_.get()) {
  setFont(QFont(QStringLiteral("Small Fonts"), 8));
  AppDir = appDir.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : appDir;
  document_ = new TNetDocument(prompts_, this);
  BuildIconPanel();
  BuildCanvas();
  files_ = std::make_unique<TFileCommands>(*this);
  BuildMenus();
  Checks = new CheckPanel(this);
  connect(Checks, &QDockWidget::visibilityChanged, CheckNet, &QAction::setChecked);
  find_ = new FindBar(this, ScrollBox->viewport());
  status_ = new StatusLine(statusBar(), PaintBox, ScrollBox);
  Compare = new ComparePanel(this, PaintBox);
  ShowCaption();
  setAcceptDrops(true);
  connect(document_, &TNetDocument::IdentityChanged, this, &TNetForm::ShowCaption);
  connect(document_, &TNetDocument::EditedChanged, this, &QWidget::setWindowModified);
  const auto showHistory = [this] { ShowHistorySteps(document_->History(), Undo, Redo); };
  connect(&document_->History(), &TNetHistory::StateChanged, this, showHistory);
  showHistory();
  setGeometry(346, 250, 800, 600);
  setEnabled(false);
  qApp->installEventFilter(this);
  connect(document_, &TNetDocument::Changed, this, [this](const NetChange& change) { NetChangedView(change); });
  connect(document_, &TNetDocument::Saved, Checks, &CheckPanel::NetSaved);
  connect(document_, &TNetDocument::ReloadsOtherwise, Checks, &ListPanel::Open);
  connect(PaintBox, &PaintBoxWidget::Pressed, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { pointer_->PaintBoxMouseDown(button, x, y); });
  });
  connect(PaintBox, &PaintBoxWidget::Moved, this,
          [this](int x, int y) { RunCommand([&] { pointer_->PaintBoxMouseMove(x, y); }); });
  connect(PaintBox, &PaintBoxWidget::Released, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { pointer_->PaintBoxMouseUp(button, x, y); });
  });
  connect(PaintBox, &PaintBoxWidget::DoubleClicked, this, [this](Qt::MouseButton button, int x, int y) {
    RunCommand([&] { pointer_->PaintBoxDoubleClick(button, x, y); });
  });
  Guard(Ask(), [this] { FormCreate(); });
  UpdateActions();
}

TNetForm::~TNetForm() {
  qApp->removeEventFilter(this);
  // The commands go before the widgets they show on: the document tells this window no more.
  document_->disconnect(this);
  // The central widget outlives this part of the window while the base classes are torn
  // down; the panels must not hear its last resize events then.
  for (ListPanel* panel : findChildren<ListPanel*>()) centralWidget()->removeEventFilter(panel);
}

QAction* TNetForm::AddItem(QMenu* menu, const QString& caption, std::function<void()> handler,
                           const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  if (!shortcut.isEmpty()) {
    // Shown in the menu; the key itself is dispatched by TakeMenuShortcut.
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    MenuItems.append(action);
  }
  if (handler) connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
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
  connect(editForm_, &TNetEditForm::Closed, this, [this] {
    view_->RepaintCanvas();
    UpdateActions();
  });
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
  const TViewLimits& limits = view_->Limits();
  Mult->setEnabled(!limits.MagnifyStopped);
  Divide->setEnabled(!limits.ReduceStopped);
  HIncrease->setEnabled(!limits.WidthUpStopped);
  HDecrease->setEnabled(!limits.WidthDownStopped);
  VIncrease->setEnabled(!limits.HeightUpStopped);
  VDecrease->setEnabled(!limits.HeightDownStopped);
  BWModeItem->setChecked(BWMode);
  // Delete is offered and the mode switch withheld while an element is picked.
  DeleteBtn->setEnabled(Picked || !Selection.Empty());
  for (QAction* item : SelectionItems) item->setEnabled(!Selection.Empty());
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
  if (ReplacesNet(change.Kind)) view_->ApplyScale();
  view_->RepaintCanvas();
  UpdateActions();
}

void TNetForm::BuildMenus() {
  TFileCommands& files = *files_;
  TViewCommands& view = *view_;
  TElementCommands& elements = *elements_;
  TNameCommands& names = *names_;
  TPrintCommands& print = *print_;
  TCanvasPointer& pointer = *pointer_;
  QMenuBar* bar = menuBar();
  NetFile = bar->addMenu(QStringLiteral("File"));
  New = AddItem(NetFile, QStringLiteral("New"), [&files] { files.NewClick(); }, QKeySequence(Qt::SHIFT | Qt::Key_F1));
  Load = AddItem(NetFile, QStringLiteral("Load"), [&files] { files.LoadClick(); }, QKeySequence(Qt::Key_F1));
  Save = AddItem(NetFile, QStringLiteral("Save"), [&files] { files.SaveClick(); }, QKeySequence(Qt::Key_F2));
  SaveInPlace = AddItem(NetFile, QStringLiteral("Save in Place"), [&files] { files.SaveInPlaceClick(); },
                        QKeySequence(Qt::CTRL | Qt::Key_S));
  DrawOnPaper = AddItem(NetFile, QStringLiteral("Print Net"), [&print] { print.DrawOnPaperClick(); },
                        QKeySequence(Qt::Key_F3));
  FormPrint = AddItem(NetFile, QStringLiteral("Print Form"), [&print] { print.FormPrintClick(); },
                      QKeySequence(Qt::Key_F4));
  Exit = AddItem(NetFile, QStringLiteral("Exit"), [this] { ExitClick(); });
  files.BuildRecentNets(NetFile, Save);

  EditMenu = bar->addMenu(QStringLiteral("Edit"));
  Undo = AddItem(EditMenu, QStringLiteral("Undo"), [&files] { files.UndoClick(); }, QKeySequence(Qt::CTRL | Qt::Key_Z));
  Redo = AddItem(EditMenu, QStringLiteral("Redo"), [&files] { files.RedoClick(); }, QKeySequence(Qt::CTRL | Qt::Key_Y));
  Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // The clipboard items name their keys, which the canvas takes (a text field keeps its own).
  EditMenu->addSeparator();
  const auto editItem = [&](const QString& caption, const char* keys, int key) {
    return AddItem(EditMenu, caption + QLatin1Char('\t') + QLatin1String(keys), [&pointer, key] { pointer.EditFromMenu(key); });
  };
  SelectionItems = {editItem(QStringLiteral("Cut"), "Ctrl+X", Qt::Key_X), editItem(QStringLiteral("Copy"), "Ctrl+C", Qt::Key_C)};
  editItem(QStringLiteral("Paste"), "Ctrl+V", Qt::Key_V);
  SelectionItems.append(editItem(QStringLiteral("Duplicate"), "Ctrl+D", Qt::Key_D));
  editItem(QStringLiteral("Select All"), "Ctrl+A", Qt::Key_A);
  EditMenu->addSeparator();
  AddItem(EditMenu, QStringLiteral("Find"), [this] { find_->Open(); }, QKeySequence(Qt::CTRL | Qt::Key_F));

  CanvasEdit = bar->addMenu(QStringLiteral("Canvas Size"));
  CanvasSize = CanvasEdit->addMenu(QStringLiteral("200*200, change"));
  view.SetSizeMenu(CanvasSize);
  AdjustSize = AddItem(CanvasSize, QStringLiteral("Adjust size to data"), [&view] { view.AdjustSizeClick(); });
  DefaultSize = AddItem(CanvasSize, QStringLiteral("Default (200*200)"), [&view] { view.DefaultSizeClick(); });
  HIncrease = AddItem(CanvasSize, QStringLiteral("Increase width by 50"), [&view] { view.HIncreaseClick(); });
  VIncrease = AddItem(CanvasSize, QStringLiteral("Increase height by 50"), [&view] { view.VIncreaseClick(); });
  HDecrease = AddItem(CanvasSize, QStringLiteral("Decrease width by 50"), [&view] { view.HDecreaseClick(); });
  VDecrease = AddItem(CanvasSize, QStringLiteral("Decrease height by 50"), [&view] { view.VDecreaseClick(); });

  Element = bar->addMenu(QStringLiteral("Append Element"));
  AddZEP = AddItem(Element, QStringLiteral("Append ZEP"), [&elements] { elements.AddZEPClick(); });
  AddInput = AddItem(Element, QStringLiteral("Append Input"), [&elements] { elements.AddInputClick(); });
  AddOutput = AddItem(Element, QStringLiteral("Append Output"), [&elements] { elements.AddOutputClick(); });
  AddCom = AddItem(Element, QStringLiteral("Append Comment"), [&elements] { elements.AddComClick(); });
  AddDot = AddItem(Element, QStringLiteral("Append Dot"), [&elements] { elements.AddDotClick(); });
  DeleteElement = AddItem(Element, QStringLiteral("Delete Element"), [&elements] { elements.DeleteElementClick(); },
                          QKeySequence(Qt::Key_Delete));
  AddLib = AddItem(Element, QStringLiteral("Set Library Name"), [&names] { names.AddLibClick(); });
  AddUser = AddItem(Element, QStringLiteral("Set User Function Name"), [&names] { names.AddUserClick(); });
  AddBuiltin = AddItem(Element, QStringLiteral("Set Built in Library Name"), [&names] { names.AddBuiltinClick(); });
  DeleteName = AddItem(Element, QStringLiteral("Delete Func/Lib Name"), [&names] { names.DeleteNameClick(); },
                       QKeySequence(Qt::SHIFT | Qt::Key_Delete));

  ViewMenu = bar->addMenu(QStringLiteral("View"));
  ViewMenu->setToolTipsVisible(true);
  Mult = AddItem(ViewMenu, QStringLiteral("Magnify (Page Up)"), [&view] { view.MultClick(); });
  Mult->setToolTip(QStringLiteral("Page Up"));
  Original = AddItem(ViewMenu, QStringLiteral("100%"), [&view] { view.OriginalClick(); });
  Divide = AddItem(ViewMenu, QStringLiteral("Reduce (Page Down)"), [&view] { view.DivideClick(); });
  Divide->setToolTip(QStringLiteral("Page Down"));
  AddItem(ViewMenu, QStringLiteral("Fit Net"), [&view] { view.FitNetClick(); }, QKeySequence(Qt::CTRL | Qt::Key_0));
  BWModeItem = AddItem(ViewMenu, QStringLiteral("Monochrome"), [&view] { view.BWModeClick(); });
  BWModeItem->setCheckable(true);
  DragSelect = AddItem(ViewMenu, QStringLiteral("Dragging Mode"), [&pointer] { pointer.DragSelectClick(); },
                       QKeySequence(Qt::Key_F8));
  DragSelect->setCheckable(true);
  SizeSet = AddItem(ViewMenu, QStringLiteral("Default Form Size"), [this] { SizeSetClick(); });
  CheckNet = AddItem(ViewMenu, QStringLiteral("Check Net"), [this] { Checks->Toggle(); }, QKeySequence(Qt::Key_F9));
  CheckNet->setCheckable(true);
  CompareWith = AddItem(ViewMenu, QStringLiteral("Compare With File\u2026"), [this] { Compare->CompareWithFile(); });

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
  connect(LoadBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { files_->LoadBtnClick(); }); });
  SaveBtn = new QToolButton(IconPnl);
  SaveBtn->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SaveBtn->setToolTip(QStringLiteral("Save Net"));
  connect(SaveBtn, &QToolButton::clicked, this, [this] { RunCommand([this] { files_->SaveBtnClick(); }); });
  PrintBtn = new QPushButton(IconPnl);
  PrintBtn->setToolTip(QStringLiteral("Print Net"));
  PrintBtn->setVisible(false);

  DeleteBtn = new QPushButton(QStringLiteral("Delete(Del)"), IconPnl);
  DeleteBtn->setToolTip(QStringLiteral("Delete Element"));
  DeleteBtn->setFont(BoldFontOf(DeleteBtn));
  SetTextColor(DeleteBtn, QColor(255, 0, 0));
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { elements_->DeleteBtnClick(); }); });
  DragBtn = new QPushButton(QStringLiteral("Select(F8)"), IconPnl);
  DragBtn->setToolTip(QStringLiteral("to Drag Mode"));
  DragBtn->setFont(BoldFontOf(DragBtn));
  SetTextColor(DragBtn, QColor(128, 0, 0));
  connect(DragBtn, &QPushButton::clicked, this, [this] { RunCommand([this] { pointer_->DragBtnClick(); }); });
  for (QWidget* w : {static_cast<QWidget*>(LoadBtn), static_cast<QWidget*>(SaveBtn),
                     static_cast<QWidget*>(DeleteBtn), static_cast<QWidget*>(DragBtn)}) {
    w->setFocusPolicy(Qt::NoFocus);
    row->addWidget(w);
  }

  // A window narrower than the row cuts it off at its right edge (see FormResize).
  print_ = std::make_unique<TPrintCommands>(*this, IconPnl);
  row->addWidget(print_->OffsetPanel());
  row->addStretch(1);
}

void TNetForm::BuildCanvas() {
  ScrollBox = new QScrollArea(centralWidget());
  ScrollBox->setBackgroundRole(QPalette::Base);
  SetBackground(ScrollBox->viewport(), Qt::white);
  ScrollBox->setWidgetResizable(false);
  PaintBox = new PaintBoxWidget(ScrollBox);
  PaintBox->resize(4000, 4000);
  ScrollBox->setWidget(PaintBox);
  view_ = std::make_unique<TViewCommands>(*this, PaintBox, ScrollBox);
  pointer_ = std::make_unique<TCanvasPointer>(*this, PaintBox, ScrollBox);
  elements_ = std::make_unique<TElementCommands>(*this);
  names_ = std::make_unique<TNameCommands>(*this, ScrollBox->viewport());
  new CanvasWheel(this, ScrollBox);
}

void TNetForm::FormCreate() {
  // A settings file that cannot be made is reported; the built-in values carry the run.
  try {
    ReadSettingsAtCreation();
  } catch (const RuntimeError& error) {
    Ask().ShowError(error.Message());
  }
  view_->ApplyScale();
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
  view_->ApplyScale();
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

bool TNetForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (pointer_->CanvasKeyDown(key, shift)) return true;
  switch (key) {
    case Qt::Key_PageUp: view_->MultClick(); return true;
    case Qt::Key_PageDown: view_->DivideClick(); return true;
    case Qt::Key_Pause:
    case Qt::Key_Cancel:
      if (!(shift & Qt::ControlModifier)) return false;
      close();
      return true;
    default: return false;
  }
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
      taken = (!(inFind && FindBar::EditsText(*key)) && TakeMenuShortcut(MenuItems, key->key(), key->modifiers())) ||
              (!inPanel && !inFind && FormKeyDown(KeyCodeOf(*key), key->modifiers()));
    });
    if (taken) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TNetForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TNetForm::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  RunCommand([&] { files_->OpenNet(path); });
}

// The caption carries Qt's placeholder for the modified mark ("*" on this platform) and
// shows without it while the net holds no unsaved changes; a "[*]" in the file's own path
// is doubled so that it shows as it is.
void TNetForm::ShowCaption() {
  setWindowTitle(document_->Caption().replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
}
