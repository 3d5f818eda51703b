// The net on paper, exactly: every call the printer's surface receives.
#include <gtest/gtest.h>

#include "model/NetDef.h"
#include "printing/NetPrinter.h"
#include "printing/PrintSampleNet.h"
#include "drawing/ZEPLabels.h"
#include "model/FuncNames.h"
#include "support/RecordingSurface.h"

namespace {

class NetPrinter : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    SetViewScale(2);
  }

  // A 300 dpi page with the default offsets of 10 and 20 mm: u = 48, OH = 118, OV = 236.
  QStringList Print(int d = 300, int ppi = 300) {
    RecordingSurface surface(ppi);
    PrintNet(surface, ComputePrintMetrics(d, 10, 20));
    return surface.Calls;
  }

  // One element of each kind; the ZEP feeds itself on both inputs.
  static void OneOfEach() {
    UserFuncCount = 1;
    UserFuncName[1] = "MYFUNC";
    PutZEP({"Z1", "", "", ""}, {10, 8, 1}, {101, KindZEP, 0, 1, KindZEP, 3, 1, 0});
    PutInput("IN1", {2, 5, 4});
    PutOutput("OUT1", {30, 8, 3});
    PutComment("Hello", {4, 2});
    PutDot({20, 8});
    PutConnection({{0, 5}, {7, 5}, {7, 11}});
  }
};

}  // namespace

TEST_F(NetPrinter, EveryKindAtScale2InPrintOrder) {
  OneOfEach();
  CurZEP = CurInput = CurOutput = CurComment = CurDot = 1;  // nothing shows in red
  BWMode = true;                                            // and nothing depends on it
  const QStringList expected = {
      "Font Times New Roman 10 bold 0,0,0",
      "Pen 0,0,0 w3 Solid",
      "Brush 255,255,255 Clear",
      // ZEP at (598, 620): circle, output line of one unit (no minimum), arrows A and B.
      "Pen 0,0,0 w4 Solid",
      "Ellipse 502,524,694,716",
      "Pen 0,0,0 w3 Solid",
      "MoveTo 694,620", "LineTo 646,620",
      "MoveTo 454,476", "LineTo 529,551", "LineTo 514,521", "MoveTo 529,551", "LineTo 499,536",
      "MoveTo 454,764", "LineTo 529,689", "LineTo 514,719", "MoveTo 529,689", "LineTo 499,704",
      // h = 42: name, function, number, delays after a scan (0 + 1 and 3 + 1), all black.
      "Text 522,479 Z1",
      "Text 506,599 MYFUNC",
      "Text 596,642 1",
      "Text 455,524 1",
      "Text 455,671 4",
      // Input at (217, 476): label 4 px above, line to u * Length - 3.
      "Text 217,430 IN1", "Text 217,478 1", "MoveTo 217,476", "LineTo 406,476",
      // Output at (1558, 620): texts at X, line Length units left and 4 units right.
      "Text 1558,574 OUT1", "Text 1558,622 1", "MoveTo 1414,620", "LineTo 1750,620",
      // Connection: x = 0 lands on the Inputs' three-pixel inset.
      "MoveTo 121,476", "LineTo 454,476", "LineTo 454,764",
      // Comment and Dot three pixels right of their grid points.
      "Text 313,286 Hello",
      "Brush 0,0,0 Solid",
      "Ellipse 1078,617,1084,623",
  };
  EXPECT_EQ(Print(), expected);
}

TEST_F(NetPrinter, DelayAndFunctionLabels) {
  SetUpPrintSampleNet();
  RecordingSurface surface(300);
  PrintNet(surface, ComputePrintMetrics(300, 0, 0));
  // ZEP 1 at (768, 624): fed by ZEP 2 with delay 1, a scan later: "2". ZEP 2 at (1440, 912):
  // fed by ZEP 1 without delay and by an Input: no delay labels.
  EXPECT_EQ(surface.Matching("Text").mid(0, 9),
            (QStringList{"Text 692,483 Sum", "Text 676,603 ADD", "Text 766,646 1", "Text 625,675 2",
                         "Text 1364,771 Amp", "Text 1348,891 SCALE", "Text 1438,934 2", "Text 99,434 X",
                         "Text 99,482 1"}));

  const struct {
    int zep, kind, index, delay;
    const char* text;
    bool afterScan;
  } cases[] = {
      {9, KindZEP, 7, 0, "", false},   {7, KindZEP, 7, 0, "1", true},  {5, KindZEP, 7, 0, "1", true},
      {9, KindZEP, 7, 3, "3", false},  {3, KindZEP, 7, 7, "8", true},  {9, KindZEPNoDelay, 7, 0, "", false},
      {3, KindZEPNoDelay, 7, 0, "1", true}, {3, KindInput, 7, 5, "", false}, {3, KindNone, 0, 0, "", false},
  };
  for (const auto& c : cases) {
    const DelayLabel label = InputDelayLabel(c.zep, c.kind, c.index, c.delay);
    EXPECT_EQ(label.Text, QString(c.text)) << c.zep << " " << c.kind << " " << c.index << " " << c.delay;
    EXPECT_EQ(label.AfterScan, c.afterScan) << c.zep << " " << c.index;
  }

  // Function codes: library 1..64, user 100 + n, and nothing for a name not in its list.
  const struct {
    int code;
    const char* name;
  } codes[] = {{0, ""}, {1, "ADD"}, {2, ""}, {64, ""}, {65, ""}, {100, ""}, {101, "SCALE"}, {102, ""}, {9999, ""}, {-1, ""}};
  for (const auto& c : codes) EXPECT_EQ(FunctionNameOf(c.code), QString(c.name)) << c.code;
}

