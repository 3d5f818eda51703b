#include "app/CheckPanel.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>

#include "app/NetHome.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/Guard.h"

namespace {

// "Check Net - 3 findings": the title counts what the list holds.
QString PanelTitle(qsizetype count) {
  if (count == 0) return QStringLiteral("Check Net - no findings");
  if (count == 1) return QStringLiteral("Check Net - 1 finding");
  return QStringLiteral("Check Net - %1 findings").arg(count);
}

}  // namespace

CheckPanel::CheckPanel(TNetForm* form)
    : QDockWidget(PanelTitle(0), form), form_(form), list_(new QListWidget(this)), central_(form->centralWidget()) {
  setObjectName(QStringLiteral("CheckPanel"));
  setAllowedAreas(Qt::BottomDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable);
  list_->setUniformItemSizes(true);
  setWidget(list_);
  form->addDockWidget(Qt::BottomDockWidgetArea, this);
  hide();
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Guard(form_->Ask(), [&] { PickFinding(list_->row(item)); }); });
  connect(&NetEvents::Instance(), &NetEvents::Changed, this, [this] {
    if (isVisible()) Refresh();
  });
  connect(&NetEvents::Instance(), &NetEvents::Saved, this, [this] { NetSaved(); });
  // The canvas area is laid out by hand below the tool panel; it follows the room the
  // panel leaves it.
  central_->installEventFilter(this);
}

void CheckPanel::Open() {
  if (isVisible()) Refresh();
  else show();  // which refreshes
  raise();
  list_->setFocus();
  if (list_->count() > 0 && list_->currentRow() < 0) list_->setCurrentRow(0);
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

void CheckPanel::PickFinding(int row) {
  if (row < 0 || row >= findings_.size()) return;
  const TFinding& finding = findings_[row];
  if (!IsElement(finding.Kind)) return;
  form_->PickFoundElement(ElementOf(finding.Kind), finding.Number);
  // A pick hands the keyboard to the canvas; it stays here for the next finding.
  list_->setFocus();
}

// A saved file that will not reload as drawn is worth the user's eye at once.
void CheckPanel::NetSaved() {
  if (isVisible()) {
    Refresh();
    return;
  }
  if (ReloadsOtherwise(CheckNet(TCanvasSize{CanvasWidth, CanvasHeight}))) Open();
}

void CheckPanel::closeEvent(QCloseEvent* event) {
  // Left to itself the keyboard would go on to the next control, a printer offset field.
  form_->FocusCanvas();
  QDockWidget::closeEvent(event);
}

void CheckPanel::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  Refresh();
}

bool CheckPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) form_->FormResize();
  // The list lets Enter travel on to its parents after activating; taken here, it never
  // reaches the main window's key map, which would open the properties dialog.
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guard(form_->Ask(), [this] { PickFinding(list_->currentRow()); });
      return true;
    }
    if (key == Qt::Key_Escape) {
      form_->FocusCanvas();
      return true;
    }
  }
  return QDockWidget::eventFilter(watched, event);
}
