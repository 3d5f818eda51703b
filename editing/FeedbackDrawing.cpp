#include "editing/FeedbackDrawing.h"

#include "drawing/InputArrow.h"
#include "drawing/NetPainter.h"
#include "editing/Selection.h"
#include "model/ConnectionEnds.h"

namespace {

constexpr int DotMarkRadius = 3;
constexpr int GhostDotRadius = 3;

int MarkPenWidth() { return Scale <= 3 ? 3 : 2; }

QPoint PixelOf(TGridPoint p) { return {ToPixels(p.X), ToPixels(p.Y)}; }

bool IsLabelKind(ElementKind kind) {
  return kind == ElementKind::Input || kind == ElementKind::Output || kind == ElementKind::Comment;
}

QString LabelText(ElementKind kind, int index) {
  switch (kind) {
    case ElementKind::Input: return InputName[index];
    case ElementKind::Output: return OutputName[index];
    case ElementKind::Comment: return CommentText[index];
    case ElementKind::ZEP:
    case ElementKind::Dot: break;
  }
  return {};
}

TLabelBox LabelBox(DrawSurface& metrics, ElementKind kind, int index) {
  switch (kind) {
    case ElementKind::Input: return InputLabelBox(metrics, index);
    case ElementKind::Output: return OutputLabelBox(metrics, index);
    default: return CommentLabelBox(metrics, index);
  }
}

Rgb UnselectedLabelColor(ElementKind kind) {
  switch (kind) {
    case ElementKind::Input: return InputNameColor();
    case ElementKind::Output: return OutputNameColor();
    default: return CommentTextColor();
  }
}

void DrawLabel(DrawSurface& surface, ElementKind kind, int index, Rgb color) {
  SetDrawFont(surface);
  switch (kind) {
    case ElementKind::Input: DrawInputName(surface, index, color); return;
    case ElementKind::Output: DrawOutputName(surface, index, color); return;
    case ElementKind::Comment: DrawCommentText(surface, index, color); return;
    case ElementKind::ZEP:
    case ElementKind::Dot: return;
  }
}

QRect Around(QPoint centre, int radius, int penWidth) {
  const int reach = radius + penWidth + 1;
  return QRect(centre - QPoint(reach, reach), centre + QPoint(reach, reach));
}

}  // namespace

bool MarkStillApplies(const TMark& mark) {
  if (mark.Index < 1 || mark.Index > CountOf(mark.Kind)) return false;
  if (IsLabelKind(mark.Kind) && NumberView) return false;
  const bool current = CurrentOf(mark.Kind) == mark.Index;
  return mark.Look == MarkLook::Deselected ? !current : current;
}

void DrawMark(DrawSurface& surface, const TMark& mark) {
  const bool picked = mark.Look != MarkLook::Deselected;
  const QPoint at = PixelOf(ElementPoint(mark.Kind, mark.Index));
  switch (mark.Kind) {
    case ElementKind::ZEP:
      surface.SetPen(picked ? Colors::Red : Colors::Black, MarkPenWidth(), PenStyle::Solid);
      surface.SetBrush(Colors::White, BrushStyle::Clear);
      surface.Ellipse(at.x() - ZEPRadius, at.y() - ZEPRadius, at.x() + ZEPRadius, at.y() + ZEPRadius);
      return;
    case ElementKind::Dot: {
      const Rgb color = picked ? Colors::Red : Colors::Black;
      surface.SetPen(color, mark.Look == MarkLook::PickedByPress ? MarkPenWidth() : 1, PenStyle::Solid);
      surface.SetBrush(color, BrushStyle::Solid);
      surface.Ellipse(at.x() - DotMarkRadius, at.y() - DotMarkRadius, at.x() + DotMarkRadius,
                      at.y() + DotMarkRadius);
      return;
    }
    default:
      DrawLabel(surface, mark.Kind, mark.Index, picked ? Colors::Red : UnselectedLabelColor(mark.Kind));
      return;
  }
}

QRect MarkArea(DrawSurface& metrics, const TMark& mark) {
  const QPoint at = PixelOf(ElementPoint(mark.Kind, mark.Index));
  switch (mark.Kind) {
    case ElementKind::ZEP: return Around(at, ZEPRadius, MarkPenWidth());
    case ElementKind::Dot: return Around(at, DotMarkRadius, MarkPenWidth());
    default: break;
  }
  SetDrawFont(metrics);
  const TLabelBox box = LabelBox(metrics, mark.Kind, mark.Index);
  // The text starts up to three pixels right of the box, and descenders and smoothing
  // reach below the character height.
  const int margin = metrics.TextHeight() / 2 + 4;
  return QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom)).adjusted(-margin, -margin, margin, margin);
}

