#pragma once
// The net checks, docked below the canvas: the findings, errors first, kept up to date
// after every change while the panel shows. Enter or a double-click on a finding picks its
// element as a click on the canvas would, and scrolls it into view.
#include <QDockWidget>

#include "model/NetChecks.h"

class QListWidget;
class TNetForm;

class CheckPanel : public QDockWidget {
  Q_OBJECT
public:
  explicit CheckPanel(TNetForm* form);

  // Shows the panel with fresh findings and gives the list the keyboard focus.
  void Open();
  // Checks the net again; the list and the title follow.
  void Refresh();
  // Picks the element of finding `row` (0-based) on the canvas.
  void PickFinding(int row);
  // The net changed: the findings follow while the panel shows.
  void NetChangedOn();
  // The net was saved: a net that would reload otherwise opens the panel.
  void NetSaved();

  const QList<TFinding>& Findings() const { return findings_; }
  QListWidget* List() const { return list_; }

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TNetForm* form_;
  QListWidget* list_;
  QWidget* central_;  // the main window's canvas area, whose resizes lay it out again
  QList<TFinding> findings_;
};
