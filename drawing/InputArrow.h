#pragma once
// The arrow of a ZEP input, the same on the screen and on paper.
#include "platform/DrawSurface.h"

// From `reach` out on the diagonal to the tip `inset` from the centre (cx, cy), with its
// two barbs of size `barb`; dy is -1 for input A (the upper diagonal), +1 for input B.
void DrawInputArrow(DrawSurface& surface, int cx, int cy, int reach, int inset, int barb, int dy);
