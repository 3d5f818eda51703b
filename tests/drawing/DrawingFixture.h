#pragma once
// A clean net at a chosen scale step, with the program's text face, for painter tests.
#include <gtest/gtest.h>

#include <functional>

#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "support/RecordingSurface.h"

class DrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    FontName = QStringLiteral("Times New Roman");
    CanvasWidth = 200;
    CanvasHeight = 200;
    UseScale(2);
  }

  static void UseScale(int scale) {
    Scale = scale;
    ComputeViewMetrics();
  }

  static int AddZEP(int x, int y, int outLength, const char* name) {
    const int i = ++ZEPCount;
    ZEPPos[i] = {x, y, outLength};
    ZEPText[i].Name = name;
    ZEPLink[i] = {};
    return i;
  }
  static int AddInput(int x, int y, int length, const char* name) {
    const int i = ++InputCount;
    InputPos[i] = {x, y, length};
    InputName[i] = name;
    return i;
  }
  static int AddOutput(int x, int y, int length, const char* name) {
    const int i = ++OutputCount;
    OutputPos[i] = {x, y, length};
    OutputName[i] = name;
    return i;
  }
  static int AddComment(int x, int y, const char* text) {
    const int i = ++CommentCount;
    CommentPos[i] = {x, y};
    CommentText[i] = text;
    return i;
  }
  static int AddDot(int x, int y) {
    const int i = ++DotCount;
    DotPos[i] = {x, y};
    return i;
  }
  static int AddConnection(std::initializer_list<TGridPoint> points) {
    const int k = ++ConnCount;
    int j = 0;
    for (const TGridPoint& p : points) ConnPoint[k][++j] = p;
    ConnPointCount[k] = j;
    return k;
  }

  // The font colour in force when a recorded line was drawn, as "r,g,b", or "" if absent.
  static QString ColorOf(const RecordingSurface& surface, const QString& line) {
    const int at = surface.IndexOf(line);
    if (at < 0) return {};
    for (int i = at - 1; i >= 0; --i) {
      const QString& call = surface.Calls[i];
      if (call.startsWith(QLatin1String("FontColor "))) return call.mid(10);
      if (call.startsWith(QLatin1String("Font "))) return call.section(QLatin1Char(' '), -1);
    }
    return {};
  }
};
