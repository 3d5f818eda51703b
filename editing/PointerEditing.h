#pragma once
// The pointer on the canvas: picking and placing in Select mode, pressing, dragging a
// ghost and releasing in Drag mode, deselecting with the right button. Positions are
// paint-box pixels; the feedback shows what changed.
#include <Qt>

#include "editing/EditFeedback.h"

void PointerPressed(Qt::MouseButton button, int x, int y, EditFeedback& feedback);
void PointerMoved(int x, int y, EditFeedback& feedback);
void PointerReleased(Qt::MouseButton button, int x, int y, EditFeedback& feedback);

// Makes element `index` of `kind` current and picked (Select mode).
void PickElement(ElementKind kind, int index, EditFeedback& feedback);
// Picks element `index` of `kind` as a click on it would when nothing is current: every
// other current element is deselected first, as a right click deselects it. In the number
// view only a ZEP can be picked; false when nothing was picked.
bool PickAlone(ElementKind kind, int index, EditFeedback& feedback);
// Moves the current element of `kind` to the grid point and ends its pick.
void PlaceElement(ElementKind kind, TGridPoint at, EditFeedback& feedback);
