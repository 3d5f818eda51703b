// The main window's element commands, pointer editing and key map.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "drawing/NetPainter.h"
#include "drawing/Routing.h"
#include "editing/DoubleClick.h"
#include "editing/DirectEditing.h"
#include "editing/EditMode.h"
#include "editing/GroupEdit.h"
#include "editing/PointerEditing.h"
#include "editing/PointerGrid.h"
#include "editing/Selection.h"
#include "platform/Guard.h"
#include "model/ElementEdit.h"
#include "model/NetDef.h"

namespace {

// The window's side of the pointer editing: the canvas draws the feedback, the tool
// panel follows the pick.
class CanvasFeedback : public DirectFeedback {
public:
  CanvasFeedback(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll)
      : form_(form), canvas_(canvas), scroll_(scroll) {}

  void ShowMark(const TMark& mark) override { canvas_->ShowMark(mark); }
  void ShowGhost(const TGhost& ghost) override { canvas_->ShowGhost(ghost); }
  void HideGhost() override { canvas_->HideGhost(); }
  // The placement announces its change of the net, which repaints the canvas; only the
  // feedback is left to drop.
  void RepaintAll() override { canvas_->ClearFeedback(); }
  void ShowPickState(bool picked) override {
    form_.UpdateActions();
    if (picked) scroll_->setFocus();
  }
  void ShowSelection(const TElementSet& changed) override {
    canvas_->ShowSelection(changed);
    form_.UpdateActions();
  }
  void ShowOverlay(const TOverlay& overlay) override { canvas_->ShowOverlay(overlay); }
  void HideOverlay() override { canvas_->HideOverlay(); }

private:
  TNetForm& form_;
  PaintBoxWidget* canvas_;
  QScrollArea* scroll_;
};

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
void PopUpCanvasMenu(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll, const TCanvasMenu& place,
                     QPoint global) {
  auto* menu = new QMenu(&form);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto offer = [&](const QString& caption, std::function<void()> command) {
    QObject::connect(menu->addAction(caption), &QAction::triggered, &form, [&form, command] {
      Guard(form.Ask(), command);
      form.UpdateActions();
    });
  };
  const TElementRef element = place.Element;
  switch (place.On) {
    case TCanvasMenu::Place::Canvas:
      for (ElementKind kind : ElementKinds)
        offer(QStringLiteral("Append %1 here").arg(KindWord(kind)),
              [&form, kind, at = place.At] { AppendElementAt(kind, at, form.Ask()); });
      break;
    case TCanvasMenu::Place::Element:
      offer(QStringLiteral("Properties"), [&form, element] {
        form.PickFoundElement(element.Kind, element.Index);
        if (Picked && form.EditForm()) form.EditForm()->ShowForSelection();
      });
      offer(QStringLiteral("Delete"), [&form, element] {
        form.PickFoundElement(element.Kind, element.Index);
        form.DeleteBtnClick();
      });
      break;
    case TCanvasMenu::Place::Selection: {
      offer(QStringLiteral("Copy"), [] {
        if (auto data = CopySelection()) QGuiApplication::clipboard()->setMimeData(data.release());
      });
      offer(QStringLiteral("Cut"), [&form, canvas, scroll] {
        CanvasFeedback feedback(form, canvas, scroll);
        if (auto data = CutSelection(feedback)) QGuiApplication::clipboard()->setMimeData(data.release());
      });
      offer(QStringLiteral("Duplicate"), [&form, canvas, scroll] {
        CanvasFeedback feedback(form, canvas, scroll);
        DuplicateSelection(form.Ask(), feedback);
      });
      offer(QStringLiteral("Delete"), [&form] { form.DeleteBtnClick(); });
      break;
    }
    case TCanvasMenu::Place::None: break;
  }
  menu->popup(global);
}

}  // namespace

