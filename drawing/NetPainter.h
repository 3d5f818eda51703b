#pragma once
// Paints the net onto a drawing surface at the current scale and records the label boxes.
#include <QRect>

class DrawSurface;

// Paints the paint area of the given size; only what meets `exposed` needs drawing.
void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed);
