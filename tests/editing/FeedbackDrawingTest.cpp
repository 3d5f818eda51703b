// The pick highlights, deselected looks and ghosts as drawn, and the areas they cover.
#include <gtest/gtest.h>

#include "drawing/ViewScale.h"
#include "editing/FeedbackDrawing.h"
#include "editing/Selection.h"
#include "support/RecordingSurface.h"
#include "support/TestNet.h"

namespace {

class FeedbackDrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    SetScale(2);  // Pitch 16, ZEPRadius 32, 10-point font: 13 pixels high at 96 ppi
    PutZEP({}, {10, 10, 3});
    PutInput("In", {2, 20, 5});
    PutOutput("Out1", {30, 20, 1});
    PutComment("Note", {2, 30});
    PutDot({40, 10});
  }

  static void SetScale(int scale) {
    Scale = scale;
    ComputeViewMetrics();
  }

  // The drawing calls without the font set-up, which the painter owns.
  static QStringList Drawn(const TMark& mark) {
    RecordingSurface surface;
    DrawMark(surface, mark);
    QStringList calls = surface.Calls;
    calls.removeIf([](const QString& c) { return c.startsWith("Font "); });
    return calls;
  }
};

TEST_F(FeedbackDrawingTest, MarksDrawTheHighlightOrTheUnselectedLook) {
  struct Case {
    int scale;
    TMark mark;
    QStringList calls;
  };
  const Case cases[] = {
      {2, {ElementKind::ZEP, 1, MarkLook::PickedByRelease},
       {"Pen 255,0,0 w3 Solid", "Brush 255,255,255 Clear", "Ellipse 128,128,192,192"}},
      {2, {ElementKind::ZEP, 1, MarkLook::PickedByPress},
       {"Pen 255,0,0 w3 Solid", "Brush 255,255,255 Clear", "Ellipse 128,128,192,192"}},
      {4, {ElementKind::ZEP, 1, MarkLook::Deselected},
       {"Pen 0,0,0 w2 Solid", "Brush 255,255,255 Clear", "Ellipse 72,72,108,108"}},
      {2, {ElementKind::Dot, 1, MarkLook::PickedByPress},
       {"Pen 255,0,0 w3 Solid", "Brush 255,0,0 Solid", "Ellipse 637,157,643,163"}},
      {5, {ElementKind::Dot, 1, MarkLook::PickedByPress},
       {"Pen 255,0,0 w2 Solid", "Brush 255,0,0 Solid", "Ellipse 277,67,283,73"}},
      {5, {ElementKind::Dot, 1, MarkLook::PickedByRelease},
       {"Pen 255,0,0 w1 Solid", "Brush 255,0,0 Solid", "Ellipse 277,67,283,73"}},
      {2, {ElementKind::Dot, 1, MarkLook::Deselected},
       {"Pen 0,0,0 w1 Solid", "Brush 0,0,0 Solid", "Ellipse 637,157,643,163"}},
      {2, {ElementKind::Input, 1, MarkLook::PickedByRelease}, {"FontColor 255,0,0", "Text 35,304 In"}},
      {2, {ElementKind::Input, 1, MarkLook::Deselected}, {"FontColor 0,128,128", "Text 35,304 In"}},
      {2, {ElementKind::Output, 1, MarkLook::Deselected}, {"FontColor 128,0,0", "Text 482,304 Out1"}},
      {2, {ElementKind::Comment, 1, MarkLook::PickedByPress}, {"FontColor 255,0,0", "Text 34,464 Note"}},
      {2, {ElementKind::Comment, 1, MarkLook::Deselected}, {"FontColor 0,0,0", "Text 34,464 Note"}},
  };
  for (const Case& c : cases) {
    SetScale(c.scale);
    EXPECT_EQ(Drawn(c.mark), c.calls) << KindWord(c.mark.Kind).toStdString() << " at scale " << c.scale;
  }

  BWMode = true;
  EXPECT_EQ(Drawn({ElementKind::Input, 1, MarkLook::Deselected}), (QStringList{"FontColor 0,0,0", "Text 35,304 In"}));
}

TEST_F(FeedbackDrawingTest, GhostsAreOutlinesStandingOnTheGridPoint) {
  struct Case {
    TGhost ghost;
    QStringList calls;
  };
  const Case cases[] = {
      {{GhostShape::ZEPCircle, ElementKind::ZEP, 1, {30, 30}},
       {"Pen 0,0,0 w1 Dot", "Brush 255,255,255 Clear", "Ellipse 448,448,512,512"}},
      {{GhostShape::DotCircle, ElementKind::Dot, 1, {30, 30}},
       {"Pen 255,0,0 w1 Solid", "Brush 255,255,255 Clear", "Ellipse 477,477,483,483"}},
      {{GhostShape::LabelFrame, ElementKind::Output, 1, {30, 30}},
       {"Pen 0,0,0 w1 Dot", "Brush 255,255,255 Clear", "Rectangle 480,467,508,480"}},
      {{GhostShape::LabelFrame, ElementKind::Input, 1, {-2, 0}},
       {"Pen 0,0,0 w1 Dot", "Brush 255,255,255 Clear", "Rectangle -32,-13,-18,0"}},
  };
  for (const Case& c : cases) {
    RecordingSurface surface;
    DrawGhost(surface, c.ghost);
    QStringList calls = surface.Calls;
    calls.removeIf([](const QString& call) { return call.startsWith("Font "); });
    EXPECT_EQ(calls, c.calls);
  }
}

