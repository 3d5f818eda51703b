#pragma once
// The pointer over the canvas and the canvas's own keys: picking, dragging, connecting,
// selecting, the clipboard keys and the right-click menu. The rules live in editing/; this
// forwards the canvas's events to them and shows what they answer.
#include <Qt>

#include "app/CanvasFeedback.h"
#include "model/ElementEdit.h"

class PaintBoxWidget;
class QScrollArea;
class TNetForm;

class TCanvasPointer {
public:
  TCanvasPointer(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll);

  void PaintBoxMouseDown(Qt::MouseButton button, int x, int y);
  void PaintBoxMouseMove(int x, int y);
  void PaintBoxMouseUp(Qt::MouseButton button, int x, int y);
  // A double-click opens the properties dialog of the element it picked.
  void PaintBoxDoubleClick(Qt::MouseButton button, int x, int y);
  void DragSelectClick();
  void DragBtnClick();
  // Picks an element as a click on it would, for a list that names it, and scrolls it
  // into view.
  void PickFoundElement(ElementKind kind, int index);
  // The keyboard to the canvas, as a pick gives it.
  void FocusCanvas();
  // The keys of the canvas: the editing keys and Enter on a pick; true when taken.
  bool CanvasKeyDown(int key, Qt::KeyboardModifiers shift);
  // An Edit menu item that stands for Ctrl+`key` on the canvas (cut, copy, paste,
  // duplicate, select all).
  void EditFromMenu(int key);
  // What the editing shows its feedback on.
  CanvasFeedback Feedback() const { return CanvasFeedback(form_, canvas_, scroll_); }

private:
  void OpenProperties();

  TNetForm& form_;
  PaintBoxWidget* canvas_;
  QScrollArea* scroll_;
};
