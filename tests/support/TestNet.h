#pragma once
// Nets for tests, built element by element: each call appends one record to its table,
// counts it and gives its number.
#include <initializer_list>

#include "model/NetDef.h"

inline int PutZEP(const TZEPText& text, const TZEPPos& pos, const TZEPLink& link = {}) {
  ++ZEPCount;
  ZEPText[ZEPCount] = text;
  ZEPPos[ZEPCount] = pos;
  ZEPLink[ZEPCount] = link;
  return ZEPCount;
}

inline int PutInput(const char* name, const TTermPos& pos) {
  ++InputCount;
  InputName[InputCount] = name;
  InputPos[InputCount] = pos;
  return InputCount;
}

inline int PutOutput(const char* name, const TTermPos& pos) {
  ++OutputCount;
  OutputName[OutputCount] = name;
  OutputPos[OutputCount] = pos;
  return OutputCount;
}

inline int PutComment(const char* text, TGridPoint at) {
  ++CommentCount;
  CommentText[CommentCount] = text;
  CommentPos[CommentCount] = at;
  return CommentCount;
}

inline int PutDot(TGridPoint at) {
  ++DotCount;
  DotPos[DotCount] = at;
  return DotCount;
}

inline int PutConnection(std::initializer_list<TGridPoint> points) {
  ++ConnCount;
  int j = 0;
  for (const TGridPoint& p : points) ConnPoint[ConnCount][++j] = p;
  ConnPointCount[ConnCount] = j;
  return ConnCount;
}
