#include "editing/HitTest.h"

#include "drawing/NetPainter.h"

namespace {

bool InsideCircle(const TZEPPos& pos, int x, int y) {
  const long long dx = static_cast<long long>(ToPixels(pos.X)) - x;
  const long long dy = static_cast<long long>(ToPixels(pos.Y)) - y;
  const long long r = ZEPRadius;
  return dx * dx + dy * dy <= r * r;
}

bool InsideBox(const TLabelBox& box, int x, int y) {
  return box.Left <= x && x <= box.Right && box.Top <= y && y <= box.Bottom;
}

template <typename Box, int N>
int FirstBoxHit(const Table<Box, N>& boxes, int count, int x, int y) {
  for (int i = 1; i <= count; ++i)
    if (InsideBox(boxes[i], x, y)) return i;
  return 0;
}

}  // namespace

int THits::Of(ElementKind kind) const {
  switch (kind) {
    case ElementKind::ZEP: return ZEP;
    case ElementKind::Input: return Input;
    case ElementKind::Output: return Output;
    case ElementKind::Comment: return Comment;
    case ElementKind::Dot: break;
  }
  return Dot;
}

THits HitTest(int x, int y) {
  THits hits;
  for (int i = 1; i <= ZEPCount && !hits.ZEP; ++i)
    if (InsideCircle(ZEPPos[i], x, y)) hits.ZEP = i;
  hits.Input = FirstBoxHit(InputBox, InputCount, x, y);
  hits.Output = FirstBoxHit(OutputBox, OutputCount, x, y);
  hits.Comment = FirstBoxHit(CommentBox, CommentCount, x, y);
  hits.Dot = FirstBoxHit(DotBox, DotCount, x, y);
  return hits;
}
