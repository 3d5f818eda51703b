#include "drawing/NetPainter.h"

#include <algorithm>
#include <array>
#include <memory>
#include <tuple>
#include <utility>

#include "drawing/ChangeMarks.h"
#include "drawing/ClipSurface.h"
#include "drawing/InputArrow.h"
#include "drawing/ZEPLabels.h"
#include "model/FuncNames.h"

namespace {

constexpr int PixelLimit = 1 << 22;

int Bounded(int count, int capacity) { return std::clamp(count, 0, capacity); }

int InputX(int input) { return ToPixels(InputPos[input].X) + 3; }

// The sizes that one paint uses over and over.
struct Metrics {
  int U, R, T, D, K, h;
};

Metrics CurrentMetrics(DrawSurface& surface) {
  return {Pitch, ZEPRadius, ArrowReach, ArrowInset, BarbSize, surface.TextHeight()};
}

void Text(DrawSurface& surface, int x, int y, const QString& text, Rgb color) {
  surface.SetFontColor(color);
  surface.TextOut(x, y, text);
}

void Line(DrawSurface& surface, int x1, int y1, int x2, int y2) {
  surface.MoveTo(x1, y1);
  surface.LineTo(x2, y2);
}

void PaintBackground(DrawSurface& surface, const QRect& area) {
  surface.SetBrush(Colors::White, BrushStyle::Solid);
  surface.FillRect(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
}

// Dotted aqua lines every GridStep pixels, none at 0; only those that can meet `area`.
// Each is drawn whole: the toolkit starts the dots where a line enters the device, so a
// line cut short would show its dots shifted against those of a full paint.
void PaintGrid(DrawSurface& surface, int width, int height, const QRect& area) {
  if (BWMode || GridStep <= 0 || area.isEmpty()) return;
  surface.SetPen(Colors::Aqua, 1, PenStyle::Dot);
  const auto first = [](int from) { return from <= GridStep ? GridStep : (from + GridStep - 1) / GridStep * GridStep; };
  for (int x = first(area.left() - 1); x <= std::min(width, area.right() + 1); x += GridStep)
    Line(surface, x, 0, x, height);
  for (int y = first(area.top() - 1); y <= std::min(height, area.bottom() + 1); y += GridStep)
    Line(surface, 0, y, width, y);
}

// The delay shown at an input fed from a ZEP: red for one scan more, else black.
void PaintDelay(DrawSurface& surface, int x, int y, const DelayLabel& label) {
  if (!label.Text.isEmpty()) Text(surface, x, y, label.Text, label.AfterScan ? Colors::Red : Colors::Black);
}

void PaintZEPLabels(DrawSurface& surface, const Metrics& m, int i, int X, int Y) {
  const TZEPLink& link = ZEPLink[i];
  if (NumberView) {
    Text(surface, X - m.R + 3, Y - m.R + m.h / 2, QString::number(i), FunctionNameColor());
    return;
  }
  Text(surface, X - 4 * m.R / 5, Y - m.R - m.h - 3, ZEPText[i].Name, Colors::Black);
  PaintDelay(surface, X - m.T + 1, Y - m.R, InputDelayLabel(i, link.AKind, link.AIndex, link.ADelay));
  PaintDelay(surface, X - m.T + 1, Y + m.R - m.h - 3, InputDelayLabel(i, link.BKind, link.BIndex, link.BDelay));
  const QString function = FunctionNameOf(link.FuncCode);
  if (!function.isEmpty()) Text(surface, X - m.R + 4, Y - m.h / 2, function, FunctionNameColor());
  Text(surface, X - 2, Y + m.h / 2 + 1, QString::number(i), FunctionNameColor());
}

void PaintZEP(DrawSurface& surface, const Metrics& m, int i) {
  const int X = ToPixels(ZEPPos[i].X);
  const int Y = ToPixels(ZEPPos[i].Y);
  surface.SetPen(i == CurZEP ? Colors::Red : Colors::Black, CirclePenWidth(), PenStyle::Solid);
  surface.Ellipse(X - m.R, Y - m.R, X + m.R, Y + m.R);
  surface.SetPen(Colors::Black, LinePenWidth(), PenStyle::Solid);
  Line(surface, X + m.R, Y, X + std::max(ToPixels(ZEPPos[i].OutLength), m.T), Y);
  // Input A enters along the upper diagonal, input B along the lower one.
  DrawInputArrow(surface, X, Y, m.T, m.D, m.K, -1);
  DrawInputArrow(surface, X, Y, m.T, m.D, m.K, +1);
  PaintZEPLabels(surface, m, i, X, Y);
}

void PaintInput(DrawSurface& surface, int i) {
  const int X = InputX(i);
  const int Y = ToPixels(InputPos[i].Y);
  if (!NumberView) {
    DrawInputName(surface, i, i == CurInput ? Colors::Red : InputNameColor());
    InputBox[i] = InputLabelBox(surface, i);
  }
  Text(surface, X, Y + 2, QString::number(i), Colors::Black);
  Line(surface, X, Y, ToPixels(InputPos[i].X) + ToPixels(InputPos[i].Length), Y);
}

void PaintOutput(DrawSurface& surface, const Metrics& m, int i) {
  const int X = ToPixels(OutputPos[i].X);
  const int Y = ToPixels(OutputPos[i].Y);
  if (!NumberView) {
    DrawOutputName(surface, i, i == CurOutput ? Colors::Red : OutputNameColor());
    OutputBox[i] = OutputLabelBox(surface, i);
  }
  Text(surface, X + 2, Y + 2, QString::number(i), Colors::Black);
  Line(surface, X - ToPixels(OutputPos[i].Length), Y, X + 4 * m.U, Y);
}

void PaintDot(DrawSurface& surface, int i) {
  const Rgb color = i == CurDot ? Colors::Red : Colors::Black;
  const TLabelBox box = DotLabelBox(i);
  surface.SetPen(color, 1, PenStyle::Solid);
  surface.SetBrush(color, BrushStyle::Solid);
  surface.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
  DotBox[i] = box;
}

void PaintConnection(DrawSurface& surface, int k) {
  const int points = Bounded(ConnPointCount[k], MaxConnPoint);
  for (int j = 1; j <= points; ++j) {
    const TGridPoint& p = ConnPoint[k][j];
    // A point on the left edge meets the Inputs, which stand three pixels in.
    const int x = p.X == 0 ? 3 : ToPixels(p.X);
    const int y = ToPixels(p.Y);
    if (j == 1)
      surface.MoveTo(x, y);
    else
      surface.LineTo(x, y);
  }
}

// Draws each element in the colour of its mark, through a tinting surface; unmarked, it
// leaves the drawing as it is.
class Marking {
public:
  Marking() = default;
  // onlyMarked: the unmarked elements and the connections are left out.
  Marking(TintSurface& tint, const TElementMarks& marks, bool onlyMarked)
      : tint_(&tint), marks_(&marks), onlyMarked_(onlyMarked) {}

  // False for an element this paint leaves out; else the surface takes its colour.
  bool Paints(ElementKind kind, int index) {
    if (!tint_) return true;
    const ChangeMark mark = marks_->Of(kind, index);
    if (onlyMarked_ && mark == ChangeMark::None) return false;
    tint_->SetTint(ChangeTint(mark));
    return true;
  }
  bool PaintsConnections() {
    if (tint_) tint_->SetTint(std::nullopt);
    return !onlyMarked_;
  }

private:
  TintSurface* tint_ = nullptr;
  const TElementMarks* marks_ = nullptr;
  bool onlyMarked_ = false;
};

void PaintElements(DrawSurface& surface, Marking& marking) {
  SetDrawFont(surface);
  const Metrics m = CurrentMetrics(surface);
  surface.SetBrush(Colors::White, BrushStyle::Clear);
  for (int i = 1; i <= Bounded(ZEPCount, MaxZEP); ++i)
    if (marking.Paints(ElementKind::ZEP, i)) PaintZEP(surface, m, i);
  surface.SetPen(Colors::Black, LinePenWidth(), PenStyle::Solid);
  for (int i = 1; i <= Bounded(InputCount, MaxInput); ++i)
    if (marking.Paints(ElementKind::Input, i)) PaintInput(surface, i);
  for (int i = 1; i <= Bounded(OutputCount, MaxOutput); ++i)
    if (marking.Paints(ElementKind::Output, i)) PaintOutput(surface, m, i);
  if (!NumberView) {
    for (int i = 1; i <= Bounded(CommentCount, MaxComment); ++i) {
      if (!marking.Paints(ElementKind::Comment, i)) continue;
      DrawCommentText(surface, i, i == CurComment ? Colors::Red : CommentTextColor());
      CommentBox[i] = CommentLabelBox(surface, i);
    }
  }
  for (int i = 1; i <= Bounded(DotCount, MaxDot); ++i)
    if (marking.Paints(ElementKind::Dot, i)) PaintDot(surface, i);
  if (!marking.PaintsConnections()) return;
  surface.SetPen(Colors::Black, LinePenWidth(), PenStyle::Solid);
  for (int k = 1; k <= Bounded(ConnCount, MaxConn); ++k) PaintConnection(surface, k);
}

}  // namespace

void PaintElements(DrawSurface& surface) {
  Marking none;
  PaintElements(surface, none);
}

namespace {

// The elements `removed` marks, drawn where they stood in the net `older`. The painter reads
// the tables in use, so those stand aside meanwhile; their label boxes and current elements
// stay as they were.
void PaintRemoved(TintSurface& surface, const TNetTables& older, const TElementMarks& removed) {
  auto aside = std::make_unique<TNetTables>(older);
  const auto boxes = std::make_unique<std::tuple<decltype(InputBox), decltype(OutputBox), decltype(CommentBox),
                                                 decltype(DotBox)>>(InputBox, OutputBox, CommentBox, DotBox);
  int* const currents[] = {&CurZEP, &CurInput, &CurOutput, &CurComment, &CurDot};
  std::array<int, 5> current{};
  for (size_t k = 0; k < current.size(); ++k) current[k] = std::exchange(*currents[k], 0);
  std::swap(NetTables, *aside);
  Marking marking(surface, removed, true);
  PaintElements(surface, marking);
  std::swap(NetTables, *aside);
  std::tie(InputBox, OutputBox, CommentBox, DotBox) = *boxes;
  for (size_t k = 0; k < current.size(); ++k) *currents[k] = current[k];
}

void PaintAll(DrawSurface& surface, int width, int height, const QRect& area, const TChangeMarks* changes) {
  PaintBackground(surface, area);
  PaintGrid(surface, width, height, area);
  if (!changes) {
    Marking none;
    PaintElements(surface, none);
    return;
  }
  TintSurface tinted(surface);
  Marking newer(tinted, changes->Newer, false);
  PaintElements(tinted, newer);
  if (changes->Older && changes->Removed.Any()) PaintRemoved(tinted, *changes->Older, changes->Removed);
  if (changes->Legend) {
    SetDrawFont(surface);
    PaintChangeLegend(surface, width);
  }
}

void PaintArea(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed,
               const TChangeMarks* changes) {
  const QRect whole(0, 0, std::max(0, paintWidth), std::max(0, paintHeight));
  const QRect area = exposed.intersected(whole);
  if (area == whole) {
    PaintAll(surface, paintWidth, paintHeight, whole, changes);
    return;
  }
  ClipSurface clipped(surface, area);
  PaintAll(clipped, paintWidth, paintHeight, area, changes);
}

// The box of a label written at (x + inset, y − h − 3), starting at x.
TLabelBox LabelBox(DrawSurface& surface, int x, int y, const QString& text) {
  const int top = y - surface.TextHeight() - 3;
  return {x, top, x + surface.TextWidth(text), y - 3};
}

}  // namespace

int ToPixels(int units) {
  const long long pixels = static_cast<long long>(Pitch) * units;
  return static_cast<int>(std::clamp<long long>(pixels, -PixelLimit, PixelLimit));
}

int CirclePenWidth() { return Scale <= 3 ? 3 : 2; }
int LinePenWidth() { return Scale <= 3 ? 2 : 1; }
int DotRadius() { return Scale <= 3 ? 3 : 2; }

void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed) {
  PaintArea(surface, paintWidth, paintHeight, exposed, nullptr);
}

