// Pointer pixels to grid units: nearest unit, exact halves to the even neighbour.
#include <gtest/gtest.h>

#include "editing/PointerGrid.h"

namespace {

TEST(PointerGridTest, RoundsToTheNearestUnitAndHalvesToEven) {
  struct Case {
    int pixels, pitch, grid;
  };
  const Case cases[] = {
      {40, 16, 2},  {56, 16, 4},  {8, 16, 0},    {24, 16, 2},   {7, 16, 0},    {9, 16, 1},
      {170, 16, 11}, {160, 16, 10}, {0, 16, 0},  {-8, 16, 0},   {-9, 16, -1},  {-24, 16, -2},
      {-40, 16, -2}, {-56, 16, -4}, {30, 20, 2}, {50, 20, 2},   {70, 20, 4},   {12, 5, 2},
      {13, 5, 3},   {-12, 5, -2},  {-13, 5, -3}, {13, 9, 1},    {14, 9, 2},    {6, 12, 0},
      {18, 12, 2},  {-6, 12, 0},   {100, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PixelToGrid(c.pixels, c.pitch), c.grid) << c.pixels << " px at pitch " << c.pitch;
}

TEST(PointerGridTest, UsesTheCurrentPitch) {
  ResetNetDef();
  Pitch = 16;
  EXPECT_EQ(PointerToGrid(40, 56), (TGridPoint{2, 4}));
  EXPECT_EQ(PointerToGrid(-40, -1), (TGridPoint{-2, 0}));
}

}  // namespace