void TNetForm::AddZEPClick() { AppendElement(ElementKind::ZEP, Ask()); }
void TNetForm::AddInputClick() { AppendElement(ElementKind::Input, Ask()); }
void TNetForm::AddOutputClick() { AppendElement(ElementKind::Output, Ask()); }
void TNetForm::AddComClick() { AppendElement(ElementKind::Comment, Ask()); }
void TNetForm::AddDotClick() { AppendElement(ElementKind::Dot, Ask()); }
void TNetForm::DeleteElementClick() { DeleteBtnClick(); }

void TNetForm::DeleteBtnClick() {
  if (!Selection.Empty()) {
    CanvasFeedback feedback(*this, PaintBox, ScrollBox);
    DeleteSelection(Ask(), feedback);
    return;
  }
  // Each deletion shows before the next question.
  DeleteCurrentElements(Ask(), [this](ElementKind) {
    RebuildRoutes();
    RepaintCanvas();
    UpdateActions();
  });
}

void TNetForm::PaintBoxMouseDown(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback(*this, PaintBox, ScrollBox);
  DirectPressed(button, PaintBox->PressModifiers(), x, y, feedback);
  // The keys of a selection and a drag (Escape, the clipboard's) go to the canvas.
  if (DirectDragging()) ScrollBox->setFocus();
}

void TNetForm::PaintBoxMouseMove(int x, int y) {
  CanvasFeedback feedback(*this, PaintBox, ScrollBox);
  DirectMoved(x, y, feedback);
}

void TNetForm::PaintBoxMouseUp(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback(*this, PaintBox, ScrollBox);
  const TCanvasMenu menu = DirectReleased(button, x, y, Ask(), feedback);
  if (menu.On != TCanvasMenu::Place::None) PopUpCanvasMenu(*this, PaintBox, ScrollBox, menu, PaintBox->mapToGlobal(QPoint(x, y)));
}

void TNetForm::PickFoundElement(ElementKind kind, int index) {
  if (index < 1 || index > CountOf(kind)) return;
  const TGridPoint at = ElementPoint(kind, index);
  const QPoint was(ScrollBox->horizontalScrollBar()->value(), ScrollBox->verticalScrollBar()->value());
  ScrollBox->ensureVisible(ToPixels(at.X), ToPixels(at.Y), 4 * ZEPRadius, 4 * ZEPRadius);
  // A scroll repaints the view, and a repaint of the whole view ends a pick's highlight;
  // painted now, the highlight that follows stays.
  if (QPoint(ScrollBox->horizontalScrollBar()->value(), ScrollBox->verticalScrollBar()->value()) != was)
    PaintBox->repaint();
  CanvasFeedback feedback(*this, PaintBox, ScrollBox);
  PickAlone(kind, index, feedback);
}

void TNetForm::PaintBoxDoubleClick(Qt::MouseButton button, int x, int y) {
  if (button == Qt::LeftButton && DoubleClickOpens(x, y) && EditForm()) EditForm()->ShowForSelection();
}

void TNetForm::FocusCanvas() { ScrollBox->setFocus(); }

void TNetForm::DragSelectClick() {
  ToggleDragMode();
  // The menu item toggles its own check mark; it shows the mode whether or not it changed.
  UpdateActions();
}

void TNetForm::DragBtnClick() { DragSelectClick(); }

bool TNetForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (!TypingInField()) {
    CanvasFeedback feedback(*this, PaintBox, ScrollBox);
    if (DirectKey(key, shift, PointerOnCanvas(*PaintBox), SystemClipboard(), Ask(), feedback)) return true;
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!Picked) return false;
      if (EditForm()) EditForm()->ShowForSelection();
      return true;
    case Qt::Key_PageUp: MultClick(); return true;
    case Qt::Key_PageDown: DivideClick(); return true;
    case Qt::Key_Pause:
    case Qt::Key_Cancel:
      if (!(shift & Qt::ControlModifier)) return false;
      close();
      return true;
    default: return false;
  }
}
