// The per-scale metrics, the canvas size caption and "Adjust size to data".
#include "drawing/ViewScale.h"

#include "DrawingFixture.h"

namespace {

class ViewScaleTest : public DrawingTest {};

TEST_F(ViewScaleTest, MetricsOfEveryScaleStep) {
  const struct {
    int scale, pitch, radius, reach, inset, barb, font;
    bool bold, numberView;
    const char* face;
    int grid;
  } steps[] = {
      {1, 20, 40, 60, 28, 13, 13, true, false, "Times New Roman", 20},
      {2, 16, 32, 48, 23, 10, 10, true, false, "Times New Roman", 16},
      {3, 12, 24, 36, 17, 8, 8, true, false, "Times New Roman", 12},
      {4, 9, 18, 27, 13, 6, 6, false, false, "Times New Roman", 18},
      {5, 7, 14, 21, 10, 4, 6, false, false, "Times New Roman", 14},
      {6, 5, 10, 15, 7, 3, 6, false, true, "Small Fonts", 20},
  };
  for (const auto& s : steps) {
    UseScale(s.scale);
    EXPECT_EQ(Pitch, s.pitch) << s.scale;
    EXPECT_EQ(ZEPRadius, s.radius) << s.scale;
    EXPECT_EQ(ArrowReach, s.reach) << s.scale;
    EXPECT_EQ(ArrowInset, s.inset) << s.scale;
    EXPECT_EQ(BarbSize, s.barb) << s.scale;
    EXPECT_EQ(FontSize, s.font) << s.scale;
    EXPECT_EQ(BoldFont, s.bold) << s.scale;
    EXPECT_EQ(NumberView, s.numberView) << s.scale;
    EXPECT_EQ(DrawFontName.Str(), QString::fromLatin1(s.face)) << s.scale;
    EXPECT_EQ(GridStep, s.grid) << s.scale;
  }
  // The drawing face keeps the first 19 characters of the program's face.
  FontName = QStringLiteral("A very long font face name");
  UseScale(3);
  EXPECT_EQ(DrawFontName.Str(), QStringLiteral("A very long font fa"));
}

TEST_F(ViewScaleTest, AScaleOutsideTheStepsChangesNothing) {
  UseScale(3);
  for (const int wrong : {0, -1, 7, 1000}) {
    UseScale(wrong);
    EXPECT_EQ(Pitch, 12) << wrong;
    EXPECT_EQ(GridStep, 12) << wrong;
    EXPECT_EQ(FontSize, 8) << wrong;
  }
  CanvasWidth = 1000;
  CanvasHeight = 1000;
  UseScale(1);
  EXPECT_EQ(PaintAreaWidth(), 20000);
  EXPECT_EQ(PaintAreaHeight(), 20000);
}

TEST_F(ViewScaleTest, CanvasSizeCaption) {
  EXPECT_EQ(CanvasSizeCaption(), QStringLiteral("200*200, change"));
  CanvasWidth = 1000;
  CanvasHeight = 150;
  EXPECT_EQ(CanvasSizeCaption(), QStringLiteral("1000*150, change"));
}

TEST_F(ViewScaleTest, AdjustSizeToData) {
  struct Case {
    const char* what;
    std::function<void()> net;
    int width, height;
  };
  const Case cases[] = {
      {"empty net", [] {}, 100, 100},
      {"ZEP at 230,140", [] { AddZEP(230, 140, 3, "Z"); }, 250, 150},
      {"ZEP at 147,98", [] { AddZEP(147, 98, 3, "Z"); }, 150, 100},
      {"ZEP at 148,99", [] { AddZEP(148, 99, 3, "Z"); }, 200, 150},
      {"Input reaches 3 right, not down", [] { AddInput(197, 200, 40, "I"); }, 200, 200},
      {"Output reaches 3 right", [] { AddOutput(198, 10, 2, "O"); }, 250, 100},
      {"far beyond the limit", [] { AddZEP(5000, 5000, 3, "Z"); }, 1000, 1000},
      {"negative positions", [] { AddInput(-500, -20, 3, "I"); }, 100, 100},
      {"Comments, Dots and connections do not count",
       [] {
         AddComment(900, 900, "C");
         AddDot(800, 800);
         AddConnection({{700, 700}});
       },
       100, 100},
      {"largest values a file may hold", [] { AddZEP(2147483647, 2147483647, 3, "Z"); }, 1000, 1000},
  };
  for (const Case& c : cases) {
    ResetCounts();
    c.net();
    AdjustCanvasSizeToData();
    EXPECT_EQ(CanvasWidth, c.width) << c.what;
    EXPECT_EQ(CanvasHeight, c.height) << c.what;
  }
}

}  // namespace