TEST_F(NetPrinter, Scale6PrintsNumbersOnly) {
  OneOfEach();
  SetViewScale(6);
  // d = 300: u = 15, r = 30, t = 45, e = 21, k = 9, p = 3; h = 6 pt at 300 dpi = 25.
  const QStringList calls = Print();
  EXPECT_EQ(calls.first(), "Font Small Fonts 6 regular 0,0,0");
  // ZEP at (268, 356): its number only, in the circle's upper left.
  EXPECT_EQ(calls.mid(3, 2), (QStringList{"Pen 0,0,0 w3 Solid", "Ellipse 238,326,298,386"}));
  EXPECT_EQ(calls.mid(5, 3), (QStringList{"Pen 0,0,0 w2 Solid", "MoveTo 298,356", "LineTo 283,356"}));
  EXPECT_EQ(calls.filter("Text"),
            (QStringList{"Text 241,338 1", "Text 151,313 1", "Text 568,358 1"}));
  EXPECT_EQ(calls.filter("LineTo").mid(7),
            (QStringList{"LineTo 208,311", "LineTo 628,356", "LineTo 223,311", "LineTo 223,401"}));
  EXPECT_EQ(calls.last(), "Ellipse 418,353,424,359");
}

TEST_F(NetPrinter, EmptyNetPrintsNothingOnThePage) {
  const QStringList calls = Print();
  for (const QString& call : calls)
    EXPECT_TRUE(call.startsWith("Font") || call.startsWith("Pen") || call.startsWith("Brush")) << call.toStdString();
}

TEST_F(NetPrinter, OffsetsAndResolutionMoveEveryElement) {
  DotCount = 1;
  DotPos[1] = {0, 0};
  ConnCount = 1;
  ConnPointCount[1] = 2;
  ConnPoint[1][1] = {0, 0};
  ConnPoint[1][2] = {0, 1};
  const struct {
    int d, h, v;
    const char* dot;
    const char* conn;
  } cases[] = {
      {300, 0, 0, "Ellipse 0,-3,6,3", "MoveTo 3,0"},
      {300, -100, 200, "Ellipse -1181,2359,-1175,2365", "MoveTo -1178,2362"},
      {600, 10, 20, "Ellipse 233,466,245,478", "MoveTo 239,472"},
  };
  for (const auto& c : cases) {
    RecordingSurface surface(c.d);
    PrintNet(surface, ComputePrintMetrics(c.d, c.h, c.v));
    EXPECT_EQ(surface.Calls.last(), c.dot) << c.d << " " << c.h << " " << c.v;
    EXPECT_GE(surface.IndexOf(c.conn), 0) << c.conn;
  }
}

TEST_F(NetPrinter, FarPositionsStayInRange) {
  // Positions from a file may be anything: the page arithmetic must not overflow.
  ZEPCount = 1;
  ZEPPos[1] = {INT_MAX, INT_MIN, INT_MAX};
  InputCount = 1;
  InputPos[1] = {INT_MAX, 0, INT_MAX};
  ConnCount = 1;
  ConnPointCount[1] = 99;  // more points than a connection holds: the seven stored ones count
  ConnPoint[1][7] = {INT_MIN, 5};
  RecordingSurface surface(300);
  PrintNet(surface, ComputePrintMetrics(720, INT_MAX, INT_MIN));
  EXPECT_EQ(surface.Matching("Ellipse").size(), 1);
  EXPECT_EQ(surface.Matching("LineTo").size(), 7 + 1 + 6);
}
