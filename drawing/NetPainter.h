#pragma once
// Paints the net onto a drawing surface at the current scale and records the label boxes.
#include <QRect>

#include "platform/DrawSurface.h"

// Paints the paint area of the given size; only what meets `exposed` needs drawing, and
// what is drawn there is what a full paint would draw there.
void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed);

// The drawing font of the current scale (face, size, bold), in black.
void SetDrawFont(DrawSurface& surface);

// A label drawn again where the painter draws it, in the given colour (pick highlight and
// deselected look). They expect the drawing font set.
void DrawInputName(DrawSurface& surface, int input, Rgb color);
void DrawOutputName(DrawSurface& surface, int output, Rgb color);
void DrawCommentText(DrawSurface& surface, int comment, Rgb color);

// The colour the painter gives an unselected label of each kind in the current colour mode.
Rgb InputNameColor();
Rgb OutputNameColor();
Rgb CommentTextColor();
