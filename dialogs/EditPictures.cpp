#include "dialogs/EditPictures.h"

void DrawInputArrowA(DrawSurface& canvas) {
  canvas.SetPen(Colors::White, 2, PenStyle::Solid);
  canvas.MoveTo(1, 12);
  canvas.LineTo(21, 12);
  canvas.LineTo(37, 28);
  canvas.LineTo(29, 24);
  canvas.MoveTo(37, 28);
  canvas.LineTo(33, 20);
}

void DrawInputArrowB(DrawSurface& canvas) {
  canvas.SetPen(Colors::White, 2, PenStyle::Solid);
  canvas.MoveTo(1, 21);
  canvas.LineTo(21, 21);
  canvas.LineTo(37, 5);
  canvas.LineTo(29, 9);
  canvas.MoveTo(37, 5);
  canvas.LineTo(33, 13);
}

void DrawZEPCircle(DrawSurface& canvas, int size) {
  constexpr int penWidth = 4;
  canvas.SetPen(Colors::White, penWidth, PenStyle::Solid);
  canvas.SetBrush(Colors::White, BrushStyle::Clear);
  // Inset by half the pen so the whole outline stays inside the square.
  canvas.Ellipse(penWidth / 2, penWidth / 2, size - penWidth / 2, size - penWidth / 2);
}
