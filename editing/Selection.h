#pragma once
// The elements selected on the canvas, many at once, beside the one current element per
// kind that picking makes. A selection lives only while nothing is current.
#include <QRect>

#include "editing/DirectFeedback.h"
#include "model/ElementSet.h"
#include "model/NetChange.h"

extern TElementSet Selection;

// The pixels an element takes on the canvas as the last paint drew it: a ZEP's circle, the
// label box of an Input, Output or Comment, a Dot's box. Empty for a label at the number
// view, where labels are not drawn.
QRect ElementBounds(ElementKind kind, int index);

// The elements that lie wholly inside the box.
TElementSet ElementsInBox(const QRect& box);
// Every element that can be picked at the current scale.
TElementSet AllElements();

// Selects the set in place of the selection; every current element is deselected first,
// as a right click deselects it. The feedback shows the elements whose look changed.
void SelectOnly(const TElementSet& set, DirectFeedback& feedback);
void ClearSelection(DirectFeedback& feedback);

// The elements whose look differs between two selections.
TElementSet SelectionChange(const TElementSet& before, const TElementSet& after);

// A change of the net that may renumber elements ends the selection; others keep it.
void SelectionFollowsChange(NetChangeKind kind);
