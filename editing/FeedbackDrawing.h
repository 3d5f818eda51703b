#pragma once
// Drawing the pick highlights, deselected looks and ghosts, and the pixel areas they cover
// so that only those areas need repainting.
#include <QList>
#include <QRect>
#include <optional>

#include <QRegion>

#include "editing/DirectFeedback.h"
#include "platform/DrawSurface.h"

// False once the mark no longer fits the net: its element is gone, or a highlight's
// element is no longer current, or a deselected element is current again.
bool MarkStillApplies(const TMark& mark);

void DrawMark(DrawSurface& surface, const TMark& mark);
// Every pixel DrawMark may touch; `metrics` measures the label texts.
QRect MarkArea(DrawSurface& metrics, const TMark& mark);

// False once the ghost's element is gone.
bool GhostStillApplies(const TGhost& ghost);

void DrawGhost(DrawSurface& surface, const TGhost& ghost);
QRect GhostArea(DrawSurface& metrics, const TGhost& ghost);

struct TChangeMarks;

// The ghost of an element of a group moved by `offset` grid units.
TGhost GroupMemberGhost(const TElementRef& element, TGridPoint offset);

// The overlay of a drag; the group ghost shows every selected element.
void DrawOverlay(DrawSurface& surface, const TOverlay& overlay);
// Every pixel DrawOverlay may touch: thin strips along lines and box edges, so that a
// long line or a large box repaints little of the net beneath.
QRegion OverlayRegion(DrawSurface& metrics, const TOverlay& overlay);

// The region to repaint for a dirty region: its bounding rectangle when the region covers
// most of it anyway, since the net draws much faster within one rectangle than within a
// region of many.
QRegion RepaintRegion(const QRegion& dirty);

// The canvas as the window shows it: the net within `area` of a width × height paint area,
// with `changes` marked on it when given, then the selected elements, the marks, the ghost
// and the overlay over it; a ghost whose element is gone is left out.
void PaintCanvas(DrawSurface& surface, int width, int height, const QRect& area, const QList<TMark>& marks,
                 const std::optional<TGhost>& ghost, const std::optional<TOverlay>& overlay = std::nullopt,
                 const TChangeMarks* changes = nullptr);
