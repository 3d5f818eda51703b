#pragma once
// The file and history commands of the main window, run by the document: New, Load, Save,
// Save in Place, Undo, Redo, the recovery copies at start and the nets opened from outside
// the Load dialog (the command line, a drop, "Recent Nets").
#include <QString>

class QAction;
class QMenu;
class TNetForm;
class TNetHistory;

class TFileCommands {
public:
  explicit TFileCommands(TNetForm& form) : form_(form) {}

  void NewClick();
  void LoadClick();
  void LoadBtnClick();
  void SaveClick();
  void SaveBtnClick();
  // "Save in Place": back to the net's own file without the dialog.
  void SaveInPlaceClick();
  void UndoClick();
  void RedoClick();
  // At start: offers the copies that programs which are gone left unsaved.
  void OfferRecoveryCopies();

  // Loads `path` as Load does, the save question included.
  void OpenNet(const QString& path);
  // The net named on the command line, loaded when the user first presses "Start".
  void OpenNetAtStart(const QString& path) { netAtStart_ = path; }
  void OpenNetNamedAtStart();
  // "Recent Nets", put into `fileMenu` before `before` and refilled each time it opens.
  void BuildRecentNets(QMenu* fileMenu, QAction* before);
  // Refills "Recent Nets" from Net.ini; a net whose file is gone is greyed out.
  void RefreshRecentNets();

private:
  friend class TNetFormProbe;
  void AfterHistoryStep();

  TNetForm& form_;
  QString netAtStart_;
  QMenu* RecentNets = nullptr;
};

// The Undo and Redo items name the steps they would take.
void ShowHistorySteps(const TNetHistory& history, QAction* undo, QAction* redo);
