#include "drawing/NetPainter.h"

#include "model/NetDef.h"
#include "platform/DrawSurface.h"

void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect&) {
  surface.SetBrush(Colors::White, BrushStyle::Solid);
  surface.FillRect(0, 0, paintWidth, paintHeight);
}
