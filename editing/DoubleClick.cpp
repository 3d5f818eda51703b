#include "editing/DoubleClick.h"

#include "editing/HitTest.h"

bool DoubleClickOpens(int x, int y) {
  if (EditDialogOpen || !(DragMode || Picked)) return false;
  DropStaleCurrents();
  const THits hits = HitTest(x, y);
  for (ElementKind kind : {ElementKind::ZEP, ElementKind::Input, ElementKind::Output, ElementKind::Comment}) {
    // Labels are not drawn in the number view, and their stale boxes are no target.
    if (kind != ElementKind::ZEP && NumberView) continue;
    const int hit = hits.Of(kind);
    if (hit != 0 && hit == CurrentOf(kind)) return true;
  }
  return false;
}
