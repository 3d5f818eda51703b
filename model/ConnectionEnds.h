#pragma once
// The connections the ZEP links ask for, with the grid points where each begins and ends,
// in the order the routes are laid into the connection table.
#include "model/NetDef.h"
#include "model/NetRules.h"

// Positions come from files and may lie anywhere in 32 bits; the end points wrap instead of
// overflowing, so a wild net routes to wild points and never into undefined arithmetic.
inline int WrappedSum(long long value) { return static_cast<int>(static_cast<unsigned int>(value)); }

struct TConnectionEnds {
  TRouteRequest Request;
  TGridPoint Destination;  // an input end of the ZEP, or the Output's left end
  TGridPoint Source;       // the Input's right end, or the end of a ZEP's output line
  // A connection whose ends meet has no line, and takes no place in the table.
  bool HasLength() const { return !(Destination == Source); }
};

// Calls `visit(const TConnectionEnds&)` for input A, input B and the Output of each ZEP in
// turn, for every link that names an element of the net (a stale link is never followed
// into old records).
template <typename Visit>
void ForEachConnection(Visit&& visit) {
  const auto inputEnd = [](const TTermPos& p) { return TGridPoint{WrappedSum(static_cast<long long>(p.X) + p.Length), p.Y}; };
  const auto outputEnd = [](const TZEPPos& p) { return TGridPoint{WrappedSum(static_cast<long long>(p.X) + p.OutLength), p.Y}; };
  const auto source = [&](int kind, int index, TGridPoint& end) {
    if (kind == KindInput && index >= 1 && index <= InputCount) end = inputEnd(InputPos[index]);
    else if (FedFromZEP(kind) && index >= 1 && index <= ZEPCount) end = outputEnd(ZEPPos[index]);
    else return false;
    return true;
  };
  for (int j = 1; j <= ZEPCount; ++j) {
    const TZEPPos& p = ZEPPos[j];
    const TZEPLink& link = ZEPLink[j];
    TConnectionEnds ends;
    if (source(link.AKind, link.AIndex, ends.Source)) {
      ends.Request = {link.AKind, link.AIndex, j, 1};
      ends.Destination = {WrappedSum(p.X - 3LL), WrappedSum(p.Y - 3LL)};
      visit(static_cast<const TConnectionEnds&>(ends));
    }
    if (source(link.BKind, link.BIndex, ends.Source)) {
      ends.Request = {link.BKind, link.BIndex, j, 2};
      ends.Destination = {WrappedSum(p.X - 3LL), WrappedSum(p.Y + 3LL)};
      visit(static_cast<const TConnectionEnds&>(ends));
    }
    if (link.OutIndex >= 1 && link.OutIndex <= OutputCount) {
      const TTermPos& out = OutputPos[link.OutIndex];
      ends.Request = {0, j, link.OutIndex, 0};
      ends.Destination = outputEnd(p);
      ends.Source = {WrappedSum(static_cast<long long>(out.X) - out.Length), out.Y};
      visit(static_cast<const TConnectionEnds&>(ends));
    }
  }
}
