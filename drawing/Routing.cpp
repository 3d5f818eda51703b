#include "drawing/Routing.h"

#include "model/NetDef.h"

namespace {

// Positions come from files and may lie anywhere in 32 bits; the end points wrap instead of
// overflowing, so a wild net routes to wild points and never into undefined arithmetic.
int Wrapped(long long value) { return static_cast<int>(static_cast<unsigned int>(value)); }

TGridPoint InputAEnd(const TZEPPos& p) { return {Wrapped(p.X - 3LL), Wrapped(p.Y - 3LL)}; }
TGridPoint InputBEnd(const TZEPPos& p) { return {Wrapped(p.X - 3LL), Wrapped(p.Y + 3LL)}; }
TGridPoint OutputEnd(const TZEPPos& p) { return {Wrapped(static_cast<long long>(p.X) + p.OutLength), p.Y}; }
TGridPoint InputRightEnd(const TTermPos& p) { return {Wrapped(static_cast<long long>(p.X) + p.Length), p.Y}; }
TGridPoint OutputLeftEnd(const TTermPos& p) { return {Wrapped(static_cast<long long>(p.X) - p.Length), p.Y}; }

// The source end of an input fed by `kind` from element `index`; nothing when the link
// names no element of the net (a stale link is never followed into old records).
bool SourceEnd(int kind, int index, TGridPoint& end) {
  if (kind == KindInput && index >= 1 && index <= InputCount) {
    end = InputRightEnd(InputPos[index]);
    return true;
  }
  if (kind >= KindZEP && index >= 1 && index <= ZEPCount) {
    end = OutputEnd(ZEPPos[index]);
    return true;
  }
  return false;
}

class RouteLayer {
public:
  // Lays one connection into the next free slot; a connection beyond the table is dropped.
  void Lay(const TRouteRequest& request, TGridPoint destination, TGridPoint source) {
    if (next_ > MaxConn) return;
    RouteRequest[next_] = request;
    if (LayRoute(next_, request.Port, request.FromKind, destination, source)) ++next_;
  }
  int Laid() const { return next_ - 1; }

private:
  int next_ = 1;
};

void LayInput(RouteLayer& layer, int zep, int port, int kind, int index, TGridPoint end) {
  TGridPoint source;
  if (!SourceEnd(kind, index, source)) return;
  layer.Lay({kind, index, zep, port}, end, source);
}

}  // namespace

void RebuildRoutes() {
  RouteLayer layer;
  for (int j = 1; j <= ZEPCount; ++j) {
    const TZEPPos& p = ZEPPos[j];
    const TZEPLink& link = ZEPLink[j];
    LayInput(layer, j, 1, link.AKind, link.AIndex, InputAEnd(p));
    LayInput(layer, j, 2, link.BKind, link.BIndex, InputBEnd(p));
    if (link.OutIndex >= 1 && link.OutIndex <= OutputCount)
      layer.Lay({0, j, link.OutIndex, 0}, OutputEnd(p), OutputLeftEnd(OutputPos[link.OutIndex]));
  }
  ConnCount = layer.Laid();
  ConnKeysFromFile = false;
}

bool LayRoute(int k, int port, int kind, TGridPoint destination, TGridPoint source) {
  TConnPoints& points = ConnPoint[k];
  int n = 0;
  const auto add = [&](int x, int y) { points[++n] = {x, y}; };
  int cx = destination.X;
  int cy = destination.Y;
  int ty = source.Y;
  bool detour = false;
  if (destination.X < source.X) {
    // A backward connection leaves its end sideways; one from a ZEP also clears the
    // source's row so the line does not run back along the ZEP's own output.
    if (kind >= KindZEP) {
      detour = true;
      ty = Wrapped(destination.Y > source.Y ? source.Y + 4LL : source.Y - 4LL);
      if (ty < 0) ty = 0;
    }
    add(destination.X, destination.Y);
    if (port == 1) cy = Wrapped(destination.Y - 1LL);
    else if (port == 2) cy = Wrapped(destination.Y + 1LL);
  }
  while (cx != source.X || cy != ty) {
    add(cx, cy);
    if (cx == source.X) cy = ty;
    else cx = source.X;
  }
  const bool laid = n > 0;
  if (laid) add(cx, cy);
  if (detour) add(source.X, source.Y);
  ConnPointCount[k] = n;
  return laid;
}
