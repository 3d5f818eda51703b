#pragma once
// Drawing the pick highlights, deselected looks and ghosts, and the pixel areas they cover
// so that only those areas need repainting.
#include <QList>
#include <QRect>
#include <optional>

#include "editing/EditFeedback.h"
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

// The canvas as the window shows it: the net within `area` of a width × height paint area,
// with `changes` marked on it when given, then the marks and the ghost over it; a ghost
// whose element is gone is left out.
void PaintCanvas(DrawSurface& surface, int width, int height, const QRect& area, const QList<TMark>& marks,
                 const std::optional<TGhost>& ghost, const TChangeMarks* changes = nullptr);
