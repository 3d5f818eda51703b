#include "editing/Selection.h"

#include "drawing/NetPainter.h"

TElementSet Selection;

namespace {

QRect BoxRect(const TLabelBox& box) { return QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom)); }

bool Selectable(ElementKind kind) { return kind == ElementKind::ZEP || !NumberView; }

}  // namespace

QRect ElementBounds(ElementKind kind, int index) {
  if (!Selectable(kind) || index < 1 || index > CountOf(kind)) return {};
  switch (kind) {
    case ElementKind::ZEP: {
      const QPoint c(ToPixels(ZEPPos[index].X), ToPixels(ZEPPos[index].Y));
      return QRect(c - QPoint(ZEPRadius, ZEPRadius), c + QPoint(ZEPRadius, ZEPRadius));
    }
    case ElementKind::Input: return BoxRect(InputBox[index]);
    case ElementKind::Output: return BoxRect(OutputBox[index]);
    case ElementKind::Comment: return BoxRect(CommentBox[index]);
    case ElementKind::Dot: break;
  }
  return BoxRect(DotBox[index]);
}

TElementSet ElementsInBox(const QRect& box) {
  TElementSet inside;
  for (ElementKind kind : ElementKinds)
    for (int i = 1; i <= CountOf(kind); ++i) {
      const QRect bounds = ElementBounds(kind, i);
      if (bounds.isValid() && box.contains(bounds)) inside.Set(kind, i);
    }
  return inside;
}

TElementSet AllElements() {
  TElementSet all;
  for (ElementKind kind : ElementKinds)
    if (Selectable(kind))
      for (int i = 1; i <= CountOf(kind); ++i) all.Set(kind, i);
  return all;
}

TElementSet SelectionChange(const TElementSet& before, const TElementSet& after) {
  TElementSet changed;
  for (const TElementRef& e : before.Elements())
    if (!after.Has(e.Kind, e.Index)) changed.Set(e.Kind, e.Index);
  for (const TElementRef& e : after.Elements())
    if (!before.Has(e.Kind, e.Index)) changed.Set(e.Kind, e.Index);
  return changed;
}

void SelectOnly(const TElementSet& set, DirectFeedback& feedback) {
  DropStaleCurrents();
  bool deselected = false;
  for (ElementKind kind : ElementKinds) {
    const int current = CurrentOf(kind);
    if (current == 0) continue;
    CurrentOf(kind) = 0;
    feedback.ShowMark({kind, current, MarkLook::Deselected});
    deselected = true;
  }
  if (deselected || Picked) {
    Picked = false;
    feedback.ShowPickState(false);
  }
  const TElementSet before = Selection;
  Selection = set;
  feedback.ShowSelection(SelectionChange(before, Selection));
}

void ClearSelection(DirectFeedback& feedback) {
  if (Selection.Empty()) return;
  const TElementSet before = Selection;
  Selection.Clear();
  feedback.ShowSelection(before);
}

void SelectionFollowsChange(NetChangeKind kind) {
  switch (kind) {
    case NetChangeKind::Place:
    case NetChangeKind::Append:
    case NetChangeKind::NameAdd:
    case NetChangeKind::NameDelete:
      Selection.DropStale();
      return;
    default:
      Selection.Clear();
      return;
  }
}
