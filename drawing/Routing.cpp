#include "drawing/Routing.h"

#include "model/ConnectionEnds.h"
#include "model/NetDef.h"

namespace {

int Wrapped(long long value) { return WrappedSum(value); }

class RouteLayer {
public:
  // Lays one connection into the next free slot; a connection beyond the table is dropped.
  void Lay(const TConnectionEnds& ends) {
    if (next_ > MaxConn) return;
    RouteRequest[next_] = ends.Request;
    if (LayRoute(next_, ends.Request.Port, ends.Request.FromKind, ends.Destination, ends.Source)) ++next_;
  }
  int Laid() const { return next_ - 1; }

private:
  int next_ = 1;
};

}  // namespace

void RebuildRoutes() {
  RouteLayer layer;
  ForEachConnection([&](const TConnectionEnds& ends) { layer.Lay(ends); });
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
    if (FedFromZEP(kind)) {
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
