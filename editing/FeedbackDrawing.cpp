#include "editing/FeedbackDrawing.h"

#include "drawing/NetPainter.h"

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

void PaintCanvas(DrawSurface& surface, int width, int height, const QRect& area, const QList<TMark>& marks,
                 const std::optional<TGhost>& ghost, const TChangeMarks* changes) {
  if (changes) PaintNet(surface, width, height, area, *changes);
  else PaintNet(surface, width, height, area);
  for (const TMark& mark : marks) DrawMark(surface, mark);
  if (ghost && GhostStillApplies(*ghost)) DrawGhost(surface, *ghost);
}
