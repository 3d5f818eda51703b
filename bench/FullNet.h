#pragma once
// A net that fills every table to its capacity, laid out over about 380 × 210 grid units:
// Inputs in eight columns on the left, a 16 × 16 block of ZEPs, Outputs in four columns on
// the right, Comments along the bottom, Dots among the ZEPs and a connection of five
// points into every ZEP input. Names are long, so text costs what it can cost.
#include <QGuiApplication>
#include <QString>

#include "model/FuncNames.h"
#include "model/NetDef.h"

// Fonts need a GUI application; the offscreen platform needs no display.
inline void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "plexor-bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  new QGuiApplication(argc, argv);
}

inline void FillFullNet() {
  ResetCounts();
  for (int i = 1; i <= MaxLibFunc; ++i) LibFuncName[i] = QStringLiteral("LIBFUNC%1").arg(i);
  for (int i = 1; i <= MaxUserFunc; ++i) UserFuncName[i] = QStringLiteral("USERFUNC%1").arg(i);
  LibFuncCount = MaxLibFunc;
  UserFuncCount = MaxUserFunc;
  for (int i = 1; i <= MaxInput; ++i) {
    InputPos[i] = {2 + 9 * ((i - 1) / 64), 4 + 3 * ((i - 1) % 64), 6};
    InputName[i] = QStringLiteral("INPUT_%1").arg(i);
  }
  for (int i = 1; i <= MaxZEP; ++i) {
    const int column = (i - 1) % 16;
    const int row = (i - 1) / 16;
    ZEPPos[i] = {90 + 14 * column, 8 + 12 * row, 4};
    ZEPText[i].Name = QStringLiteral("ZEP_NUMBER_%1").arg(i);
    ZEPLink[i] = {};
    ZEPLink[i].FuncCode = i % 2 ? 1 + i % MaxLibFunc : 101 + i % MaxUserFunc;
    ZEPLink[i].AKind = KindZEP;
    ZEPLink[i].AIndex = (i % 3 && i > 1) ? i - 1 : i + 1;  // some delays after a scan
    ZEPLink[i].ADelay = i % 4;
    ZEPLink[i].BKind = KindInput;
    ZEPLink[i].BIndex = i;
  }
  for (int i = 1; i <= MaxOutput; ++i) {
    OutputPos[i] = {320 + 16 * ((i - 1) / 64), 4 + 3 * ((i - 1) % 64), 4};
    OutputName[i] = QStringLiteral("OUTPUT_%1").arg(i);
  }
  for (int i = 1; i <= MaxComment; ++i) {
    CommentPos[i] = {4 + 11 * (i - 1), 208};
    CommentText[i] = QStringLiteral("Comment number %1 on the net").arg(i);
  }
  for (int i = 1; i <= MaxDot; ++i) DotPos[i] = {97 + 14 * ((i - 1) % 16), 14 + 48 * ((i - 1) / 16)};
  for (int k = 1; k <= MaxConn; ++k) {
    const int zep = (k - 1) / 2 + 1;
    const bool portA = k % 2;
    const TZEPPos& z = ZEPPos[zep];
    const TTermPos& in = InputPos[zep + (portA ? 0 : 256)];
    const int endX = z.X - 3;
    const int endY = portA ? z.Y - 3 : z.Y + 3;
    const int middle = 80 + (k % 8);
    ConnPoint[k][1] = {endX, endY};
    ConnPoint[k][2] = {endX - 2, endY};
    ConnPoint[k][3] = {middle, endY};
    ConnPoint[k][4] = {middle, in.Y};
    ConnPoint[k][5] = {in.X + in.Length, in.Y};
    ConnPointCount[k] = 5;
  }
  ZEPCount = MaxZEP;
  InputCount = MaxInput;
  OutputCount = MaxOutput;
  CommentCount = MaxComment;
  DotCount = MaxDot;
  ConnCount = MaxConn;
}

// The full net with the names its links stand for: every ZEP has a function from one of
// the lists, input A from a ZEP through a delay, input B from an Input, and an Output of
// its name, so resolving and routing meet every reference (768 connections are asked for).
inline void SetUpNamedFullNet() {
  ResetNetDef();
  FillFullNet();
  for (int i = 1; i <= ZEPCount; ++i) {
    TZEPText& text = ZEPText[i];
    const TZEPLink& link = ZEPLink[i];
    text.FuncName = FunctionNameOf(link.FuncCode);
    const bool fed = link.AIndex >= 1 && link.AIndex <= ZEPCount;
    text.SourceA = fed ? ZEPText[link.AIndex].Name : TName("Non");
    text.SourceB = InputName[link.BIndex];
    OutputName[i] = text.Name;
  }
}
