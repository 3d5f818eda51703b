#include "platform/ScreenFit.h"

#include <algorithm>

namespace {

// One side of the window, as start and length, brought within the area's side; computed
// wide, so that starts and lengths near the integer limits cannot overflow.
void FitSide(long long start, long long length, long long areaStart, long long areaLength, int& fittedStart,
             int& fittedLength) {
  const long long longest = std::max(1LL, areaLength);
  length = std::clamp(length, 1LL, longest);
  start = std::clamp(start, areaStart, areaStart + longest - length);
  fittedStart = static_cast<int>(start);
  fittedLength = static_cast<int>(length);
}

}  // namespace

QRect FitIntoArea(int left, int top, int width, int height, const QRect& area) {
  int x = 0, y = 0, w = 0, h = 0;
  FitSide(left, width, area.x(), area.width(), x, w);
  FitSide(top, height, area.y(), area.height(), y, h);
  return QRect(x, y, w, h);
}
