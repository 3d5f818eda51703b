#pragma once
// Select mode and Drag mode, and how the controls show which one is on.
#include <QString>

// Switches the mode; refused (false) while an element is picked.
bool ToggleDragMode();

struct TModeLook {
  QString Caption;  // of the mode button
  QString Hint;
  bool Checked;     // the "Dragging Mode" menu item
  bool DragCursor;  // over the canvas
};

TModeLook ModeLook(bool dragMode);
