#pragma once
// The fixed pictures of the properties dialog: the circle of the ZEP and the arrows from
// the input boxes to it.
#include "platform/DrawSurface.h"

inline constexpr int ArrowBoxWidth = 41;
inline constexpr int ArrowBoxHeight = 33;
inline constexpr int ZEPShapeSize = 100;

// The arrow from input A's box down to the upper left of the circle.
void DrawInputArrowA(DrawSurface& canvas);
// The arrow from input B's box up to the lower left of the circle.
void DrawInputArrowB(DrawSurface& canvas);
// The ZEP circle: a white outline 4 pixels wide, not filled, inside a square of `size`.
void DrawZEPCircle(DrawSurface& canvas, int size);
