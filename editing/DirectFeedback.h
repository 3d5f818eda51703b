#pragma once
// What direct editing shows over the net beyond the pick highlights and the ghost: the
// selected elements, and one overlay while a drag is under way (the rubber line of a
// connection, the selection box, the ghosts of a moved group).
#include <QPoint>

#include "editing/Connecting.h"
#include "editing/EditFeedback.h"
#include "model/ElementSet.h"

enum class OverlayShape { RubberLine, SelectionBox, GroupGhost };

struct TOverlay {
  OverlayShape Shape = OverlayShape::RubberLine;
  QPoint From;  // the rubber line's start, or the box's first corner, in pixels
  QPoint To;    // the pointer
  TConnectTarget Target;  // what the rubber line would connect to, shown highlighted
  TGridPoint Offset;      // how far the group would move, in grid units
  friend bool operator==(const TOverlay&, const TOverlay&) = default;
};

class DirectFeedback : public EditFeedback {
public:
  // The selection changed: these elements now look selected or unselected.
  virtual void ShowSelection(const TElementSet& changed) = 0;
  // Draws the overlay in place of the former one, without repainting the canvas.
  virtual void ShowOverlay(const TOverlay& overlay) = 0;
  virtual void HideOverlay() = 0;
};
