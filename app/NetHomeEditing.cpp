// The main window's element commands, pointer editing and key map.
#include <QAction>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "dialogs/NetEdit.h"
#include "drawing/NetPainter.h"
#include "drawing/Routing.h"
#include "editing/DoubleClick.h"
#include "editing/EditMode.h"
#include "editing/PointerEditing.h"
#include "model/ElementEdit.h"
#include "model/NetDef.h"

namespace {

// The window's side of the pointer editing: the canvas draws the feedback, the tool
// panel follows the pick.
class CanvasFeedback : public EditFeedback {
public:
  explicit CanvasFeedback(TNetForm& form) : form_(form) {}

  void ShowMark(const TMark& mark) override { form_.PaintBox->ShowMark(mark); }
  void ShowGhost(const TGhost& ghost) override { form_.PaintBox->ShowGhost(ghost); }
  void HideGhost() override { form_.PaintBox->HideGhost(); }
  // The placement announces its change of the net, which repaints the canvas; only the
  // feedback is left to drop.
  void RepaintAll() override { form_.PaintBox->ClearFeedback(); }
  void ShowPickState(bool picked) override {
    form_.UpdateActions();
    if (picked) form_.ScrollBox->setFocus();
  }

private:
  TNetForm& form_;
};

}  // namespace

void TNetForm::AddZEPClick() { AppendElement(ElementKind::ZEP, Ask()); }
void TNetForm::AddInputClick() { AppendElement(ElementKind::Input, Ask()); }
void TNetForm::AddOutputClick() { AppendElement(ElementKind::Output, Ask()); }
void TNetForm::AddComClick() { AppendElement(ElementKind::Comment, Ask()); }
void TNetForm::AddDotClick() { AppendElement(ElementKind::Dot, Ask()); }
void TNetForm::DeleteElementClick() { DeleteBtnClick(); }

void TNetForm::DeleteBtnClick() {
  // Each deletion shows before the next question.
  DeleteCurrentElements(Ask(), [this](ElementKind) {
    RebuildRoutes();
    RepaintCanvas();
    UpdateActions();
  });
}

void TNetForm::PaintBoxMouseDown(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback(*this);
  PointerPressed(button, x, y, feedback);
}

void TNetForm::PaintBoxMouseMove(int x, int y) {
  CanvasFeedback feedback(*this);
  PointerMoved(x, y, feedback);
}

void TNetForm::PaintBoxMouseUp(Qt::MouseButton button, int x, int y) {
  CanvasFeedback feedback(*this);
  PointerReleased(button, x, y, feedback);
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
  CanvasFeedback feedback(*this);
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
