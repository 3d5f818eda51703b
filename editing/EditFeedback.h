#pragma once
// What the pointer editing shows while picking, deselecting and dragging, and the window
// side that shows it. The pick highlight, the deselected look and the ghost lie over the
// painted net; only placing an element repaints the whole canvas.
#include "model/ElementEdit.h"

enum class MarkLook { PickedByPress, PickedByRelease, Deselected };

// A pick highlight or a deselected look of one element.
struct TMark {
  ElementKind Kind = ElementKind::ZEP;
  int Index = 0;
  MarkLook Look = MarkLook::PickedByRelease;
  friend bool operator==(const TMark&, const TMark&) = default;
};

enum class GhostShape { ZEPCircle, DotCircle, LabelFrame };

// The outline that follows the pointer during a drag, standing on a grid point.
struct TGhost {
  GhostShape Shape = GhostShape::ZEPCircle;
  ElementKind Kind = ElementKind::ZEP;  // whose label a LabelFrame measures
  int Index = 0;
  TGridPoint At;
  friend bool operator==(const TGhost&, const TGhost&) = default;
};

class EditFeedback {
public:
  virtual ~EditFeedback() = default;
  // Draws the mark over the net, without repainting the canvas.
  virtual void ShowMark(const TMark& mark) = 0;
  // Draws the ghost at its new place; the former ghost goes without leaving a trace.
  virtual void ShowGhost(const TGhost& ghost) = 0;
  virtual void HideGhost() = 0;
  // Repaints the whole canvas, as after a placement.
  virtual void RepaintAll() = 0;
  // Delete is offered and the mode switch withheld while an element is picked; a pick
  // also brings the keyboard focus to the canvas.
  virtual void ShowPickState(bool picked) = 0;
};
