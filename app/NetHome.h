#pragma once
// The main window: menu bar, tool panel and canvas, a view of the net's document. It builds
// the controls and derives their states; the commands live with their concern (files,
// view, elements, names, printing, the pointer), each keeping its logic in plain functions
// over the network tables.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "platform/Prompts.h"

class CheckPanel;
class ComparePanel;
class FindBar;
class QAction;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
struct NetChange;
class PaintBoxWidget;
class StatusLine;
class TCanvasPointer;
class TElementCommands;
class TFileCommands;
class TNameCommands;
class TNetDocument;
class TNetEditForm;
class TNetStartUp;
class TPrintCommands;
class TViewCommands;

class TNetForm : public QMainWindow {
  Q_OBJECT
public:
  // appDir: the program folder with its trailing "/"; empty takes the executable's folder.
  // prompts: who answers the message boxes and file dialogs; null shows Qt's own.
  explicit TNetForm(const QString& appDir = QString(), Prompts* prompts = nullptr);
  ~TNetForm() override;

  void SetStartUp(TNetStartUp* startUp) { startUp_ = startUp; }
  // The properties dialog; its close refreshes the canvas and the commands.
  void SetEditForm(TNetEditForm* editForm);
  TNetEditForm* EditForm() const { return editForm_; }
  // Tests answer the message boxes and file dialogs through their own prompts.
  void SetPrompts(Prompts* prompts);
  Prompts& Ask() const { return *prompts_; }

  // The net this window shows: its file, history, recovery copy and file commands.
  TNetDocument& Document() const { return *document_; }
  // The commands, by concern.
  TFileCommands& Files() const { return *files_; }
  TViewCommands& View() const { return *view_; }
  TElementCommands& Elements() const { return *elements_; }
  TNameCommands& Names() const { return *names_; }
  TPrintCommands& Printing() const { return *print_; }
  TCanvasPointer& Pointer() const { return *pointer_; }

  // Runs a menu item, button, key or pointer handler: an error ends it in the error box,
  // and the commands' states follow what it did.
  void RunCommand(const std::function<void()>& handler);
  // Sets the enabled and checked states of every menu item and tool-panel button from the
  // state they follow; runs after every command and every change of the net.
  void UpdateActions();

  // Lifecycle
  void FormCreate();
  void FormShow();
  // The close request; true when the window may close.
  bool FormCloseQuery();
  void ExitClick();
  void FormResize();
  void SizeSetClick();
  // A key that is no menu shortcut; true when the window took it.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

  // The window's geometry as kept in Net.ini.
  void SetWindowGeometry(int left, int top, int width, int height);
  int WindowLeft() const;
  int WindowTop() const;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  // Tests reach the controls through their one probe; the program through the commands.
  friend class TNetFormProbe;

  // Tool panel
  QWidget* IconPnl = nullptr;
  QToolButton* LoadBtn = nullptr;
  QToolButton* SaveBtn = nullptr;
  QPushButton* PrintBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
  QPushButton* DragBtn = nullptr;

  // Canvas
  QScrollArea* ScrollBox = nullptr;
  PaintBoxWidget* PaintBox = nullptr;

  // Menu bar
  QMenu* NetFile = nullptr;
  QAction* New = nullptr;
  QAction* Load = nullptr;
  QAction* Save = nullptr;
  QAction* SaveInPlace = nullptr;
  QAction* DrawOnPaper = nullptr;
  QAction* FormPrint = nullptr;
  QAction* Exit = nullptr;
  QMenu* EditMenu = nullptr;
  QAction* Undo = nullptr;
  QAction* Redo = nullptr;
  QList<QAction*> SelectionItems;  // Cut, Copy, Duplicate: offered while a selection stands
  QMenu* CanvasEdit = nullptr;
  QMenu* CanvasSize = nullptr;
  QAction* AdjustSize = nullptr;
  QAction* DefaultSize = nullptr;
  QAction* HIncrease = nullptr;
  QAction* VIncrease = nullptr;
  QAction* HDecrease = nullptr;
  QAction* VDecrease = nullptr;
  QMenu* Element = nullptr;
  QAction* AddZEP = nullptr;
  QAction* AddInput = nullptr;
  QAction* AddOutput = nullptr;
  QAction* AddCom = nullptr;
  QAction* AddDot = nullptr;
  QAction* DeleteElement = nullptr;
  QAction* AddLib = nullptr;
  QAction* AddUser = nullptr;
  QAction* AddBuiltin = nullptr;
  QAction* DeleteName = nullptr;
  QMenu* ViewMenu = nullptr;
  QAction* Mult = nullptr;
  QAction* Original = nullptr;
  QAction* Divide = nullptr;
  QAction* BWModeItem = nullptr;  // "Monochrome"; the flag itself is the global BWMode
  QAction* DragSelect = nullptr;
  QAction* SizeSet = nullptr;
  QAction* CheckNet = nullptr;  // "Check Net" (F9): the check panel below the canvas
  QAction* CompareWith = nullptr;  // "Compare With File…": the compare panel below the canvas
  QMenu* Information = nullptr;
  QList<QAction*> MenuItems;  // every item with a shortcut, in menu order
  CheckPanel* Checks = nullptr;
  ComparePanel* Compare = nullptr;

  void BuildMenus();
  void BuildIconPanel();
  void BuildCanvas();
  QAction* AddItem(QMenu* menu, const QString& caption, std::function<void()> handler,
                   const QKeySequence& shortcut = QKeySequence());
  void ShowStartUp();
  // The net's caption, with the mark of unsaved changes where the platform puts it.
  void ShowCaption();
  void NetChangedView(const NetChange& change);

  std::unique_ptr<Prompts> ownPrompts_;
  Prompts* prompts_ = nullptr;
  TNetStartUp* startUp_ = nullptr;
  TNetEditForm* editForm_ = nullptr;
  bool shown_ = false;
  TNetDocument* document_ = nullptr;
  FindBar* find_ = nullptr;
  StatusLine* status_ = nullptr;
  std::unique_ptr<TViewCommands> view_;
  std::unique_ptr<TCanvasPointer> pointer_;
  std::unique_ptr<TElementCommands> elements_;
  std::unique_ptr<TNameCommands> names_;
  std::unique_ptr<TPrintCommands> print_;
  std::unique_ptr<TFileCommands> files_;
};