void PaintNet(DrawSurface& surface, int paintWidth, int paintHeight, const QRect& exposed,
              const TChangeMarks& changes) {
  PaintArea(surface, paintWidth, paintHeight, exposed, &changes);
}

void RecordLabelBoxes(DrawSurface& surface) {
  SetDrawFont(surface);
  if (!NumberView) {
    for (int i = 1; i <= Bounded(InputCount, MaxInput); ++i) InputBox[i] = InputLabelBox(surface, i);
    for (int i = 1; i <= Bounded(OutputCount, MaxOutput); ++i) OutputBox[i] = OutputLabelBox(surface, i);
    for (int i = 1; i <= Bounded(CommentCount, MaxComment); ++i) CommentBox[i] = CommentLabelBox(surface, i);
  }
  for (int i = 1; i <= Bounded(DotCount, MaxDot); ++i) DotBox[i] = DotLabelBox(i);
}

void SetDrawFont(DrawSurface& surface) {
  surface.SetFont(DrawFontName, FontSize, BoldFont, Colors::Black);
}

void DrawInputName(DrawSurface& surface, int input, Rgb color) {
  if (input < 1 || input > Bounded(InputCount, MaxInput)) return;
  Text(surface, InputX(input), ToPixels(InputPos[input].Y) - surface.TextHeight() - 3, InputName[input], color);
}

