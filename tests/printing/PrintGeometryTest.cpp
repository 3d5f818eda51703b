// The nominal resolution guessed from the page, offsets, print metrics and image scaling.
#include <climits>
#include <gtest/gtest.h>

#include "model/NetDef.h"
#include "printing/PrintGeometry.h"
#include "printing/PrintSampleNet.h"

namespace {

class PrintGeometry : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }
};

}  // namespace

TEST_F(PrintGeometry, PageHeightGivesTheNominalResolution) {
  const struct {
    int pageHeight;
    int r0;
    int d;
  } cases[] = {
      {2480, 300, 300},  // A4 landscape at 300 dpi
      {3508, 424, 400},  // A4 portrait at 300 dpi: the height is still taken as 210 mm
      {7016, 849, 240},  // A4 portrait at 600 dpi
      {4960, 600, 600},  // A4 landscape at 600 dpi
      {2975, 360, 360},
      {5953, 720, 720},
      {0, 0, 240},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EstimateResolution(c.pageHeight), c.r0) << c.pageHeight;
    EXPECT_EQ(NominalResolution(EstimateResolution(c.pageHeight)), c.d) << c.pageHeight;
  }
  // The edges of every band.
  const int edges[][2] = {{260, 240}, {261, 300}, {329, 300}, {330, 360}, {379, 360}, {380, 400},
                          {499, 400}, {500, 600}, {659, 600}, {660, 720}, {799, 720}, {800, 240},
                          {-1, 240}};
  for (const auto& e : edges) EXPECT_EQ(NominalResolution(e[0]), e[1]) << e[0];
}

TEST_F(PrintGeometry, OffsetsRoundToNearestPixel) {
  const int cases[][3] = {
      {10, 300, 118}, {20, 300, 236}, {0, 300, 0}, {10, 400, 157}, {20, 400, 315},
      {-100, 300, -1181}, {-5, 300, -59}, {200, 720, 5669}, {1, 240, 9},
  };
  for (const auto& c : cases) EXPECT_EQ(OffsetPixels(c[0], c[1]), c[2]) << c[0] << " mm at " << c[1];
  // Any typed number stays a usable coordinate far beyond the page.
  EXPECT_EQ(OffsetPixels(INT_MAX, 720), 1 << 28);
  EXPECT_EQ(OffsetPixels(INT_MIN, 720), -(1 << 28));
}

TEST_F(PrintGeometry, MetricsAreScreenPixelsAsHundredthsOfAnInch) {
  SetViewScale(2);
  PrintMetrics m = ComputePrintMetrics(300, 10, 20);
  EXPECT_EQ(m.D, 300);
  EXPECT_EQ(m.OH, 118);
  EXPECT_EQ(m.OV, 236);
  EXPECT_EQ(m.U, 48);
  EXPECT_EQ(m.R, 96);
  EXPECT_EQ(m.T, 144);
  EXPECT_EQ(m.E, 69);
  EXPECT_EQ(m.K, 30);
  EXPECT_EQ(m.P, 3);
  EXPECT_EQ(m.CirclePen, 4);
  EXPECT_EQ(m.LinePen, 3);

  SetViewScale(6);
  m = ComputePrintMetrics(240, 0, 0);
  EXPECT_EQ(m.U, 12);
  EXPECT_EQ(m.R, 24);
  EXPECT_EQ(m.T, 36);
  EXPECT_EQ(m.E, 16);
  EXPECT_EQ(m.K, 7);
  EXPECT_EQ(m.P, 2);
  EXPECT_EQ(m.CirclePen, 3);
  EXPECT_EQ(m.LinePen, 2);
}

TEST_F(PrintGeometry, WindowImageScalesByBothResolutions) {
  EXPECT_EQ(PrintedImageSize(800, 571, 96, 96, 300, 300), (PrintedSize{2500, 1784}));
  EXPECT_EQ(PrintedImageSize(800, 600, 96, 120, 600, 300), (PrintedSize{5000, 1500}));
  EXPECT_EQ(PrintedImageSize(800, 600, 0, 0, 300, 300), (PrintedSize{800, 600}));
}
