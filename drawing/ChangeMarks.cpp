#include "drawing/ChangeMarks.h"

#include <algorithm>

#include "drawing/NetPainter.h"

namespace {

constexpr Rgb AddedGreen{0, 160, 0};
constexpr Rgb ChangedOrange{255, 140, 0};

QString MarkWord(ChangeMark mark) {
  return ChangeWord(mark == ChangeMark::Added ? ChangeKind::Added
                    : mark == ChangeMark::Removed ? ChangeKind::Removed
                                                  : ChangeKind::Changed);
}

template <typename Marks>
ChangeMark MarkIn(const Marks& marks, int index) {
  return index >= 1 && index <= Marks::Capacity ? marks[index] : ChangeMark::None;
}

}  // namespace

ChangeMark TElementMarks::Of(ElementKind kind, int index) const {
  switch (kind) {
    case ElementKind::ZEP: return MarkIn(zep_, index);
    case ElementKind::Input: return MarkIn(input_, index);
    case ElementKind::Output: return MarkIn(output_, index);
    case ElementKind::Comment: return MarkIn(comment_, index);
    case ElementKind::Dot: return MarkIn(dot_, index);
  }
  return ChangeMark::None;
}

void TElementMarks::Set(ElementKind kind, int index, ChangeMark mark) {
  switch (kind) {
    case ElementKind::ZEP: zep_[index] = mark; break;
    case ElementKind::Input: input_[index] = mark; break;
    case ElementKind::Output: output_[index] = mark; break;
    case ElementKind::Comment: comment_[index] = mark; break;
    case ElementKind::Dot: dot_[index] = mark; break;
  }
  any_ = any_ || mark != ChangeMark::None;
}

TChangeMarks ChangeMarksOf(const QList<TNetDifference>& differences, std::shared_ptr<const TNetTables> older,
                           bool legend) {
  TChangeMarks marks;
  for (const TNetDifference& d : differences) {
    const std::optional<ElementKind> kind = ElementKindOf(d.Kind);
    if (!kind) continue;
    if (d.Change == ChangeKind::Removed) marks.Removed.Set(*kind, d.OldNumber, ChangeMark::Removed);
    else marks.Newer.Set(*kind, d.NewNumber, d.Change == ChangeKind::Added ? ChangeMark::Added : ChangeMark::Changed);
  }
  marks.Older = std::move(older);
  marks.Legend = legend;
  return marks;
}

Rgb ChangeColor(ChangeMark mark) {
  switch (mark) {
    case ChangeMark::Added: return AddedGreen;
    case ChangeMark::Changed: return ChangedOrange;
    case ChangeMark::Removed: return Colors::Red;
    case ChangeMark::None: break;
  }
  return Colors::Black;
}

std::optional<TTint> ChangeTint(ChangeMark mark) {
  if (mark == ChangeMark::None) return std::nullopt;
  return TTint{ChangeColor(mark), mark == ChangeMark::Removed};
}

void PaintChangeLegend(DrawSurface& surface, int paintWidth) {
  const ChangeMark rows[] = {ChangeMark::Added, ChangeMark::Changed, ChangeMark::Removed};
  const int h = surface.TextHeight();
  const int pad = std::max(4, h / 2);
  const int stroke = 3 * Pitch;
  int textWidth = 0;
  for (ChangeMark mark : rows) textWidth = std::max(textWidth, surface.TextWidth(MarkWord(mark)));
  const int width = pad + stroke + pad + textWidth + pad;
  const int height = pad + 3 * (h + pad);
  const int left = std::max(0, paintWidth - width - pad);
  const int top = pad;
  surface.SetPen(Colors::Black, 1, PenStyle::Solid);
  surface.SetBrush(Colors::White, BrushStyle::Solid);
  surface.Rectangle(left, top, left + width, top + height);
  for (int row = 0; row < 3; ++row) {
    const ChangeMark mark = rows[row];
    const int y = top + pad + row * (h + pad);
    const std::optional<TTint> tint = ChangeTint(mark);
    surface.SetPen(tint->Color, LinePenWidth() + 1, tint->Dotted ? PenStyle::Dot : PenStyle::Solid);
    surface.MoveTo(left + pad, y + h / 2);
    surface.LineTo(left + pad + stroke, y + h / 2);
    surface.SetFontColor(tint->Color);
    surface.TextOut(left + pad + stroke + pad, y, MarkWord(mark));
  }
}
