#pragma once
// What changed from a net file to the net on screen, docked below the canvas: one line a
// difference, kept up to date after every change while the panel shows, and the added and
// changed elements marked on the canvas in green and orange, as a picture of the changes
// marks them, until the panel closes. Enter or a double-click on a line picks its element.
#include <QPointer>
#include <memory>

#include "app/ListPanel.h"
#include "model/NetCompare.h"

class PaintBoxWidget;

class ComparePanel : public ListPanel {
  Q_OBJECT
public:
  ComparePanel(TNetForm* form, PaintBoxWidget* canvas);

  // Asks for a net file in the open dialog and shows what changed from it.
  void CompareWithFile();
  // Compares the net on screen with the file again; the list, the title and the canvas follow.
  void Refresh() override;
  void PickRow(int row) override;

  const QList<TNetDifference>& Differences() const { return differences_; }

protected:
  void hideEvent(QHideEvent* event) override;

private:
  // The canvas the marks are shown on; it may go first while the window is torn down.
  QPointer<PaintBoxWidget> canvas_;
  std::shared_ptr<const TNetTables> older_;
  QString fileName_;
  QList<TNetDifference> differences_;
};
