#pragma once
// The one way tests reach the main window's controls: its menu items, buttons, edits and
// panels, as a user sees them. The window keeps them to itself; this probe is its friend.
#include <QList>
#include <QListWidget>
#include <memory>

#include "app/CheckPanel.h"
#include "app/ComparePanel.h"
#include "app/FileCommands.h"
#include "app/NameCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "app/PrintCommands.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

class TNetFormProbe {
public:
  explicit TNetFormProbe(const TNetForm& form) : form_(form) {}

  QWidget* IconPnl() const { return form_.IconPnl; }
  QToolButton* LoadBtn() const { return form_.LoadBtn; }
  QToolButton* SaveBtn() const { return form_.SaveBtn; }
  QPushButton* PrintBtn() const { return form_.PrintBtn; }
  QPushButton* DeleteBtn() const { return form_.DeleteBtn; }
  QPushButton* DragBtn() const { return form_.DragBtn; }
  QWidget* Panel3() const { return form_.print_->Panel3; }
  QLineEdit* HEdit() const { return form_.print_->HEdit; }
  UpDown* HUD() const { return form_.print_->HUD; }
  QLineEdit* VEdit() const { return form_.print_->VEdit; }
  UpDown* VUD() const { return form_.print_->VUD; }
  RadioGroup* HVRadio() const { return form_.print_->HVRadio; }
  QScrollArea* ScrollBox() const { return form_.ScrollBox; }
  PaintBoxWidget* PaintBox() const { return form_.PaintBox; }
  QWidget* DelPnl() const { return form_.names_->DelPnl; }
  QPushButton* NameDel() const { return form_.names_->NameDel; }
  QPushButton* CancelDel() const { return form_.names_->CancelDel; }
  QListWidget* DelList() const { return form_.names_->DelList; }
  QMenu* NetFile() const { return form_.NetFile; }
  QAction* New() const { return form_.New; }
  QAction* Load() const { return form_.Load; }
  QAction* Save() const { return form_.Save; }
  QAction* DrawOnPaper() const { return form_.DrawOnPaper; }
  QAction* FormPrint() const { return form_.FormPrint; }
  QAction* Exit() const { return form_.Exit; }
  QMenu* EditMenu() const { return form_.EditMenu; }
  QAction* Undo() const { return form_.Undo; }
  QAction* Redo() const { return form_.Redo; }
  QMenu* RecentNets() const { return form_.files_->RecentNets; }
  QMenu* CanvasEdit() const { return form_.CanvasEdit; }
  QMenu* CanvasSize() const { return form_.CanvasSize; }
  QAction* AdjustSize() const { return form_.AdjustSize; }
  QAction* DefaultSize() const { return form_.DefaultSize; }
  QAction* HIncrease() const { return form_.HIncrease; }
  QAction* VIncrease() const { return form_.VIncrease; }
  QAction* HDecrease() const { return form_.HDecrease; }
  QAction* VDecrease() const { return form_.VDecrease; }
  QMenu* Element() const { return form_.Element; }
  QAction* AddZEP() const { return form_.AddZEP; }
  QAction* AddInput() const { return form_.AddInput; }
  QAction* AddOutput() const { return form_.AddOutput; }
  QAction* AddCom() const { return form_.AddCom; }
  QAction* AddDot() const { return form_.AddDot; }
  QAction* DeleteElement() const { return form_.DeleteElement; }
  QAction* AddLib() const { return form_.AddLib; }
  QAction* AddUser() const { return form_.AddUser; }
  QAction* AddBuiltin() const { return form_.AddBuiltin; }
  QAction* DeleteName() const { return form_.DeleteName; }
  QMenu* View() const { return form_.ViewMenu; }
  QAction* Mult() const { return form_.Mult; }
  QAction* Original() const { return form_.Original; }
  QAction* Divide() const { return form_.Divide; }
  QAction* BWModeItem() const { return form_.BWModeItem; }
  QAction* DragSelect() const { return form_.DragSelect; }
  QAction* SizeSet() const { return form_.SizeSet; }
  QAction* CheckNet() const { return form_.CheckNet; }
  QAction* CompareWith() const { return form_.CompareWith; }
  QMenu* Information() const { return form_.Information; }
  const QList<QAction*>& MenuItems() const { return form_.MenuItems; }
  CheckPanel* Checks() const { return form_.Checks; }
  ComparePanel* Compare() const { return form_.Compare; }

private:
  const TNetForm& form_;
};

inline TNetFormProbe Probe(const TNetForm& form) { return TNetFormProbe(form); }
inline TNetFormProbe Probe(const std::unique_ptr<TNetForm>& form) { return TNetFormProbe(*form); }
