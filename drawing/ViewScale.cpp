#include "drawing/ViewScale.h"

#include <algorithm>
#include <cmath>

#include "model/NetDef.h"

namespace {
constexpr int GridSteps[6] = {20, 16, 12, 18, 14, 20};
}

void ComputeViewMetrics() {
  if (Scale < 1 || Scale > 6) return;
  GridStep = GridSteps[Scale - 1];
  const int s = ScaleSize(Scale);
  const QString face = (FontName.isEmpty() ? StartFontName : FontName).left(19);
  BarbSize = s / 3;
  if (Scale >= 4) {
    FontSize = ScaleSize(4) / 3;
    BoldFont = false;
    NumberView = Scale == 6;
    DrawFontName = Scale > 5 ? QStringLiteral("Small Fonts") : face;
  } else {
    FontSize = BarbSize;
    NumberView = false;
    BoldFont = true;
    DrawFontName = face;
  }
  Pitch = s / 2;
  ZEPRadius = 2 * Pitch;
  ArrowReach = 3 * Pitch;
  ArrowInset = static_cast<int>(std::lround(std::sqrt(2.0) * Pitch));
}

int PaintAreaWidth() { return Pitch * CanvasWidth; }
int PaintAreaHeight() { return Pitch * CanvasHeight; }

namespace {

// Within 100..1000, then up to the next multiple of 50.
int CanvasUnitsFor(long long reach) {
  const int clamped = static_cast<int>(std::clamp(reach, 100LL, 1000LL));
  return (clamped + 49) / 50 * 50;
}

}  // namespace

QString CanvasSizeCaption() {
  return QStringLiteral("%1*%2, change").arg(CanvasWidth).arg(CanvasHeight);
}

void AdjustCanvasSizeToData() {
  long long mx = 0;
  long long my = 0;
  const auto reach = [&](long long x, long long y) {
    mx = std::max(mx, x);
    my = std::max(my, y);
  };
  for (int i = 1; i <= std::min(InputCount, MaxInput); ++i) reach(InputPos[i].X + 3LL, InputPos[i].Y);
  for (int i = 1; i <= std::min(OutputCount, MaxOutput); ++i) reach(OutputPos[i].X + 3LL, OutputPos[i].Y);
  for (int i = 1; i <= std::min(ZEPCount, MaxZEP); ++i) reach(ZEPPos[i].X + 3LL, ZEPPos[i].Y + 2LL);
  CanvasWidth = CanvasUnitsFor(mx);
  CanvasHeight = CanvasUnitsFor(my);
}
