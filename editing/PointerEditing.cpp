#include "editing/PointerEditing.h"

#include <optional>

#include "drawing/Routing.h"
#include "editing/HitTest.h"
#include "editing/PointerGrid.h"
#include "model/NetChange.h"

namespace {

// Labels are not drawn in the number view, so only ZEPs and placements work there.
bool Pickable(ElementKind kind) { return kind == ElementKind::ZEP || !NumberView; }

// Picked is set before the window hears of it, so the window shows the state it reads.
void SetPicked(bool picked, EditFeedback& feedback) {
  Picked = picked;
  feedback.ShowPickState(picked);
}

bool TakesPartInRoutes(ElementKind kind) {
  return kind == ElementKind::ZEP || kind == ElementKind::Input || kind == ElementKind::Output;
}

// A press in Drag mode makes the first hit kind without a current element current.
void TakeOnPress(const THits& hits, EditFeedback& feedback) {
  for (ElementKind kind : ElementKinds) {
    const int hit = hits.Of(kind);
    if (CurrentOf(kind) != 0 || hit == 0) continue;
    if (Pickable(kind)) {
      CurrentOf(kind) = hit;
      feedback.ShowMark({kind, hit, MarkLook::PickedByPress});
    }
    return;
  }
}

// The left release: for each kind in order, a current element is placed, else a hit one
// picked; the first kind that does either ends the release.
void LeftRelease(const THits& hits, TGridPoint at, EditFeedback& feedback) {
  for (ElementKind kind : ElementKinds) {
    if (CurrentOf(kind) != 0) {
      PlaceElement(kind, at, feedback);
      return;
    }
    if (const int hit = hits.Of(kind)) {
      if (Pickable(kind)) PickElement(kind, hit, feedback);
      return;
    }
  }
}

void Deselect(ElementKind kind, EditFeedback& feedback) {
  const int index = CurrentOf(kind);
  CurrentOf(kind) = 0;
  feedback.ShowMark({kind, index, MarkLook::Deselected});
  SetPicked(false, feedback);
}

// One right click deselects the first current element in kind order.
void RightRelease(EditFeedback& feedback) {
  for (ElementKind kind : ElementKinds) {
    if (CurrentOf(kind) == 0) continue;
    if (Pickable(kind)) Deselect(kind, feedback);
    return;
  }
}

std::optional<TGhost> ChooseGhost(TGridPoint at) {
  if (CurZEP != 0) return TGhost{GhostShape::ZEPCircle, ElementKind::ZEP, CurZEP, at};
  if (NumberView) return std::nullopt;
  if (CurDot != 0) return TGhost{GhostShape::DotCircle, ElementKind::Dot, CurDot, at};
  for (ElementKind kind : {ElementKind::Output, ElementKind::Input, ElementKind::Comment})
    if (CurrentOf(kind) != 0) return TGhost{GhostShape::LabelFrame, kind, CurrentOf(kind), at};
  return std::nullopt;
}

}  // namespace

void PickElement(ElementKind kind, int index, EditFeedback& feedback) {
  CurrentOf(kind) = index;
  feedback.ShowMark({kind, index, MarkLook::PickedByRelease});
  SetPicked(true, feedback);
}

bool PickAlone(ElementKind kind, int index, EditFeedback& feedback) {
  if (EditDialogOpen || !Pickable(kind) || index < 1 || index > CountOf(kind)) return false;
  DropStaleCurrents();
  for (ElementKind other : ElementKinds)
    if (CurrentOf(other) != 0 && Pickable(other) && !(other == kind && CurrentOf(other) == index))
      Deselect(other, feedback);
  PickElement(kind, index, feedback);
  return true;
}

void PlaceElement(ElementKind kind, TGridPoint at, EditFeedback& feedback) {
  const int k = CurrentOf(kind);
  SetElementPoint(kind, k, at);
  CurrentOf(kind) = 0;
  if (TakesPartInRoutes(kind)) RebuildRoutes();
  NetChanged(NetChangeKind::Place, QStringLiteral("Move ") + ElementCaption(kind, k));
  feedback.RepaintAll();
  SetPicked(false, feedback);
}

void PointerPressed(Qt::MouseButton button, int x, int y, EditFeedback& feedback) {
  if (!DragMode || EditDialogOpen) return;
  DropStaleCurrents();
  const THits hits = HitTest(x, y);
  Dragging = DragFresh = hits.Any();
  for (ElementKind kind : ElementKinds) {
    if (const int hit = hits.Of(kind)) {
      const TGridPoint p = ElementPoint(kind, hit);
      DragX = p.X;
      DragY = p.Y;
    }
  }
  if (hits.Any() && button == Qt::LeftButton) TakeOnPress(hits, feedback);
}

void PointerMoved(int x, int y, EditFeedback& feedback) {
  if (!Dragging) return;
  DropStaleCurrents();
  const TGridPoint at = PointerToGrid(x, y);
  // Moves within one grid position draw nothing.
  if (at.X == DragX && at.Y == DragY) return;
  const std::optional<TGhost> ghost = ChooseGhost(at);
  if (!ghost) return;
  DragFresh = false;
  DragX = at.X;
  DragY = at.Y;
  feedback.ShowGhost(*ghost);
}

void PointerReleased(Qt::MouseButton button, int x, int y, EditFeedback& feedback) {
  // A drag that drew a ghost takes it away; the placement repaints beneath it.
  if (Dragging && !DragFresh) feedback.HideGhost();
  Dragging = false;
  if (EditDialogOpen) return;
  DropStaleCurrents();
  const THits hits = DragMode ? THits{} : HitTest(x, y);
  if (button == Qt::LeftButton) LeftRelease(hits, PointerToGrid(x, y), feedback);
  else if (button == Qt::RightButton) RightRelease(feedback);
}
