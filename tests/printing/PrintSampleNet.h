#pragma once
// A small net for printing tests: two Inputs feed two ZEPs in a loop with a delay, the
// second ZEP feeds an Output, with a Comment and a Dot on the loop.
#include "drawing/ViewScale.h"
#include "model/NetDef.h"

inline void SetViewScale(int scale) {
  FontName = QStringLiteral("Times New Roman");
  Scale = scale;
  ComputeViewMetrics();
}

inline void AddConnection(std::initializer_list<TGridPoint> points) {
  ++ConnCount;
  int j = 0;
  for (const TGridPoint& p : points) ConnPoint[ConnCount][++j] = p;
  ConnPointCount[ConnCount] = j;
}

inline void SetUpPrintSampleNet() {
  LibFuncCount = 1;
  LibFuncName[1] = "ADD";
  UserFuncCount = 1;
  UserFuncName[1] = "SCALE";

  InputCount = 2;
  InputName[1] = "X";
  InputPos[1] = {2, 10, 6};
  InputName[2] = "Gain";
  InputPos[2] = {2, 22, 6};

  ZEPCount = 2;
  ZEPText[1].Name = "Sum";
  ZEPPos[1] = {16, 13, 4};
  ZEPLink[1] = {1, KindInput, 0, 1, KindZEP, 1, 2, 0};
  ZEPText[2].Name = "Amp";
  ZEPPos[2] = {30, 19, 4};
  ZEPLink[2] = {101, KindZEPNoDelay, 0, 1, KindInput, 0, 2, 1};

  OutputCount = 1;
  OutputName[1] = "Y";
  OutputPos[1] = {40, 19, 6};

  AddConnection({{8, 10}, {13, 10}});
  AddConnection({{20, 13}, {24, 13}, {24, 16}, {27, 16}});
  AddConnection({{8, 22}, {27, 22}});
  AddConnection({{34, 19}, {34, 19}});
  AddConnection({{34, 19}, {36, 19}, {36, 26}, {11, 26}, {11, 16}, {13, 16}});

  CommentCount = 1;
  CommentText[1] = "Feedback loop";
  CommentPos[1] = {14, 30};
  DotCount = 1;
  DotPos[1] = {36, 19};
}
