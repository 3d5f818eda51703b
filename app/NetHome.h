#pragma once
// The main window: menu bar, tool panel and canvas. It builds and wires the controls; each
// command's handler lives in the file of its concern (NetHomeFiles, NetHomeView, ...) and
// keeps its logic in plain functions over the network tables.
#include <QMainWindow>
#include <memory>

#include "model/ElementEdit.h"
#include "platform/Prompts.h"

class CheckPanel;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class PaintBoxWidget;
class PrinterService;
class RadioGroup;
class TNetEditForm;
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
  void SetEditForm(TNetEditForm* editForm) { editForm_ = editForm; }
  TNetStartUp* StartUp() const { return startUp_; }
  TNetEditForm* EditForm() const { return editForm_; }
  // Tests answer the message boxes and file dialogs through their own prompts.
  void SetPrompts(Prompts* prompts) { prompts_ = prompts; }
  Prompts& Ask() const { return *prompts_; }
  // Tests print on their own printer; by default the system's printers are used.
  void SetPrinter(PrinterService* printer) { printer_ = printer; }
  PrinterService& Printer();

  // Runs a handler as an event entry point: a runtime error ends it in the error box.
  template <typename F>
  void Guard(F&& handler);

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

  // Net checks
  void CheckNetClick();
  // Picks an element as a click on it would, for a list that names it.
  void PickFoundElement(ElementKind kind, int index);
  // A key that is no menu shortcut; true when the window took it.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

  // The window's geometry as kept in Net.ini.
  void SetWindowGeometry(int left, int top, int width, int height);
  int WindowLeft() const;
  int WindowTop() const;

  // Tool panel
  QWidget* IconPnl;
  QToolButton* LoadBtn;
  QToolButton* SaveBtn;
  QPushButton* PrintBtn;
  QPushButton* DeleteBtn;
  QPushButton* DragBtn;
  QWidget* Panel3;
  QLineEdit* HEdit;
  UpDown* HUD;
  QLineEdit* VEdit;
  UpDown* VUD;
  RadioGroup* HVRadio;

  // Canvas
  QScrollArea* ScrollBox;
  PaintBoxWidget* PaintBox;
  QWidget* DelPnl;
  QPushButton* NameDel;
  QPushButton* CancelDel;
  QListWidget* DelList;

  // Menu bar
  QMenu* NetFile;
  QAction* New;
  QAction* Load;
  QAction* Save;
  QAction* DrawOnPaper;
  QAction* FormPrint;
  QAction* Exit;
  QMenu* CanvasEdit;
  QMenu* CanvasSize;
  QAction* AdjustSize;
  QAction* DefaultSize;
  QAction* HIncrease;
  QAction* VIncrease;
  QAction* HDecrease;
  QAction* VDecrease;
  QMenu* Element;
  QAction* AddZEP;
  QAction* AddInput;
  QAction* AddOutput;
  QAction* AddCom;
  QAction* AddDot;
  QAction* DeleteElement;
  QAction* AddLib;
  QAction* AddUser;
  QAction* AddBuiltin;
  QAction* DeleteName;
  QMenu* View;
  QAction* Mult;
  QAction* Original;
  QAction* Divide;
  QAction* BWModeItem;  // "Monochrome"; the flag itself is the global BWMode
  QAction* DragSelect;
  QAction* SizeSet;
  QAction* CheckNet;  // "Check Net" (F9): the check panel below the canvas
  QMenu* Information;
  QList<QAction*> MenuItems;  // every item with a shortcut, in menu order
  CheckPanel* Checks;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildMenus();
  void BuildIconPanel();
  void BuildCanvas();
  QAction* AddItem(QMenu* menu, const QString& caption, void (TNetForm::*handler)(),
                   const QKeySequence& shortcut = QKeySequence());
  // The menu takes its shortcut keys: an enabled item runs, a disabled one drops the key.
  bool TakeMenuShortcut(int key, Qt::KeyboardModifiers modifiers);
  void ShowStartUp();

  std::unique_ptr<Prompts> ownPrompts_;
  Prompts* prompts_;
  TNetStartUp* startUp_ = nullptr;
  TNetEditForm* editForm_ = nullptr;
  PrinterService* printer_ = nullptr;
  bool shown_ = false;
};

#include "platform/Errors.h"

template <typename F>
void TNetForm::Guard(F&& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    prompts_->ShowError(error.Message());
  }
}
