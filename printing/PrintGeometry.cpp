#include "printing/PrintGeometry.h"

#include <algorithm>

#include "model/NetDef.h"

namespace {

// Nearest integer of numerator / denominator (denominator > 0), halves away from zero.
long long RoundDiv(long long numerator, long long denominator) {
  const long long half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

struct Band {
  int From;
  int To;
  int Nominal;
};

constexpr Band ResolutionBands[] = {
    {261, 329, 300}, {330, 379, 360}, {380, 499, 400}, {500, 659, 600}, {660, 799, 720},
};

constexpr int FallbackResolution = 240;
constexpr long long CoordinateLimit = 1LL << 28;

int Scaled(int screenPixels, int d) { return screenPixels * d / 100; }

}  // namespace

int EstimateResolution(int pageHeight) {
  // pageHeight / 210 mm * 25.4 mm per inch, exactly: 254 / 2100.
  return static_cast<int>(RoundDiv(254LL * pageHeight, 2100));
}

int NominalResolution(int estimate) {
  for (const Band& band : ResolutionBands)
    if (estimate >= band.From && estimate <= band.To) return band.Nominal;
  return FallbackResolution;
}

int OffsetPixels(int millimetres, int d) {
  // millimetres / 25.4 * d, exactly: 10 / 254.
  return PageCoordinate(RoundDiv(10LL * millimetres * d, 254));
}

int PageCoordinate(long long value) {
  return static_cast<int>(std::clamp(value, -CoordinateLimit, CoordinateLimit));
}

PrintMetrics ComputePrintMetrics(int d, int horizontalMm, int verticalMm) {
  PrintMetrics m;
  m.D = d;
  m.OH = OffsetPixels(horizontalMm, d);
  m.OV = OffsetPixels(verticalMm, d);
  m.U = Scaled(Pitch, d);
  m.R = Scaled(ZEPRadius, d);
  m.T = Scaled(ArrowReach, d);
  m.E = Scaled(ArrowInset, d);
  m.K = Scaled(BarbSize, d);
  m.P = d / 100;
  // One pixel wider than the screen's pens, so lines keep their weight on paper.
  const bool large = Scale <= 3;
  m.CirclePen = large ? 4 : 3;
  m.LinePen = large ? 3 : 2;
  return m;
}

PrintedSize PrintedImageSize(int width, int height, int windowPpiX, int windowPpiY,
                             int printerPpiX, int printerPpiY) {
  if (windowPpiX <= 0 || windowPpiY <= 0) return {width, height};
  return {static_cast<int>(1LL * width * printerPpiX / windowPpiX),
          static_cast<int>(1LL * height * printerPpiY / windowPpiY)};
}
