#include "editing/Connecting.h"

#include <QStringList>
#include <algorithm>
#include <memory>

#include "drawing/NetPainter.h"
#include "drawing/Routing.h"
#include "model/ConnectionEnds.h"
#include "model/ElementSave.h"
#include "model/LinkResolution.h"
#include "model/NetChange.h"

namespace {

long long Square(long long v) { return v * v; }

long long DistanceSquared(QPoint a, QPoint b) { return Square(a.x() - b.x()) + Square(a.y() - b.y()); }

QPoint Pixel(long long gx, long long gy) {
  return {ToPixels(WrappedSum(gx)), ToPixels(WrappedSum(gy))};
}

// The end of a ZEP's output line as drawn: at least the arrows' reach from the centre.
QPoint ZEPLineEnd(int z) {
  const TZEPPos& p = ZEPPos[z];
  return {ToPixels(p.X) + std::max(ToPixels(p.OutLength), ArrowReach), ToPixels(p.Y)};
}

QPoint InputLineEnd(int i) {
  const TTermPos& p = InputPos[i];
  return Pixel(static_cast<long long>(p.X) + p.Length, p.Y);
}

// The squared distance from a point to the segment a-b.
long long SegmentDistanceSquared(QPoint p, QPoint a, QPoint b) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const double length = dx * dx + dy * dy;
  double t = length > 0 ? ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / length : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x() + t * dx - p.x();
  const double ey = a.y() + t * dy - p.y();
  return static_cast<long long>(ex * ex + ey * ey);
}

bool OnOutput(int o, QPoint p) {
  const TTermPos& pos = OutputPos[o];
  const int y = ToPixels(pos.Y);
  const int left = ToPixels(WrappedSum(static_cast<long long>(pos.X) - pos.Length));
  const int right = ToPixels(pos.X) + 4 * Pitch;
  const bool onLine = std::abs(p.y() - y) <= Pitch / 2 && left <= p.x() && p.x() <= right;
  const TLabelBox& box = OutputBox[o];
  const bool onLabel = !NumberView && box.Left <= p.x() && p.x() <= box.Right && box.Top <= p.y() && p.y() <= box.Bottom;
  return onLine || onLabel;
}

QByteArray SourceName(const TSourceEnd& source) {
  return source.Kind == ElementKind::ZEP ? ZEPText[source.Index].Name.Bytes() : InputName[source.Index].Bytes();
}

bool StillThere(const TSourceEnd& source) { return source.Index >= 1 && source.Index <= CountOf(source.Kind); }

}  // namespace

std::optional<TSourceEnd> SourceEndAt(int x, int y) {
  const QPoint p(x, y);
  const long long reach = Square(Pitch / 2);
  std::optional<TSourceEnd> nearest;
  long long best = reach + 1;
  const auto consider = [&](ElementKind kind, int index, QPoint end) {
    const long long d = DistanceSquared(p, end);
    if (d < best) {
      best = d;
      nearest = TSourceEnd{kind, index, end};
    }
  };
  for (int z = 1; z <= ZEPCount; ++z) consider(ElementKind::ZEP, z, ZEPLineEnd(z));
  for (int i = 1; i <= InputCount; ++i) consider(ElementKind::Input, i, InputLineEnd(i));
  return nearest;
}

TConnectTarget TargetAt(const TSourceEnd& source, int x, int y) {
  const QPoint p(x, y);
  TConnectTarget target;
  long long best = Square(Pitch) + 1;
  for (int z = 1; z <= ZEPCount; ++z) {
    const QPoint c(ToPixels(ZEPPos[z].X), ToPixels(ZEPPos[z].Y));
    for (const int dy : {-1, 1}) {
      const QPoint tail(c.x() - ArrowReach, c.y() + dy * ArrowReach);
      const QPoint tip(c.x() - ArrowInset, c.y() + dy * ArrowInset);
      const long long d = SegmentDistanceSquared(p, tail, tip);
      if (d < best) {
        best = d;
        target = {dy < 0 ? TargetPort::InputA : TargetPort::InputB, z};
      }
    }
  }
  if (target.Port != TargetPort::None || source.Kind != ElementKind::ZEP) return target;
  for (int o = 1; o <= OutputCount; ++o)
    if (OnOutput(o, p)) return {TargetPort::Output, o};
  return {};
}

QString SourceNameClash(const TSourceEnd& source) {
  const QByteArray name = UpperAscii(SourceName(source));
  QStringList bearers;
  for (int i = 1; i <= InputCount; ++i)
    if (UpperAscii(InputName[i].Bytes()) == name) bearers << QStringLiteral("Input %1").arg(i);
  for (int z = 1; z <= ZEPCount; ++z)
    if (UpperAscii(ZEPText[z].Name.Bytes()) == name) bearers << QStringLiteral("ZEP %1").arg(z);
  if (bearers.size() < 2) return {};
  const QString last = bearers.takeLast();
  return QStringLiteral("Not connected: the name \"%1\" is borne by %2 and %3, and the file would name the first "
                        "of them. Rename one of them first.")
      .arg(QString::fromLatin1(SourceName(source)), bearers.join(QStringLiteral(", ")), last);
}

bool ConnectTo(const TSourceEnd& source, const TConnectTarget& target, Prompts& prompts) {
  if (EditDialogOpen || !StillThere(source) || target.Port == TargetPort::None) return false;
  if (target.Index < 1 || target.Index > (target.Port == TargetPort::Output ? OutputCount : ZEPCount)) return false;
  if (target.Port == TargetPort::Output && source.Kind != ElementKind::ZEP) return false;
  const QString clash = SourceNameClash(source);
  if (!clash.isEmpty()) {
    prompts.Warning(clash);
    return false;
  }
  const auto before = std::make_unique<TNetTables>(NetTables);
  QString caption;
  if (target.Port == TargetPort::Output) {
    caption = QStringLiteral("Connect %1 to %2")
                  .arg(ElementCaption(ElementKind::Output, target.Index), ElementCaption(ElementKind::ZEP, source.Index));
    SaveOutputEdit(target.Index, ZEPText[source.Index].Name.Str(), OutputPos[target.Index].Length);
  } else {
    const bool inputA = target.Port == TargetPort::InputA;
    caption = QStringLiteral("Connect input %1 of %2")
                  .arg(inputA ? QStringLiteral("A") : QStringLiteral("B"), ElementCaption(ElementKind::ZEP, target.Index));
    ConnectInput(target.Index, inputA ? 1 : 2, source.Kind == ElementKind::ZEP, source.Index);
  }
  if (NetTables == *before) return false;
  RebuildRoutes();
  NetChanged(NetChangeKind::Properties, caption);
  return true;
}
