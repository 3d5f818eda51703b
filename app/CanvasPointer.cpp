#include "app/CanvasPointer.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

#include "app/ElementCommands.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "drawing/NetPainter.h"
#include "editing/DirectEditing.h"
#include "editing/DoubleClick.h"
#include "editing/EditMode.h"
#include "editing/GroupEdit.h"
#include "editing/PointerEditing.h"
#include "editing/PointerGrid.h"
#include "editing/Selection.h"
#include "model/NetDef.h"
#include "platform/Guard.h"

namespace {

TClipboardAccess SystemClipboard() {
  return {[](std::unique_ptr<QMimeData> data) { QGuiApplication::clipboard()->setMimeData(data.release()); },
          [] {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return data ? NetTextOf(*data) : QByteArray();
          }};
}

// Where a paste lands: the grid point under the pointer while it is over the canvas in view.
std::optional<TGridPoint> PointerOnCanvas(const QWidget& canvas) {
  const QPoint p = canvas.mapFromGlobal(QCursor::pos());
  if (!canvas.visibleRegion().contains(p)) return std::nullopt;
  return PointerToGrid(p.x(), p.y());
}

// The clipboard keys and Escape belong to a text field while one has the focus.
bool TypingInField() {
  QWidget* focus = QApplication::focusWidget();
  const auto* combo = qobject_cast<QComboBox*>(focus);
  return qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) ||
         qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) || (combo && combo->isEditable());
}

// What a right click offers where it was made; each item is one command of the window.
void PopUpCanvasMenu(TNetForm& form, const TCanvasMenu& place, QPoint global) {
  auto* menu = new QMenu(&form);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto offer = [&](const QString& caption, std::function<void()> command) {
    QObject::connect(menu->addAction(caption), &QAction::triggered, &form, [&form, command] {
      Guard(form.Ask(), command);
      form.UpdateActions();
    });
  };
  TCanvasPointer& pointer = form.Pointer();
  const TElementRef element = place.Element;
  switch (place.On) {
    case TCanvasMenu::Place::Canvas:
      for (ElementKind kind : ElementKinds)
        offer(QStringLiteral("Append %1 here").arg(KindWord(kind)),
              [&form, kind, at = place.At] { AppendElementAt(kind, at, form.Ask()); });
      break;
    case TCanvasMenu::Place::Element:
      offer(QStringLiteral("Properties"), [&form, &pointer, element] {
        pointer.PickFoundElement(element.Kind, element.Index);
        if (Picked && form.EditForm()) form.EditForm()->ShowForSelection();
      });
      offer(QStringLiteral("Delete"), [&form, &pointer, element] {
        pointer.PickFoundElement(element.Kind, element.Index);
        form.Elements().DeleteBtnClick();
      });
      break;
    case TCanvasMenu::Place::Selection: {
      offer(QStringLiteral("Copy"), [] {
        if (auto data = CopySelection()) QGuiApplication::clipboard()->setMimeData(data.release());
      });
      offer(QStringLiteral("Cut"), [&pointer] {
        CanvasFeedback feedback = pointer.Feedback();
        if (auto data = CutSelection(feedback)) QGuiApplication::clipboard()->setMimeData(data.release());
      });
      offer(QStringLiteral("Duplicate"), [&form, &pointer] {
        CanvasFeedback feedback = pointer.Feedback();
        DuplicateSelection(form.Ask(), feedback);
      });
      offer(QStringLiteral("Delete"), [&form] { form.Elements().DeleteBtnClick(); });
      break;
    }
    case TCanvasMenu::Place::None: break;
  }
  menu->popup(global);
}

}  // namespace

TCanvasPointer::TCanvasPointer(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll)
    : form_(form), canvas_(canvas), scroll_(scroll) {}

void TCanvasPointer::PaintBoxMouseDown(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback = Feedback();
  DirectPressed(button, canvas_->PressModifiers(), x, y, feedback);
  // The keys of a selection and a drag (Escape, the clipboard's) go to the canvas.
  if (DirectDragging()) FocusCanvas();
}

void TCanvasPointer::PaintBoxMouseMove(int x, int y) {
  CanvasFeedback feedback = Feedback();
  DirectMoved(x, y, feedback);
}

void TCanvasPointer::PaintBoxMouseUp(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback = Feedback();
  const TCanvasMenu menu = DirectReleased(button, x, y, form_.Ask(), feedback);
  if (menu.On != TCanvasMenu::Place::None) PopUpCanvasMenu(form_, menu, canvas_->mapToGlobal(QPoint(x, y)));
}

void TCanvasPointer::PickFoundElement(ElementKind kind, int index) {
  if (index < 1 || index > CountOf(kind)) return;
  const TGridPoint at = ElementPoint(kind, index);
  const QPoint was(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value());
  scroll_->ensureVisible(ToPixels(at.X), ToPixels(at.Y), 4 * ZEPRadius, 4 * ZEPRadius);
  // A scroll repaints the view, and a repaint of the whole view ends a pick's highlight;
  // painted now, the highlight that follows stays.
  if (QPoint(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value()) != was)
    canvas_->repaint();
  CanvasFeedback feedback = Feedback();
  PickAlone(kind, index, feedback);
}

void TCanvasPointer::OpenProperties() {
  if (form_.EditForm()) form_.EditForm()->ShowForSelection();
}

void TCanvasPointer::PaintBoxDoubleClick(Qt::MouseButton button, int x, int y) {
  if (button == Qt::LeftButton && DoubleClickOpens(x, y)) OpenProperties();
}

void TCanvasPointer::FocusCanvas() { scroll_->setFocus(); }

void TCanvasPointer::DragSelectClick() {
  ToggleDragMode();
  // The menu item toggles its own check mark; it shows the mode whether or not it changed.
  form_.UpdateActions();
}

void TCanvasPointer::DragBtnClick() { DragSelectClick(); }

// The pointer is on the menu, so a paste lands beside where its elements were copied from.
void TCanvasPointer::EditFromMenu(int key) {
  CanvasFeedback feedback = Feedback();
  DirectKey(key, Qt::ControlModifier, std::nullopt, SystemClipboard(), form_.Ask(), feedback);
}

bool TCanvasPointer::CanvasKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (!TypingInField()) {
    CanvasFeedback feedback = Feedback();
    if (DirectKey(key, shift, PointerOnCanvas(*canvas_), SystemClipboard(), form_.Ask(), feedback)) return true;
  }
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (!Picked) return false;
  OpenProperties();
  return true;
}
