#include "editing/PointerGrid.h"

int PixelToGrid(int pixels, int pitch) {
  if (pitch <= 0) return 0;
  // Floor division first, so the remainder is 0..pitch-1 on both sides of 0.
  int quotient = pixels / pitch;
  int remainder = pixels % pitch;
  if (remainder < 0) {
    remainder += pitch;
    --quotient;
  }
  const int twice = 2 * remainder;
  if (twice > pitch || (twice == pitch && quotient % 2 != 0)) ++quotient;
  return quotient;
}

TGridPoint PointerToGrid(int x, int y) { return {PixelToGrid(x, Pitch), PixelToGrid(y, Pitch)}; }
