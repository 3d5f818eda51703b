#include "drawing/InputArrow.h"

void DrawInputArrow(DrawSurface& surface, int cx, int cy, int reach, int inset, int barb, int dy) {
  const int tipX = cx - inset;
  const int tipY = cy + dy * inset;
  surface.MoveTo(cx - reach, cy + dy * reach);
  surface.LineTo(tipX, tipY);
  surface.LineTo(tipX - barb / 2, tipY + dy * barb);
  surface.MoveTo(tipX, tipY);
  surface.LineTo(tipX - barb, tipY + dy * (barb / 2));
}
