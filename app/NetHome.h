#pragma once
// The main window: menu bar, tool panel and canvas. It builds and wires the controls; each
// command's handler lives in the file of its concern (NetHomeFiles, NetHomeView, ...) and
// keeps its logic in plain functions over the network tables.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "model/ElementEdit.h"
#include "platform/Prompts.h"

class CheckPanel;
class ComparePanel;
class FindBar;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
struct NetChange;
class PaintBoxWidget;
class PrinterService;
class RadioGroup;
class StatusLine;
class TNetEditForm;
class TNetDocument;
class TNetStartUp;
class UpDown;

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
  // Tests print on their own printer; by default the system's printers are used.
  void SetPrinter(PrinterService* printer) { printer_ = printer; }
  PrinterService& Printer();

  // Sets the enabled and checked states of every menu item and tool-panel button from the
  // state they follow; runs after every command and every change of the net.
  void UpdateActions();
  // The whole canvas again, without the picking and dragging feedback.
  void RepaintCanvas();

  // Lifecycle
  void FormCreate();
  void FormShow();
  // The close request; true when the window may close.
  bool FormCloseQuery();
  void ExitClick();
  void FormResize();
  void SizeSetClick();

  // Files
  void NewClick();
  void LoadClick();
  void LoadBtnClick();
  void SaveClick();
  void SaveBtnClick();
  // "Save in Place": back to the net's own file without the dialog.
  void SaveInPlaceClick();

  // The net this window shows: its file, history, recovery copy and file commands.
  TNetDocument& Document() const { return *document_; }

  // Undo history and recovery copy
  void UndoClick();
  void RedoClick();
  // At start: offers the copies that programs which are gone left unsaved.
  void OfferRecoveryCopies();
  // Nets named from outside the Load dialog: the command line, a drop, "Recent Nets".
  // Loads `path` as Load does, the save question included.
  void OpenNet(const QString& path);
  // The net named on the command line, loaded when the user first presses "Start".
  void OpenNetAtStart(const QString& path) { netAtStart_ = path; }
  void OpenNetNamedAtStart();
  // Refills "Recent Nets" from Net.ini; a net whose file is gone is greyed out.
  void RefreshRecentNets();

  // View and canvas size
  void ApplyScale();
  void PaintBoxPaint();
  void MultClick();
  void OriginalClick();
  void DivideClick();
  void BWModeClick();
  void AdjustSizeClick();
  void DefaultSizeClick();
  void HIncreaseClick();
  void VIncreaseClick();
  void HDecreaseClick();
  void VDecreaseClick();
  // "Fit Net": the largest view that shows the whole net, centred.
  void FitNetClick();

  // Appending and deleting elements
  void AddZEPClick();
  void AddInputClick();
  void AddOutputClick();
  void AddComClick();
  void AddDotClick();
  void DeleteElementClick();
  void DeleteBtnClick();

  // Function name lists
  void AddLibClick();
  void AddUserClick();
  void AddBuiltinClick();
  void DeleteNameClick();
  void NameDelClick();
  void CancelDelClick();

  // Printing
  void DrawOnPaperClick();
  void FormPrintClick();

  // Pointer editing and keys
  void PaintBoxMouseDown(Qt::MouseButton button, int x, int y);
  void PaintBoxMouseMove(int x, int y);
  void PaintBoxMouseUp(Qt::MouseButton button, int x, int y);
  void DragSelectClick();
  void DragBtnClick();
  // A double-click opens the properties dialog of the element it picked.
  void PaintBoxDoubleClick(Qt::MouseButton button, int x, int y);
  // "Find": the find bar over the canvas.
  void FindClick();
  // The keyboard to the canvas, as a pick gives it.
  void FocusCanvas();

  // Net checks
  // Shows the check panel, or closes it when it shows.
  void CheckNetClick();
  // "Compare With File…": the differences from a chosen net file, in a panel.
  void CompareWithClick();
  // Picks an element as a click on it would, for a list that names it, and scrolls it
  // into view.
  void PickFoundElement(ElementKind kind, int index);
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
  QWidget* Panel3 = nullptr;
  QLineEdit* HEdit = nullptr;
  UpDown* HUD = nullptr;
  QLineEdit* VEdit = nullptr;
  UpDown* VUD = nullptr;
  RadioGroup* HVRadio = nullptr;

  // Canvas
  QScrollArea* ScrollBox = nullptr;
  PaintBoxWidget* PaintBox = nullptr;
  QWidget* DelPnl = nullptr;
  QPushButton* NameDel = nullptr;
  QPushButton* CancelDel = nullptr;
  QListWidget* DelList = nullptr;

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
  QMenu* RecentNets = nullptr;
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
  QMenu* View = nullptr;
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
  QAction* AddItem(QMenu* menu, const QString& caption, void (TNetForm::*handler)(),
                   const QKeySequence& shortcut = QKeySequence());
  // The menu takes its shortcut keys: an enabled item runs, a disabled one drops the key.
  bool TakeMenuShortcut(int key, Qt::KeyboardModifiers modifiers);
  void ShowStartUp();
  // The net's caption, with the mark of unsaved changes where the platform puts it.
  void ShowCaption();
  void UpdateEditItems();
  void AfterHistoryStep();
  void BuildRecentNets();
  // Runs a menu item, button, key or pointer handler: an error ends it in the error box,
  // and the commands' states follow what it did.
  void RunCommand(const std::function<void()>& handler);
  void StepCanvas(int& side, int step, bool& selfStopped, bool& oppositeStopped);
  void NetChangedView(const NetChange& change);
  void EditClosed();

  // What the enabled states follow beyond the net and the pick: the scale and canvas-size items that a click of their own stopped at their limit
  // (at start every one of them is enabled, whatever the scale and size).
  struct TCommandState {
    bool MagnifyStopped = false;
    bool ReduceStopped = false;
    bool WidthUpStopped = false;
    bool WidthDownStopped = false;
    bool HeightUpStopped = false;
    bool HeightDownStopped = false;
  };
  TCommandState commands_;

  std::unique_ptr<Prompts> ownPrompts_;
  Prompts* prompts_ = nullptr;
  TNetStartUp* startUp_ = nullptr;
  TNetEditForm* editForm_ = nullptr;
  PrinterService* printer_ = nullptr;
  bool shown_ = false;
  TNetDocument* document_ = nullptr;
  QString netAtStart_;
  FindBar* find_ = nullptr;
  StatusLine* status_ = nullptr;
};
