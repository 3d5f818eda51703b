#pragma once
// A panel docked below the canvas that lists lines about the net and keeps them up to date
// after every change while it shows. Enter or a double-click on a line picks the element it
// names as a click on the canvas would, and scrolls it into view; the keyboard stays in the
// list for the next line, and Escape gives it back to the canvas, as closing the panel does.
// The check panel and the compare panel are two of them.
#include <QDockWidget>

#include "model/ElementEdit.h"

class QListWidget;
class TNetForm;

class ListPanel : public QDockWidget {
  Q_OBJECT
public:
  ListPanel(TNetForm* form, const QString& objectName);

  // Shows the panel with fresh lines and gives the list the keyboard focus.
  void Open();
  // Opens the panel, or closes it when it shows.
  void Toggle();
  // Reads the net again; the list and the title follow.
  virtual void Refresh() = 0;
  // The net changed: the lines follow while the panel shows.
  void NetChangedOn();
  // Picks the element that line `row` (0-based) names, if it names one.
  virtual void PickRow(int row) = 0;

  QListWidget* List() const { return list_; }

  // True for a widget within some list panel, whose keys the panel takes for itself.
  static bool Holds(const QObject* watched);

protected:
  // Picks element `number` of `kind` on the canvas and scrolls it into view.
  void PickElement(ElementKind kind, int number);

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  TNetForm* form_;
  QListWidget* list_;

private:
  QWidget* central_;  // the main window's canvas area, whose resizes lay it out again
};
