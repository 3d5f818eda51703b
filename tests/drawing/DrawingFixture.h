#pragma once
// A clean net at a chosen scale step, with the program's text face, for painter tests.
#include <gtest/gtest.h>

#include <functional>

#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "support/RecordingSurface.h"
#include "support/TestNet.h"

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
  static int AddInput(int x, int y, int length, const char* name) { return PutInput(name, {x, y, length}); }
  static int AddOutput(int x, int y, int length, const char* name) { return PutOutput(name, {x, y, length}); }
  static int AddComment(int x, int y, const char* text) { return PutComment(text, {x, y}); }
  static int AddDot(int x, int y) { return PutDot({x, y}); }
  static int AddConnection(std::initializer_list<TGridPoint> points) { return PutConnection(points); }

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