void DrawOutputName(DrawSurface& surface, int output, Rgb color) {
  if (output < 1 || output > Bounded(OutputCount, MaxOutput)) return;
  Text(surface, ToPixels(OutputPos[output].X) + 2, ToPixels(OutputPos[output].Y) - surface.TextHeight() - 3,
       OutputName[output], color);
}

void DrawCommentText(DrawSurface& surface, int comment, Rgb color) {
  if (comment < 1 || comment > Bounded(CommentCount, MaxComment)) return;
  Text(surface, ToPixels(CommentPos[comment].X) + 2, ToPixels(CommentPos[comment].Y) - surface.TextHeight() - 3,
       CommentText[comment], color);
}

TLabelBox InputLabelBox(DrawSurface& surface, int input) {
  if (input < 1 || input > Bounded(InputCount, MaxInput)) return {};
  return LabelBox(surface, InputX(input), ToPixels(InputPos[input].Y), InputName[input]);
}

TLabelBox OutputLabelBox(DrawSurface& surface, int output) {
  if (output < 1 || output > Bounded(OutputCount, MaxOutput)) return {};
  return LabelBox(surface, ToPixels(OutputPos[output].X), ToPixels(OutputPos[output].Y), OutputName[output]);
}

TLabelBox CommentLabelBox(DrawSurface& surface, int comment) {
  if (comment < 1 || comment > Bounded(CommentCount, MaxComment)) return {};
  return LabelBox(surface, ToPixels(CommentPos[comment].X), ToPixels(CommentPos[comment].Y), CommentText[comment]);
}

TLabelBox DotLabelBox(int dot) {
  if (dot < 1 || dot > Bounded(DotCount, MaxDot)) return {};
  const int x = ToPixels(DotPos[dot].X);
  const int y = ToPixels(DotPos[dot].Y);
  const int d = DotRadius();
  return {x - d, y - d, x + d, y + d};
}

Rgb InputNameColor() { return BWMode ? Colors::Black : Colors::Teal; }
Rgb OutputNameColor() { return BWMode ? Colors::Black : Colors::Maroon; }
Rgb CommentTextColor() { return Colors::Black; }
Rgb FunctionNameColor() { return BWMode ? Colors::Black : Colors::Blue; }