bool GhostStillApplies(const TGhost& ghost) {
  return ghost.Index >= 1 && ghost.Index <= CountOf(ghost.Kind);
}

void DrawGhost(DrawSurface& surface, const TGhost& ghost) {
  const QPoint at = PixelOf(ghost.At);
  switch (ghost.Shape) {
    case GhostShape::ZEPCircle:
      surface.SetPen(Colors::Black, 1, PenStyle::Dot);
      surface.SetBrush(Colors::White, BrushStyle::Clear);
      surface.Ellipse(at.x() - ZEPRadius, at.y() - ZEPRadius, at.x() + ZEPRadius, at.y() + ZEPRadius);
      return;
    case GhostShape::DotCircle:
      surface.SetPen(Colors::Red, 1, PenStyle::Solid);
      surface.SetBrush(Colors::White, BrushStyle::Clear);
      surface.Ellipse(at.x() - GhostDotRadius, at.y() - GhostDotRadius, at.x() + GhostDotRadius,
                      at.y() + GhostDotRadius);
      return;
    case GhostShape::LabelFrame: {
      SetDrawFont(surface);
      const int h = surface.TextHeight();
      const int w = surface.TextWidth(LabelText(ghost.Kind, ghost.Index));
      surface.SetPen(Colors::Black, 1, PenStyle::Dot);
      surface.SetBrush(Colors::White, BrushStyle::Clear);
      surface.Rectangle(at.x(), at.y() - h, at.x() + w, at.y());
      return;
    }
  }
}

QRect GhostArea(DrawSurface& metrics, const TGhost& ghost) {
  const QPoint at = PixelOf(ghost.At);
  switch (ghost.Shape) {
    case GhostShape::ZEPCircle: return Around(at, ZEPRadius, 1);
    case GhostShape::DotCircle: return Around(at, GhostDotRadius, 1);
    case GhostShape::LabelFrame: break;
  }
  SetDrawFont(metrics);
  const int h = metrics.TextHeight();
  const int w = metrics.TextWidth(LabelText(ghost.Kind, ghost.Index));
  return QRect(QPoint(at.x() - 2, at.y() - h - 2), QPoint(at.x() + w + 2, at.y() + 2));
}

namespace {

// Strips this wide cover a line of up to the mark pen's width, smoothing included.
constexpr int StripMargin = 3;
constexpr int StripLength = 24;

// Short rectangles along a line: a diagonal line repaints a strip, not its bounding box.
QRegion LineRegion(QPoint from, QPoint to, int margin) {
  QRegion region;
  const QPoint step = to - from;
  const int steps = std::max(1, std::max(std::abs(step.x()), std::abs(step.y())) / StripLength);
  QPoint start = from;
  for (int k = 1; k <= steps; ++k) {
    const QPoint end = from + step * k / steps;
    region += QRect(start, end).normalized().adjusted(-margin, -margin, margin, margin);
    start = end;
  }
  return region;
}

void DrawTarget(DrawSurface& surface, const TConnectTarget& target) {
  surface.SetPen(Colors::Red, MarkPenWidth(), PenStyle::Solid);
  if (target.Port == TargetPort::Output) {
    const TTermPos& pos = OutputPos[target.Index];
    const int y = ToPixels(pos.Y);
    surface.MoveTo(ToPixels(WrappedSum(static_cast<long long>(pos.X) - pos.Length)), y);
    surface.LineTo(ToPixels(pos.X) + 4 * Pitch, y);
    return;
  }
  const QPoint c = PixelOf(ElementPoint(ElementKind::ZEP, target.Index));
  DrawInputArrow(surface, c.x(), c.y(), ArrowReach, ArrowInset, BarbSize, target.Port == TargetPort::InputA ? -1 : 1);
}

QRegion TargetRegion(const TConnectTarget& target) {
  const int margin = MarkPenWidth() + 2;
  if (target.Port == TargetPort::Output) {
    const TTermPos& pos = OutputPos[target.Index];
    const int y = ToPixels(pos.Y);
    return QRect(QPoint(ToPixels(WrappedSum(static_cast<long long>(pos.X) - pos.Length)), y), QPoint(ToPixels(pos.X) + 4 * Pitch, y))
        .adjusted(-margin, -margin, margin, margin);
  }
  const QPoint c = PixelOf(ElementPoint(ElementKind::ZEP, target.Index));
  const int dy = target.Port == TargetPort::InputA ? -1 : 1;
  const QPoint tail(c.x() - ArrowReach, c.y() + dy * ArrowReach);
  const QPoint tip(c.x() - ArrowInset, c.y() + dy * ArrowInset);
  return QRect(tail, tip).normalized().adjusted(-BarbSize - margin, -BarbSize - margin, margin, margin);
}

bool TargetStillApplies(const TConnectTarget& target) {
  if (target.Port == TargetPort::None) return false;
  return target.Index >= 1 && target.Index <= (target.Port == TargetPort::Output ? OutputCount : ZEPCount);
}

}  // namespace

