#pragma once
// A small net for printing tests: two Inputs feed two ZEPs in a loop with a delay, the
// second ZEP feeds an Output, with a Comment and a Dot on the loop.
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "support/TestNet.h"

inline void SetViewScale(int scale) {
  FontName = QStringLiteral("Times New Roman");
  Scale = scale;
  ComputeViewMetrics();
}

inline void SetUpPrintSampleNet() {
  LibFuncCount = 1;
  LibFuncName[1] = "ADD";
  UserFuncCount = 1;
  UserFuncName[1] = "SCALE";

  PutInput("X", {2, 10, 6});
  PutInput("Gain", {2, 22, 6});

  PutZEP({"Sum", "", "", ""}, {16, 13, 4}, {1, KindInput, 0, 1, KindZEP, 1, 2, 0});
  PutZEP({"Amp", "", "", ""}, {30, 19, 4}, {101, KindZEPNoDelay, 0, 1, KindInput, 0, 2, 1});

  PutOutput("Y", {40, 19, 6});

  PutConnection({{8, 10}, {13, 10}});
  PutConnection({{20, 13}, {24, 13}, {24, 16}, {27, 16}});
  PutConnection({{8, 22}, {27, 22}});
  PutConnection({{34, 19}, {34, 19}});
  PutConnection({{34, 19}, {36, 19}, {36, 26}, {11, 26}, {11, 16}, {13, 16}});

  PutComment("Feedback loop", {14, 30});
  PutDot({36, 19});
}
