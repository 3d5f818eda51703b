#pragma once
// Keeping a window within reach on the screen.
#include <QRect>

// The window at `left`, `top` of `width` by `height` moved, and shrunk where it is larger,
// until it lies within `area`; a window that already lies within it comes back unchanged.
// Values of any magnitude, as a damaged settings file may give, are safe.
QRect FitIntoArea(int left, int top, int width, int height, const QRect& area);