TGhost GroupMemberGhost(const TElementRef& element, TGridPoint offset) {
  const TGridPoint p = ElementPoint(element.Kind, element.Index);
  const TGridPoint at{WrappedSum(static_cast<long long>(p.X) + offset.X), WrappedSum(static_cast<long long>(p.Y) + offset.Y)};
  switch (element.Kind) {
    case ElementKind::ZEP: return {GhostShape::ZEPCircle, element.Kind, element.Index, at};
    case ElementKind::Dot: return {GhostShape::DotCircle, element.Kind, element.Index, at};
    default: return {GhostShape::LabelFrame, element.Kind, element.Index, at};
  }
}

void DrawOverlay(DrawSurface& surface, const TOverlay& overlay) {
  switch (overlay.Shape) {
    case OverlayShape::RubberLine:
      if (TargetStillApplies(overlay.Target)) DrawTarget(surface, overlay.Target);
      surface.SetPen(Colors::Black, 1, PenStyle::Dot);
      surface.MoveTo(overlay.From.x(), overlay.From.y());
      surface.LineTo(overlay.To.x(), overlay.To.y());
      return;
    case OverlayShape::SelectionBox: {
      const QRect box = QRect(overlay.From, overlay.To).normalized();
      surface.SetPen(Colors::Black, 1, PenStyle::Dot);
      surface.SetBrush(Colors::White, BrushStyle::Clear);
      surface.Rectangle(box.left(), box.top(), box.right(), box.bottom());
      return;
    }
    case OverlayShape::GroupGhost:
      for (const TElementRef& e : Selection.Elements()) {
        const TGhost ghost = GroupMemberGhost(e, overlay.Offset);
        if (GhostStillApplies(ghost)) DrawGhost(surface, ghost);
      }
      return;
  }
}

QRegion OverlayRegion(DrawSurface& metrics, const TOverlay& overlay) {
  switch (overlay.Shape) {
    case OverlayShape::RubberLine: {
      QRegion region = LineRegion(overlay.From, overlay.To, StripMargin);
      if (TargetStillApplies(overlay.Target)) region += TargetRegion(overlay.Target);
      return region;
    }
    case OverlayShape::SelectionBox: {
      const QRect box = QRect(overlay.From, overlay.To).normalized();
      const QPoint corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
      QRegion region;
      for (int k = 0; k < 4; ++k) region += LineRegion(corners[k], corners[(k + 1) % 4], StripMargin);
      return region;
    }
    case OverlayShape::GroupGhost: break;
  }
  // One rectangle around all ghosts: the net beneath a group is drawn faster within one
  // rectangle than within the many small ones of the ghosts' union.
  QRect area;
  for (const TElementRef& e : Selection.Elements()) {
    const TGhost ghost = GroupMemberGhost(e, overlay.Offset);
    if (GhostStillApplies(ghost)) area |= GhostArea(metrics, ghost);
  }
  return area;
}

QRegion RepaintRegion(const QRegion& dirty) {
  const QRect bounds = dirty.boundingRect();
  long long covered = 0;
  for (const QRect& r : dirty) covered += static_cast<long long>(r.width()) * r.height();
  const long long whole = static_cast<long long>(bounds.width()) * bounds.height();
  return covered * 2 > whole ? QRegion(bounds) : dirty;
}

void PaintCanvas(DrawSurface& surface, int width, int height, const QRect& area, const QList<TMark>& marks,
                 const std::optional<TGhost>& ghost, const std::optional<TOverlay>& overlay,
                 const TChangeMarks* changes) {
  if (changes) PaintNet(surface, width, height, area, *changes);
  else PaintNet(surface, width, height, area);
  for (const TElementRef& e : Selection.Elements()) {
    const TMark mark{e.Kind, e.Index, MarkLook::PickedByRelease};
    if (e.Index <= CountOf(e.Kind) && MarkArea(surface, mark).intersects(area)) DrawMark(surface, mark);
  }
  for (const TMark& mark : marks) DrawMark(surface, mark);
  if (ghost && GhostStillApplies(*ghost)) DrawGhost(surface, *ghost);
  if (overlay) DrawOverlay(surface, *overlay);
}
