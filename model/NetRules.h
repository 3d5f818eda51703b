#pragma once
// Rules of the net that drawing, printing, the dialog, the checks and the tool share.
#include "model/NetDef.h"

// A function code above this names user function code - UserFuncBase; 1..64 name library
// functions.
inline constexpr int UserFuncBase = 100;

// Kinds 2 and 3 both mean a source from a ZEP's output; kind 3 has no delay.
inline bool FedFromZEP(int kind) { return kind == KindZEP || kind == KindZEPNoDelay; }

// ZEPs are scanned in table order, so an input of ZEP `zep` fed from a ZEP at the same or
// a later number reads a value of the scan before: one scan more than its stated delay.
inline bool CarriesExtraScan(int zep, int kind, int sourceIndex) { return FedFromZEP(kind) && sourceIndex >= zep; }

// The delay an input carries in all, in 64 bits: a delay read from a file may be any
// Integer, and one scan more must not overflow.
inline long long ScansOfDelay(int zep, int kind, int sourceIndex, int delay) {
  return static_cast<long long>(delay) + (CarriesExtraScan(zep, kind, sourceIndex) ? 1 : 0);
}