TEST_F(FeedbackDrawingTest, AreasCoverWhatIsDrawnAndLittleMore) {
  RecordingSurface metrics;
  EXPECT_EQ(MarkArea(metrics, {ElementKind::ZEP, 1, MarkLook::PickedByRelease}),
            QRect(QPoint(124, 124), QPoint(196, 196)));
  EXPECT_EQ(MarkArea(metrics, {ElementKind::Dot, 1, MarkLook::PickedByPress}),
            QRect(QPoint(633, 153), QPoint(647, 167)));
  // The label box 35,304..49,317 with room for descenders.
  EXPECT_EQ(MarkArea(metrics, {ElementKind::Input, 1, MarkLook::Deselected}),
            QRect(QPoint(25, 294), QPoint(59, 327)));
  EXPECT_EQ(GhostArea(metrics, {GhostShape::ZEPCircle, ElementKind::ZEP, 1, {30, 30}}),
            QRect(QPoint(446, 446), QPoint(514, 514)));
  EXPECT_EQ(GhostArea(metrics, {GhostShape::LabelFrame, ElementKind::Output, 1, {30, 30}}),
            QRect(QPoint(478, 465), QPoint(510, 482)));
}

TEST_F(FeedbackDrawingTest, MarksAndGhostsLapseWhenTheNetMovesOn) {
  CurZEP = 1;
  EXPECT_TRUE(MarkStillApplies({ElementKind::ZEP, 1, MarkLook::PickedByRelease}));
  EXPECT_FALSE(MarkStillApplies({ElementKind::ZEP, 1, MarkLook::Deselected}));
  CurZEP = 0;
  EXPECT_FALSE(MarkStillApplies({ElementKind::ZEP, 1, MarkLook::PickedByPress}));
  EXPECT_TRUE(MarkStillApplies({ElementKind::ZEP, 1, MarkLook::Deselected}));
  EXPECT_FALSE(MarkStillApplies({ElementKind::ZEP, 2, MarkLook::Deselected})) << "beyond the count";
  EXPECT_TRUE(MarkStillApplies({ElementKind::Input, 1, MarkLook::Deselected}));
  SetScale(6);
  EXPECT_FALSE(MarkStillApplies({ElementKind::Input, 1, MarkLook::Deselected})) << "no labels drawn";
  EXPECT_TRUE(MarkStillApplies({ElementKind::Dot, 1, MarkLook::Deselected}));

  EXPECT_TRUE(GhostStillApplies({GhostShape::LabelFrame, ElementKind::Output, 1, {0, 0}}));
  OutputCount = 0;
  EXPECT_FALSE(GhostStillApplies({GhostShape::LabelFrame, ElementKind::Output, 1, {0, 0}}));
}

TEST_F(FeedbackDrawingTest, OverlaysDrawOverTheNetAndRepaintNarrowStrips) {
  // The rubber line from an Input's end to ZEP 1, whose input A lights up red.
  RecordingSurface surface;
  const TOverlay line{OverlayShape::RubberLine, {112, 320}, {400, 100}, {TargetPort::InputA, 1}, {}};
  DrawOverlay(surface, line);
  EXPECT_EQ(surface.Calls, (QStringList{"Pen 255,0,0 w3 Solid", "MoveTo 112,112", "LineTo 137,137", "LineTo 132,127",
                                        "MoveTo 137,137", "LineTo 127,132", "Pen 0,0,0 w1 Dot", "MoveTo 112,320",
                                        "LineTo 400,100"}));
  // Strips along the line, not its bounding box; the arrow's box beside them.
  const QRegion region = OverlayRegion(surface, line);
  for (const QPoint& p : {QPoint(112, 320), QPoint(256, 210), QPoint(400, 100), QPoint(135, 135), QPoint(128, 131)})
    EXPECT_TRUE(region.contains(p)) << p.x() << "," << p.y();
  EXPECT_FALSE(region.contains(QPoint(380, 300)));
  EXPECT_LT(RepaintRegion(region).rectCount(), 40);

  // A group's ghosts stand at the offset, inside one rectangle.
  Selection.Clear();
  Selection.Set(ElementKind::ZEP, 1);
  Selection.Set(ElementKind::Dot, 1);
  surface.Calls.clear();
  const TOverlay group{OverlayShape::GroupGhost, {}, {}, {}, {2, -1}};
  DrawOverlay(surface, group);
  EXPECT_EQ(surface.Matching("Ellipse"), (QStringList{"Ellipse 160,112,224,176", "Ellipse 669,141,675,147"}));
  EXPECT_EQ(OverlayRegion(surface, group), QRegion(QRect(QPoint(158, 110), QPoint(677, 178))));
  Selection.Clear();
}

}  // namespace
