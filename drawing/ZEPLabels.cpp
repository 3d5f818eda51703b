#include "drawing/ZEPLabels.h"

#include <algorithm>

#include "model/NetDef.h"

namespace {
constexpr int UserFuncBase = 100;
}

QString FunctionNameOf(int funcCode) {
  if (funcCode >= 1 && funcCode <= std::min(LibFuncCount, MaxLibFunc)) return LibFuncName[funcCode];
  const int user = funcCode - UserFuncBase;
  if (user >= 1 && user <= std::min(UserFuncCount, MaxUserFunc)) return UserFuncName[user];
  return QString();
}

DelayLabel InputDelayLabel(int zep, int kind, int sourceIndex, int delay) {
  if (kind < KindZEP) return {};
  if (sourceIndex >= zep) return {QString::number(delay + 1), true};
  if (delay > 0) return {QString::number(delay), false};
  return {};
}
