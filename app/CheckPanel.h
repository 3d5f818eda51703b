#pragma once
// The net checks, docked below the canvas: the findings, errors first, kept up to date
// after every change while the panel shows. Enter or a double-click on a finding picks its
// element as a click on the canvas would, and scrolls it into view.
#include "app/ListPanel.h"
#include "model/NetChecks.h"

class CheckPanel : public ListPanel {
  Q_OBJECT
public:
  explicit CheckPanel(TNetForm* form);

  // Checks the net again; the list and the title follow.
  void Refresh() override;
  // Picks the element of finding `row` (0-based) on the canvas.
  void PickRow(int row) override;
  // The net was saved: a net that would reload otherwise opens the panel.
  void NetSaved();

  const QList<TFinding>& Findings() const { return findings_; }

private:
  QList<TFinding> findings_;
};
