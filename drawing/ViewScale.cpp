#include "drawing/ViewScale.h"

#include <cmath>

#include "model/NetDef.h"

namespace {
constexpr int GridSteps[6] = {20, 16, 12, 18, 14, 20};
}

void ComputeViewMetrics() {
  if (Scale < 1 || Scale > 6) return;
  GridStep = GridSteps[Scale - 1];
  const int s = ScaleSize(Scale);
  BarbSize = s / 3;
  if (Scale >= 4) {
    FontSize = ScaleSize(4) / 3;
    BoldFont = false;
    NumberView = Scale == 6;
    DrawFontName = Scale > 5 ? QStringLiteral("Small Fonts") : FontName.left(19);
  } else {
    FontSize = BarbSize;
    NumberView = false;
    BoldFont = true;
    DrawFontName = FontName.left(19);
  }
  Pitch = s / 2;
  ZEPRadius = 2 * Pitch;
  ArrowReach = 3 * Pitch;
  ArrowInset = static_cast<int>(std::lround(std::sqrt(2.0) * Pitch));
}

int PaintAreaWidth() { return Pitch * CanvasWidth; }
int PaintAreaHeight() { return Pitch * CanvasHeight; }
