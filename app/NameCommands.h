#pragma once
// The function name commands: names taken from the files of the network folder, a built-in
// list imported, and the deletion panel over the canvas that removes a name.
class QListWidget;
class QPushButton;
class QWidget;
class TNetForm;

class TNameCommands {
public:
  // The deletion panel opens over `viewport`, the canvas's visible part.
  TNameCommands(TNetForm& form, QWidget* viewport);

  void AddLibClick();
  void AddUserClick();
  void AddBuiltinClick();
  // Opens the deletion panel with the names that can be deleted.
  void DeleteNameClick();
  void NameDelClick();
  void CancelDelClick();
  // An open deletion panel lists the names as they are now.
  void RefreshDeletable();

private:
  friend class TNetFormProbe;

  TNetForm& form_;
  QWidget* DelPnl = nullptr;
  QPushButton* NameDel = nullptr;
  QPushButton* CancelDel = nullptr;
  QListWidget* DelList = nullptr;
};
