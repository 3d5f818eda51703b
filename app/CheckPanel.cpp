#include "app/CheckPanel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/NetPainter.h"
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
  const ElementKind kind = ElementOf(finding.Kind);
  if (finding.Number > CountOf(kind)) return;
  const TGridPoint at = ElementPoint(kind, finding.Number);
  QScrollArea* area = form_->ScrollBox;
  const QPoint was(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
  area->ensureVisible(ToPixels(at.X), ToPixels(at.Y), 4 * ZEPRadius, 4 * ZEPRadius);
  // A scroll repaints the view, and a repaint of the whole view ends a pick's highlight;
  // painted now, the highlight that follows stays.
  if (QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()) != was)
    form_->PaintBox->repaint();
  form_->PickFoundElement(kind, finding.Number);
}

// A saved file that will not reload as drawn is worth the user's eye at once.
void CheckPanel::NetChangedOn() {
  if (isVisible()) Refresh();
}

void CheckPanel::NetSaved() {
  if (isVisible()) {
    Refresh();
    return;
  }
  if (ReloadsOtherwise(CheckNet(TCanvasSize{CanvasWidth, CanvasHeight}))) Open();
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
  }
  return QDockWidget::eventFilter(watched, event);
}
