#pragma once
// Paints the net onto a drawing surface at the current scale and records the label boxes.
#include <QRect>

#include "model/NetDef.h"
#include "platform/DrawSurface.h"

// Paints the paint area of the given size; only what meets `exposed` needs drawing, and
// what is drawn there is what a full paint would draw there. The label boxes of every
// element are recorded, whether or not it meets `exposed`.
void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed);
// The same with the changes from an older net marked on it (drawing/ChangeMarks.h).
struct TChangeMarks;
void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed,
              const TChangeMarks& changes);

// The elements alone, without background and grid, recording the label boxes.
void PaintElements(DrawSurface& surface);

// Records the label boxes as a paint would, without drawing (for a canvas not on screen).
void RecordLabelBoxes(DrawSurface& surface);

// The drawing font of the current scale (face, size, bold), in black.
void SetDrawFont(DrawSurface& surface);

// A label drawn again where the painter draws it, in the given colour (pick highlight and
// deselected look). They expect the drawing font set; a number outside the kind's count
// draws nothing.
void DrawInputName(DrawSurface& surface, int input, Rgb color);
void DrawOutputName(DrawSurface& surface, int output, Rgb color);
void DrawCommentText(DrawSurface& surface, int comment, Rgb color);

// The label box the painter records for an element, measured in the drawing font that the
// surface has set.
TLabelBox InputLabelBox(DrawSurface& surface, int input);
TLabelBox OutputLabelBox(DrawSurface& surface, int output);
TLabelBox CommentLabelBox(DrawSurface& surface, int comment);
TLabelBox DotLabelBox(int dot);

// The colour the painter gives an unselected label of each kind in the current colour mode.
Rgb InputNameColor();
Rgb OutputNameColor();
Rgb CommentTextColor();
// The colour of a ZEP's function name and number.
Rgb FunctionNameColor();

// Pen widths and the Dot radius of the current scale step.
int CirclePenWidth();
int LinePenWidth();
int DotRadius();

// A grid coordinate in pixels at the current Pitch, held within +/- 4194304 so that no
// value a file may hold can overflow.
int ToPixels(int units);
