// The grid units the net's drawing covers, and the scale step at which it fits a view.
#include "drawing/NetExtent.h"

#include "DrawingFixture.h"

namespace {

class NetExtentTest : public DrawingTest {
protected:
  static std::optional<TGridRect> Extent() {
    RecordingSurface metrics;
    return NetExtent(metrics);
  }
};

TEST_F(NetExtentTest, TheDrawingWithItsLabelsAndTwoFreeUnitsAroundChoosesTheScale) {
  EXPECT_FALSE(Extent().has_value());
  // At 16 pixels a unit the ZEP at (10, 10) reaches from its input arrows 3 units up and
  // left to its output line 3 units right, its pens 2 pixels beyond: pixels 110 to 210.
  AddZEP(10, 10, 3, "Z");
  const TGridRect small{4, 4, 16, 16};
  ASSERT_EQ(Extent(), small);
  AddZEP(390, 290, 3, "Z");
  const TGridRect large{4, 4, 396, 296};
  ASSERT_EQ(Extent(), large);
  // An Output's name reaches past its line: 15 characters of 7 pixels from pixel 6322 to
  // 6427, in unit 402.
  AddOutput(395, 10, 2, "LongOutputName1");
  EXPECT_EQ(Extent()->Right, 404);

  const struct {
    TGridRect extent;
    QSize viewport;
    int scale;
  } cases[] = {
      {small, {240, 240}, 1},    // 12 units at 20 pixels, exactly
      {small, {239, 240}, 2},
      {large, {3000, 2200}, 5},  // 392 × 292 units at 7 pixels: 2744 × 2044
      {large, {3000, 2000}, 6},
      {large, {800, 600}, 6},    // nothing fits: the smallest step
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitScale(c.extent, c.viewport), c.scale) << c.viewport.width() << "x" << c.viewport.height();
}

}  // namespace
