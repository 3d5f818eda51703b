// The painter's exact calls: ZEP geometry and labels, delays, terminals, comments, Dots,
// connections, grid, colours, fonts and the label boxes.
#include "drawing/NetPainter.h"
#include "drawing/ZEPLabels.h"
#include "model/FuncNames.h"

#include "DrawingFixture.h"
#include "bench/FullNet.h"

namespace {

QRect Whole(int w, int h) { return QRect(0, 0, w, h); }

// The calls from the first one equal to `from`, `count` of them.
QStringList Slice(const RecordingSurface& s, const QString& from, int count) {
  const int at = s.IndexOf(from);
  return at < 0 ? QStringList() : s.Calls.mid(at, count);
}

class NetPainterTest : public DrawingTest {};

TEST_F(NetPainterTest, ZEPCircleLineArrowsAndLabelsAtScale2) {
  LibFuncCount = 1;
  LibFuncName[1] = "ADD";
  AddZEP(10, 10, 5, "Z1");
  ZEPLink[1].FuncCode = 1;
  RecordingSurface s;  // 96 pixels per inch: 10 points give h = 13
  PaintNet(s, 320, 320, Whole(320, 320));
  const QStringList expected = {
      "Pen 0,0,0 w3 Solid", "Ellipse 128,128,192,192", "Pen 0,0,0 w2 Solid",
      "MoveTo 192,160", "LineTo 240,160",                                      // output line, 5 units
      "MoveTo 112,112", "LineTo 137,137", "LineTo 132,127", "MoveTo 137,137", "LineTo 127,132",  // A
      "MoveTo 112,208", "LineTo 137,183", "LineTo 132,193", "MoveTo 137,183", "LineTo 127,188",  // B
      "FontColor 0,0,0", "Text 135,112 Z1",
      "FontColor 0,0,255", "Text 132,154 ADD",
      "FontColor 0,0,255", "Text 158,167 1"};
  EXPECT_EQ(Slice(s, "Pen 0,0,0 w3 Solid", expected.size()), expected);
  EXPECT_GE(s.IndexOf("Font Times New Roman 10 bold 0,0,0"), 0);
  EXPECT_LT(s.IndexOf("Font Times New Roman 10 bold 0,0,0"), s.IndexOf("Ellipse 128,128,192,192"));

  // Current: a red circle, everything else as before; a short output line still reaches 3 units.
  CurZEP = 1;
  ZEPPos[1].OutLength = 1;
  RecordingSurface current;
  PaintNet(current, 320, 320, Whole(320, 320));
  EXPECT_EQ(Slice(current, "Pen 255,0,0 w3 Solid", 5),
            QStringList({"Pen 255,0,0 w3 Solid", "Ellipse 128,128,192,192", "Pen 0,0,0 w2 Solid",
                         "MoveTo 192,160", "LineTo 208,160"}));

  // No function found: no function name, the number stays.
  ZEPLink[1].FuncCode = 0;
  RecordingSurface none;
  PaintNet(none, 320, 320, Whole(320, 320));
  EXPECT_TRUE(none.Matching("Text 132,154").isEmpty());
  EXPECT_GE(none.IndexOf("Text 158,167 1"), 0);
}

TEST_F(NetPainterTest, FunctionNamesComeFromListedNamesOnly) {
  LibFuncCount = 2;
  LibFuncName[1] = "ADD";
  LibFuncName[2] = "SUB";
  UserFuncCount = 1;
  UserFuncName[1] = "MINE";
  const struct { int code; const char* shown; } cases[] = {
      {0, ""}, {1, "ADD"}, {2, "SUB"}, {3, ""}, {64, ""}, {65, ""}, {100, ""},
      {101, "MINE"}, {102, ""}, {356, ""}, {357, ""}, {-1, ""}};
  for (const auto& c : cases) EXPECT_EQ(FunctionNameOf(c.code), QString::fromLatin1(c.shown)) << c.code;
}

TEST_F(NetPainterTest, DelayLabels) {
  // ZEP 7 of 9; A's label at (X − T + 1, Y − R), B's at (X − T + 1, Y + R − h − 3).
  for (int i = 1; i <= 9; ++i) AddZEP(10 * i, 10, 3, "Z");
  const int X = 16 * 70, Y = 160;
  const QString aAt = QStringLiteral("Text %1,%2 ").arg(X - 48 + 1).arg(Y - 32);
  const QString bAt = QStringLiteral("Text %1,%2 ").arg(X - 48 + 1).arg(Y + 32 - 13 - 3);
  const struct {
    const char* what;
    int kind, delay, index;
    const char* text;  // "" for no label
    const char* color;
  } cases[] = {
      {"from a later ZEP, no delay", KindZEP, 0, 9, "1", "255,0,0"},
      {"from a later ZEP, delay 2", KindZEP, 2, 8, "3", "255,0,0"},
      {"from itself", KindZEP, 0, 7, "1", "255,0,0"},
      {"from itself, named without delay", KindZEPNoDelay, 0, 7, "1", "255,0,0"},
      {"from an earlier ZEP with delay", KindZEP, 4, 3, "4", "0,0,0"},
      {"from an earlier ZEP without delay", KindZEP, 0, 3, "", ""},
      {"from an Input", KindInput, 3, 9, "", ""},
      {"from nothing", KindNone, 2, 9, "", ""},
  };
  for (const auto& c : cases) {
    for (const bool portA : {true, false}) {
      ZEPLink[7] = {};
      if (portA) ZEPLink[7] = {0, c.kind, c.delay, c.index, 0, 0, 0, 0};
      else ZEPLink[7] = {0, 0, 0, 0, c.kind, c.delay, c.index, 0};
      RecordingSurface s;
      PaintNet(s, 2000, 400, Whole(2000, 400));
      const QString at = portA ? aAt : bAt;
      const QStringList labels = s.Matching(at);
      if (*c.text == 0) {
        EXPECT_TRUE(labels.isEmpty()) << c.what << (portA ? " A" : " B");
        continue;
      }
      ASSERT_EQ(labels, QStringList(at + c.text)) << c.what << (portA ? " A" : " B");
      EXPECT_EQ(ColorOf(s, labels[0]), QString::fromLatin1(c.color)) << c.what;
      EXPECT_TRUE(s.Matching(portA ? bAt : aAt).isEmpty()) << c.what;
    }
  }
}

TEST_F(NetPainterTest, InputsAndOutputsWithTheirLabelBoxes) {
  AddInput(5, 10, 4, "IN");
  AddOutput(50, 20, 3, "OUT");
  RecordingSurface s;  // 7 pixels a character, h = 13
  PaintNet(s, 1000, 400, Whole(1000, 400));
  EXPECT_EQ(Slice(s, "FontColor 0,128,128", 7),
            QStringList({"FontColor 0,128,128", "Text 83,144 IN", "FontColor 0,0,0", "Text 83,162 1",
                         "MoveTo 83,160", "LineTo 144,160", "FontColor 128,0,0"}));
  EXPECT_EQ(InputBox[1], (TLabelBox{83, 144, 97, 157}));
  EXPECT_EQ(Slice(s, "FontColor 128,0,0", 6),
            QStringList({"FontColor 128,0,0", "Text 802,304 OUT", "FontColor 0,0,0", "Text 802,322 1",
                         "MoveTo 752,320", "LineTo 864,320"}));
  // The Output's box starts two pixels left of its text.
  EXPECT_EQ(OutputBox[1], (TLabelBox{800, 304, 821, 317}));
  // Lines are solid black at the line width of the scale, with no ZEP drawn at all.
  EXPECT_EQ(s.Calls[s.IndexOf("MoveTo 83,160") - 5], "Pen 0,0,0 w2 Solid");

  // A current Input turns only its name red.
  CurInput = 1;
  CurOutput = 1;
  RecordingSurface current;
  PaintNet(current, 1000, 400, Whole(1000, 400));
  EXPECT_EQ(ColorOf(current, "Text 83,144 IN"), "255,0,0");
  EXPECT_EQ(ColorOf(current, "Text 83,162 1"), "0,0,0");
  EXPECT_EQ(ColorOf(current, "Text 802,304 OUT"), "255,0,0");
  EXPECT_EQ(ColorOf(current, "Text 802,322 1"), "0,0,0");
}

TEST_F(NetPainterTest, CommentsDotsAndConnections) {
  AddComment(20, 30, "Hello");
  AddDot(8, 9);
  AddDot(12, 9);
  CurDot = 2;
  AddConnection({{0, 5}, {4, 5}, {4, 9}});
  AddConnection({{7, 7}});
  AddConnection({});
  RecordingSurface s;
  PaintNet(s, 1000, 1000, Whole(1000, 1000));
  EXPECT_EQ(ColorOf(s, "Text 322,464 Hello"), "0,0,0");
  EXPECT_EQ(CommentBox[1], (TLabelBox{320, 464, 355, 477}));
  EXPECT_EQ(Slice(s, "Pen 0,0,0 w1 Solid", 6),
            QStringList({"Pen 0,0,0 w1 Solid", "Brush 0,0,0 Solid", "Ellipse 125,141,131,147",
                         "Pen 255,0,0 w1 Solid", "Brush 255,0,0 Solid", "Ellipse 189,141,195,147"}));
  EXPECT_EQ(DotBox[1], (TLabelBox{125, 141, 131, 147}));
  // A point with x = 0 stands at pixel 3; a single point only moves the pen.
  EXPECT_EQ(Slice(s, "MoveTo 3,80", 4), QStringList({"MoveTo 3,80", "LineTo 64,80", "LineTo 64,144", "MoveTo 112,112"}));
  EXPECT_EQ(s.Calls.last(), "MoveTo 112,112");
  EXPECT_EQ(s.Calls[s.IndexOf("MoveTo 3,80") - 1], "Pen 0,0,0 w2 Solid");
}

TEST_F(NetPainterTest, DrawingOrderAndBackground) {
  AddConnection({{1, 1}, {2, 1}});
  AddDot(3, 3);
  AddComment(4, 4, "C");
  AddOutput(5, 5, 1, "O");
  AddInput(6, 6, 1, "I");
  AddZEP(20, 20, 3, "Z");
  RecordingSurface s;
  PaintNet(s, 480, 480, Whole(480, 480));
  ASSERT_GE(s.Calls.size(), 3);
  EXPECT_EQ(s.Calls.mid(0, 2), QStringList({"Brush 255,255,255 Solid", "FillRect 0,0,480,480"}));
  const int grid = s.IndexOf("Pen 0,255,255 w1 Dot");
  const int font = s.IndexOf("Font Times New Roman 10 bold 0,0,0");
  const int zep = s.IndexOf("Ellipse 288,288,352,352");
  const int input = s.IndexOf("Text 99,80 I");
  const int output = s.IndexOf("Text 82,64 O");
  const int comment = s.IndexOf("Text 66,48 C");
  const int dot = s.IndexOf("Ellipse 45,45,51,51");
  const int connection = s.IndexOf("MoveTo 16,16");
  EXPECT_TRUE(1 < grid && grid < font && font < zep && zep < input && input < output && output < comment &&
              comment < dot && dot < connection)
      << s.Calls.join('\n').toStdString();
  // The ZEP circle is hollow.
  EXPECT_EQ(s.Calls.mid(font + 1, 1), QStringList("Brush 255,255,255 Clear"));
}

TEST_F(NetPainterTest, GridLinePositions) {
  RecordingSurface s;
  PaintNet(s, 64, 40, Whole(64, 40));  // GridStep 16 at Scale 2
  EXPECT_EQ(s.Calls.mid(2, 1 + 2 * 6),
            QStringList({"Pen 0,255,255 w1 Dot", "MoveTo 16,0", "LineTo 16,40", "MoveTo 32,0", "LineTo 32,40",
                         "MoveTo 48,0", "LineTo 48,40", "MoveTo 64,0", "LineTo 64,40", "MoveTo 0,16",
                         "LineTo 64,16", "MoveTo 0,32", "LineTo 64,32"}));
  EXPECT_EQ(s.Matching("MoveTo").size(), 6);
  const struct { int scale, step; } steps[] = {{1, 20}, {2, 16}, {3, 12}, {4, 18}, {5, 14}, {6, 20}};
  for (const auto& c : steps) {
    UseScale(c.scale);
    RecordingSurface g;
    PaintNet(g, 100, 10, Whole(100, 10));
    QStringList xs;
    for (int x = c.step; x <= 100; x += c.step) xs << QStringLiteral("MoveTo %1,0").arg(x);
    QStringList got;
    for (const QString& line : g.Matching("MoveTo")) if (line.endsWith(",0")) got << line;
    EXPECT_EQ(got, xs) << c.scale;
  }
}

TEST_F(NetPainterTest, MonochromeChangesTheGridAndTheColouredTextsOnly) {
  BWMode = true;
  LibFuncCount = 1;
  LibFuncName[1] = "F";
  AddZEP(10, 10, 3, "Z");
  AddZEP(20, 10, 3, "Y");
  ZEPLink[1] = {1, KindZEP, 0, 2, 0, 0, 0, 0};  // fed from a later ZEP: a delay after a scan
  ZEPLink[2].FuncCode = 1;
  AddInput(1, 20, 2, "I1");
  AddInput(1, 24, 2, "I2");
  AddOutput(40, 20, 2, "O1");
  AddOutput(40, 24, 2, "O2");
  AddComment(5, 30, "C1");
  AddComment(5, 34, "C2");
  AddDot(30, 30);
  CurZEP = 2;
  CurInput = 2;
  CurOutput = 2;
  CurComment = 2;
  CurDot = 1;
  RecordingSurface s;
  PaintNet(s, 800, 800, Whole(800, 800));
  EXPECT_TRUE(s.Matching("Pen 0,255,255").isEmpty());
  for (const QString& line : s.Calls) {
    EXPECT_FALSE(line.contains("0,0,255") || line.contains("0,128,128") || line.contains("128,0,0")) << line.toStdString();
  }
  EXPECT_EQ(ColorOf(s, "Text 132,154 F"), "0,0,0");
  EXPECT_EQ(ColorOf(s, "Text 113,128 1"), "255,0,0");  // the delay after a scan stays red
  EXPECT_EQ(ColorOf(s, "Text 19,304 I1"), "0,0,0");
  EXPECT_EQ(ColorOf(s, "Text 19,368 I2"), "255,0,0");
  EXPECT_EQ(ColorOf(s, "Text 642,304 O1"), "0,0,0");
  EXPECT_EQ(ColorOf(s, "Text 642,368 O2"), "255,0,0");
  EXPECT_EQ(ColorOf(s, "Text 82,528 C2"), "255,0,0");
  EXPECT_GE(s.IndexOf("Pen 255,0,0 w3 Solid"), 0);
  EXPECT_GE(s.IndexOf("Brush 255,0,0 Solid"), 0);
}

TEST_F(NetPainterTest, Scale6DrawsNumbersOnlyAndLeavesTheLabelBoxesAlone) {
  UseScale(6);  // U 5, R 10, "Small Fonts" 6 points: h = 8
  LibFuncCount = 1;
  LibFuncName[1] = "F";
  AddZEP(10, 10, 3, "Z");
  ZEPLink[1] = {1, KindZEP, 2, 1, KindZEP, 0, 1, 0};
  AddInput(2, 20, 4, "IN");
  AddOutput(30, 20, 2, "OUT");
  AddComment(5, 5, "C");
  AddDot(20, 20);
  AddConnection({{0, 20}, {6, 20}});
  const TLabelBox kept{1, 2, 3, 4};
  InputBox[1] = OutputBox[1] = CommentBox[1] = DotBox[1] = kept;
  RecordingSurface s;
  PaintNet(s, 400, 400, Whole(400, 400));
  EXPECT_GE(s.IndexOf("Font Small Fonts 6 regular 0,0,0"), 0);
  QStringList texts = s.Matching("Text ");
  EXPECT_EQ(texts, QStringList({"Text 43,44 1", "Text 13,102 1", "Text 152,102 1"}));
  EXPECT_EQ(ColorOf(s, "Text 43,44 1"), "0,0,255");
  EXPECT_EQ(Slice(s, "Pen 0,0,0 w2 Solid", 2), QStringList({"Pen 0,0,0 w2 Solid", "Ellipse 40,40,60,60"}));
  EXPECT_GE(s.IndexOf("LineTo 30,100"), 0);   // Input line
  EXPECT_GE(s.IndexOf("LineTo 170,100"), 0);  // Output line
  EXPECT_GE(s.IndexOf("Ellipse 98,98,102,102"), 0);  // Dot, radius 2
  EXPECT_GE(s.IndexOf("MoveTo 3,100"), 0);    // connection
  EXPECT_EQ(InputBox[1], kept);
  EXPECT_EQ(OutputBox[1], kept);
  EXPECT_EQ(CommentBox[1], kept);
  EXPECT_EQ(DotBox[1], (TLabelBox{98, 98, 102, 102}));
}

TEST_F(NetPainterTest, CharacterHeightFollowsTheSurfaceResolution) {
  AddInput(5, 10, 4, "IN");
  RecordingSurface s(120);  // 10 points at 120 pixels per inch: 16.67, so h = 17
  PaintNet(s, 400, 400, Whole(400, 400));
  EXPECT_GE(s.IndexOf("Text 83,140 IN"), 0);
  EXPECT_EQ(InputBox[1], (TLabelBox{83, 140, 97, 157}));
  UseScale(1);  // 13 points at 96: 17.33, so h = 17
  RecordingSurface big;
  PaintNet(big, 400, 400, Whole(400, 400));
  EXPECT_GE(big.IndexOf("Font Times New Roman 13 bold 0,0,0"), 0);
  EXPECT_GE(big.IndexOf("Text 103,180 IN"), 0);
}

TEST_F(NetPainterTest, LabelHelpersDrawWhereThePainterDraws) {
  AddInput(5, 10, 4, "IN");
  AddOutput(50, 20, 3, "OUT");
  AddComment(20, 30, "Hello");
  AddDot(8, 9);
  RecordingSurface s;
  SetDrawFont(s);
  DrawInputName(s, 1, Colors::Red);
  DrawOutputName(s, 1, Colors::Lime);
  DrawCommentText(s, 1, Colors::Navy);
  DrawInputName(s, 2, Colors::Red);  // no such Input: nothing
  DrawCommentText(s, 0, Colors::Red);
  EXPECT_EQ(s.Calls, QStringList({"Font Times New Roman 10 bold 0,0,0", "FontColor 255,0,0", "Text 83,144 IN",
                                  "FontColor 0,255,0", "Text 802,304 OUT", "FontColor 0,0,128",
                                  "Text 322,464 Hello"}));
  EXPECT_EQ(InputLabelBox(s, 1), (TLabelBox{83, 144, 97, 157}));
  EXPECT_EQ(DotLabelBox(1), (TLabelBox{125, 141, 131, 147}));

  // Recording without drawing gives the painter's boxes.
  RecordingSurface quiet;
  RecordLabelBoxes(quiet);
  EXPECT_TRUE(quiet.Matching("Text").isEmpty());
  EXPECT_EQ(OutputBox[1], (TLabelBox{800, 304, 821, 317}));
  EXPECT_EQ(CommentBox[1], (TLabelBox{320, 464, 355, 477}));
  EXPECT_EQ(DotBox[1], (TLabelBox{125, 141, 131, 147}));
  BWMode = true;
  EXPECT_EQ(InputNameColor(), Colors::Black);
  EXPECT_EQ(OutputNameColor(), Colors::Black);
  EXPECT_EQ(FunctionNameColor(), Colors::Black);
  BWMode = false;
  EXPECT_EQ(InputNameColor(), Colors::Teal);
  EXPECT_EQ(OutputNameColor(), Colors::Maroon);
  EXPECT_EQ(CommentTextColor(), Colors::Black);
}

TEST_F(NetPainterTest, AbsurdPositionsNeitherOverflowNorIndexBeyondTheTables) {
  AddZEP(2000000000, -2000000000, 2000000000, "Z");
  AddInput(-2000000000, 5, 2000000000, "I");
  AddConnection({{2000000000, 1}, {1, 2000000000}});
  ConnPointCount[1] = 99;  // more points than a connection holds: only its seven are read
  ZEPLink[1] = {99, KindZEP, 7, 2000000000, 5, 1, -5, 0};
  RecordingSurface s;
  PaintNet(s, 400, 400, Whole(400, 400));
  EXPECT_GE(s.IndexOf("Ellipse 4194272,-4194336,4194336,-4194272"), 0);
  EXPECT_EQ(ToPixels(2000000000), 4194304);
  EXPECT_EQ(ToPixels(-2000000000), -4194304);
}

TEST_F(NetPainterTest, APartialPaintPassesOnlyWhatMeetsTheExposedPart) {
  FillFullNet();
  CanvasWidth = 1000;
  CanvasHeight = 1000;
  UseScale(1);
  RecordingSurface full;
  PaintNet(full, 20000, 20000, Whole(20000, 20000));
  const auto boxes = [] { return QList<TLabelBox>{InputBox[1], InputBox[512], OutputBox[256], CommentBox[32], DotBox[64]}; };
  const QList<TLabelBox> afterFull = boxes();
  InputBox.Fill({});
  OutputBox.Fill({});
  CommentBox.Fill({});
  DotBox.Fill({});

  // A strip around ZEP 1 at (90, 8): its circle and labels, a few grid lines, little else.
  RecordingSurface part;
  PaintNet(part, 20000, 20000, QRect(1790, 150, 30, 20));
  EXPECT_LT(part.Calls.size(), full.Calls.size() / 20);
  EXPECT_EQ(part.Calls.mid(0, 2), QStringList({"Brush 255,255,255 Solid", "FillRect 1790,150,1820,170"}));
  EXPECT_GE(part.IndexOf("Ellipse 1760,120,1840,200"), 0);
  EXPECT_EQ(part.IndexOf("Ellipse 1960,120,2040,200"), -1);  // ZEP 2, beyond the strip
  // Grid lines within reach run the whole canvas, so their dots fall as in a full paint.
  EXPECT_GE(part.IndexOf("MoveTo 1800,0"), 0);
  EXPECT_EQ(part.Calls[part.IndexOf("MoveTo 1800,0") + 1], "LineTo 1800,20000");
  EXPECT_EQ(part.IndexOf("MoveTo 1840,0"), -1);
  // Every label box is recorded all the same.
  EXPECT_EQ(boxes(), afterFull);

  RecordingSurface nothing;
  InputBox.Fill({});
  PaintNet(nothing, 20000, 20000, QRect());
  EXPECT_TRUE(nothing.Matching("Text").isEmpty());
  EXPECT_TRUE(nothing.Matching("LineTo").isEmpty());
  EXPECT_EQ(boxes(), afterFull);
}

}  // namespace
