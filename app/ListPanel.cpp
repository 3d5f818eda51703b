#include "app/ListPanel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>

#include "app/CanvasPointer.h"
#include "app/NetHome.h"
#include "platform/Guard.h"

ListPanel::ListPanel(TNetForm* form, const QString& objectName)
    : QDockWidget(form), form_(form), list_(new QListWidget(this)), central_(form->centralWidget()) {
  setObjectName(objectName);
  setAllowedAreas(Qt::BottomDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable);
  list_->setUniformItemSizes(true);
  setWidget(list_);
  form->addDockWidget(Qt::BottomDockWidgetArea, this);
  hide();
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Guard(form_->Ask(), [&] { PickRow(list_->row(item)); }); });
  // The canvas area is laid out by hand below the tool panel; it follows the room the
  // panel leaves it.
  central_->installEventFilter(this);
}

void ListPanel::Open() {
  if (isVisible()) Refresh();
  else show();  // which refreshes
  raise();
  list_->setFocus();
  if (list_->count() > 0 && list_->currentRow() < 0) list_->setCurrentRow(0);
}

void ListPanel::Toggle() {
  if (isVisible()) close();
  else Open();
}

void ListPanel::NetChangedOn() {
  if (isVisible()) Refresh();
}

bool ListPanel::Holds(const QObject* watched) {
  for (const QObject* o = watched; o; o = o->parent())
    if (qobject_cast<const ListPanel*>(o)) return true;
  return false;
}

void ListPanel::PickElement(ElementKind kind, int number) {
  form_->Pointer().PickFoundElement(kind, number);
  // A pick hands the keyboard to the canvas; it stays here for the next line.
  list_->setFocus();
}

void ListPanel::closeEvent(QCloseEvent* event) {
  // Left to itself the keyboard would go on to the next control, a printer offset field.
  form_->Pointer().FocusCanvas();
  QDockWidget::closeEvent(event);
}

void ListPanel::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  Refresh();
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) form_->FormResize();
  // The list lets Enter travel on to its parents after activating; taken here, it never
  // reaches the main window's key map, which would open the properties dialog.
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guard(form_->Ask(), [this] { PickRow(list_->currentRow()); });
      return true;
    }
    if (key == Qt::Key_Escape) {
      form_->Pointer().FocusCanvas();
      return true;
    }
  }
  return QDockWidget::eventFilter(watched, event);
}
