#include "app/CheckPanel.h"

#include <QListWidget>
#include <QStyle>

#include "model/NetDef.h"

namespace {

// "Check Net - 3 findings": the title counts what the list holds.
QString PanelTitle(qsizetype count) {
  if (count == 0) return QStringLiteral("Check Net - no findings");
  if (count == 1) return QStringLiteral("Check Net - 1 finding");
  return QStringLiteral("Check Net - %1 findings").arg(count);
}

}  // namespace

CheckPanel::CheckPanel(TNetForm* form) : ListPanel(form, QStringLiteral("CheckPanel")) {
  setWindowTitle(PanelTitle(0));
}

void CheckPanel::Refresh() {
  findings_ = CheckNet(TCanvasSize{CanvasWidth, CanvasHeight});
  const int kept = list_->currentRow();
  list_->clear();
  const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (const TFinding& finding : findings_)
    new QListWidgetItem(finding.Level == Severity::Error ? error : warning, FindingLine(finding), list_);
  if (kept >= 0 && kept < list_->count()) list_->setCurrentRow(kept);
  setWindowTitle(PanelTitle(findings_.size()));
}

void CheckPanel::PickRow(int row) {
  if (row < 0 || row >= findings_.size()) return;
  const TFinding& finding = findings_[row];
  if (IsElement(finding.Kind)) PickElement(ElementOf(finding.Kind), finding.Number);
}

// A saved file that will not reload as drawn is worth the user's eye at once.
void CheckPanel::NetSaved() {
  if (isVisible()) {
    Refresh();
    return;
  }
  if (ReloadsOtherwise(CheckNet(TCanvasSize{CanvasWidth, CanvasHeight}))) Open();
}
