#include "drawing/NetPainter.h"

#include "model/NetDef.h"

void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect&) {
  surface.SetBrush(Colors::White, BrushStyle::Solid);
  surface.FillRect(0, 0, paintWidth, paintHeight);
}

void SetDrawFont(DrawSurface&) {}
void DrawInputName(DrawSurface&, int, Rgb) {}
void DrawOutputName(DrawSurface&, int, Rgb) {}
void DrawCommentText(DrawSurface&, int, Rgb) {}
Rgb InputNameColor() { return BWMode ? Colors::Black : Colors::Teal; }
Rgb OutputNameColor() { return BWMode ? Colors::Black : Colors::Maroon; }
Rgb CommentTextColor() { return Colors::Black; }
