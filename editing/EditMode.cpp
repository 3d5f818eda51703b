#include "editing/EditMode.h"

#include "model/NetDef.h"

bool ToggleDragMode() {
  if (Picked) return false;
  DragMode = !DragMode;
  return true;
}

TModeLook ModeLook(bool dragMode) {
  if (dragMode) return {QStringLiteral("Drag(F8)"), QStringLiteral("to Select Mode"), true, true};
  return {QStringLiteral("Select(F8)"), QStringLiteral("to Drag Mode"), false, false};
}
