#include "editing/DirectEditing.h"

#include "editing/GroupEdit.h"
#include "editing/HitTest.h"
#include "editing/PointerEditing.h"
#include "editing/PointerGrid.h"
#include "editing/Selection.h"

namespace {

// Cancelled: Escape ended the drag; its release still belongs to it and does nothing.
enum class Gesture { None, Box, Connect, Group, ShiftClick, Cancelled };

// A press taken by direct editing, until its release.
struct TGestureState {
  Gesture Kind = Gesture::None;
  bool Moved = false;  // the pointer left the press point: a drag, not a click
  bool Adding = false; // a box drawn with Shift adds to the selection
  QPoint Press;
  TGridPoint PressGrid;
  TSourceEnd Source;
  TElementRef Element;  // the element a Shift+click toggles
  std::optional<TOverlay> Shown;
};

TGestureState Drag;

// A drag starts once the pointer is this far from the press, so a click stays a click.
constexpr int DragThreshold = 3;

bool AnyCurrent() {
  for (ElementKind kind : ElementKinds)
    if (CurrentOf(kind) != 0) return true;
  return false;
}

bool Pickable(ElementKind kind) { return kind == ElementKind::ZEP || !NumberView; }

// The element under the pointer as the hit test finds it, the first kind first.
std::optional<TElementRef> ElementAt(const THits& hits) {
  for (ElementKind kind : ElementKinds)
    if (const int hit = hits.Of(kind); hit && Pickable(kind)) return TElementRef{kind, hit};
  return std::nullopt;
}

bool HitsSelected(const THits& hits) {
  for (ElementKind kind : ElementKinds)
    if (const int hit = hits.Of(kind); hit && Selection.Has(kind, hit)) return true;
  return false;
}

void Show(const TOverlay& overlay, DirectFeedback& feedback) {
  if (Drag.Shown == overlay) return;
  Drag.Shown = overlay;
  feedback.ShowOverlay(overlay);
}

void EndGesture(DirectFeedback& feedback) {
  if (Drag.Shown) feedback.HideOverlay();
  Drag = {};
}

// A press with nothing current and nothing hit: a connection from a source's end, else a
// selection box.
void StartOnEmpty(Qt::KeyboardModifiers modifiers, QPoint p) {
  if (const std::optional<TSourceEnd> source = SourceEndAt(p.x(), p.y())) {
    Drag.Kind = Gesture::Connect;
    Drag.Source = *source;
  } else {
    Drag.Kind = Gesture::Box;
    Drag.Adding = modifiers & Qt::ShiftModifier;
  }
}

// Which press direct editing takes; the others go on to the pointer editing.
bool TakePress(Qt::KeyboardModifiers modifiers, QPoint p, DirectFeedback& feedback) {
  if (EditDialogOpen) return false;
  DropStaleCurrents();
  Selection.DropStale();
  if (AnyCurrent()) {
    ClearSelection(feedback);
    return false;
  }
  const THits hits = HitTest(p.x(), p.y());
  const std::optional<TElementRef> element = ElementAt(hits);
  if (!element) {
    StartOnEmpty(modifiers, p);
    return true;
  }
  if (Selection.Empty()) return false;
  if (modifiers & Qt::ShiftModifier) {
    Drag.Kind = Gesture::ShiftClick;
    Drag.Element = *element;
    return true;
  }
  if (HitsSelected(hits)) {
    Drag.Kind = Gesture::Group;
    return true;
  }
  ClearSelection(feedback);
  return false;
}

void MoveConnect(QPoint p, DirectFeedback& feedback) {
  Show({OverlayShape::RubberLine, Drag.Source.End, p, TargetAt(Drag.Source, p.x(), p.y()), {}}, feedback);
}

void MoveGroup(QPoint p, DirectFeedback& feedback) {
  const TGridPoint at = PointerToGrid(p.x(), p.y());
  const TGridPoint offset{at.X - Drag.PressGrid.X, at.Y - Drag.PressGrid.Y};
  // Ghosts are redrawn only when the offset changes.
  if (!Drag.Shown && offset == TGridPoint{}) return;
  Show({OverlayShape::GroupGhost, {}, {}, {}, offset}, feedback);
}

void ReleaseBox(const TGestureState& gesture, QPoint p, DirectFeedback& feedback) {
  if (!gesture.Moved) {
    // A click on empty canvas.
    ClearSelection(feedback);
    return;
  }
  TElementSet chosen = ElementsInBox(QRect(gesture.Press, p).normalized());
  if (gesture.Adding)
    for (const TElementRef& e : Selection.Elements()) chosen.Set(e.Kind, e.Index);
  SelectOnly(chosen, feedback);
}

void ReleaseShiftClick(const TElementRef& element, DirectFeedback& feedback) {
  TElementSet toggled = Selection;
  toggled.Toggle(element.Kind, element.Index);
  SelectOnly(toggled, feedback);
}

void LeftRelease(QPoint p, Prompts& prompts, DirectFeedback& feedback) {
  const TGestureState gesture = Drag;
  EndGesture(feedback);
  switch (gesture.Kind) {
    case Gesture::Box: ReleaseBox(gesture, p, feedback); return;
    case Gesture::Connect:
      if (!gesture.Shown) ClearSelection(feedback);
      else if (ConnectTo(gesture.Source, gesture.Shown->Target, prompts)) feedback.RepaintAll();
      return;
    case Gesture::Group:
      if (gesture.Shown) MoveSelection(gesture.Shown->Offset, feedback);
      return;
    case Gesture::ShiftClick: ReleaseShiftClick(gesture.Element, feedback); return;
    case Gesture::Cancelled:
    case Gesture::None: return;
  }
}

TCanvasMenu RightClickMenu(QPoint p, DirectFeedback& feedback) {
  TCanvasMenu menu;
  menu.At = PointerToGrid(p.x(), p.y());
  Selection.DropStale();
  const THits hits = HitTest(p.x(), p.y());
  const std::optional<TElementRef> element = ElementAt(hits);
  if (!element) {
    menu.On = TCanvasMenu::Place::Canvas;
  } else if (HitsSelected(hits)) {
    menu.On = TCanvasMenu::Place::Selection;
  } else {
    ClearSelection(feedback);
    menu.On = TCanvasMenu::Place::Element;
    menu.Element = *element;
  }
  return menu;
}

bool Ctrl(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ControlModifier) && !(modifiers & (Qt::AltModifier | Qt::ShiftModifier));
}

}  // namespace

void DirectPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y, DirectFeedback& feedback) {
  if (Drag.Kind == Gesture::None && button == Qt::LeftButton && TakePress(modifiers, {x, y}, feedback)) {
    Drag.Press = {x, y};
    Drag.PressGrid = PointerToGrid(x, y);
    return;
  }
  if (Drag.Kind == Gesture::None) PointerPressed(button, x, y, feedback);
}

void DirectMoved(int x, int y, DirectFeedback& feedback) {
  if (Drag.Kind == Gesture::None) {
    PointerMoved(x, y, feedback);
    return;
  }
  const QPoint p(x, y);
  if (!Drag.Moved && (p - Drag.Press).manhattanLength() < DragThreshold) return;
  Drag.Moved = true;
  switch (Drag.Kind) {
    case Gesture::Box: Show({OverlayShape::SelectionBox, Drag.Press, p, {}, {}}, feedback); return;
    case Gesture::Connect: MoveConnect(p, feedback); return;
    case Gesture::Group: MoveGroup(p, feedback); return;
    case Gesture::ShiftClick:
    case Gesture::Cancelled:
    case Gesture::None: return;
  }
}

TCanvasMenu DirectReleased(Qt::MouseButton button, int x, int y, Prompts& prompts, DirectFeedback& feedback) {
  if (Drag.Kind != Gesture::None) {
    if (button == Qt::LeftButton) LeftRelease({x, y}, prompts, feedback);
    return {};
  }
  const bool offers = button == Qt::RightButton && !EditDialogOpen && (DropStaleCurrents(), !AnyCurrent());
  PointerReleased(button, x, y, feedback);
  return offers ? RightClickMenu({x, y}, feedback) : TCanvasMenu{};
}

bool DirectDragging() { return Drag.Kind != Gesture::None; }

bool DirectKey(int key, Qt::KeyboardModifiers modifiers, std::optional<TGridPoint> pointer,
               const TClipboardAccess& clipboard, Prompts& prompts, DirectFeedback& feedback) {
  if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
    if (Drag.Kind != Gesture::None) {
      EndGesture(feedback);
      Drag.Kind = Gesture::Cancelled;
      return true;
    }
    if (Selection.Empty()) return false;
    ClearSelection(feedback);
    return true;
  }
  if (!Ctrl(modifiers) || EditDialogOpen || Drag.Kind != Gesture::None) return false;
  Selection.DropStale();
  switch (key) {
    case Qt::Key_A: SelectOnly(AllElements(), feedback); return true;
    case Qt::Key_C:
      if (auto data = CopySelection()) clipboard.Put(std::move(data));
      return true;
    case Qt::Key_X:
      if (auto data = CutSelection(feedback)) clipboard.Put(std::move(data));
      return true;
    case Qt::Key_V: PasteNetText(clipboard.Text(), pointer, prompts, feedback); return true;
    case Qt::Key_D: DuplicateSelection(prompts, feedback); return true;
    default: return false;
  }
}
