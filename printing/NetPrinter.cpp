#include "printing/NetPrinter.h"

#include <algorithm>

#include "model/NetDef.h"
#include "drawing/InputArrow.h"
#include "drawing/ZEPLabels.h"
#include "model/FuncNames.h"

namespace {

// A page point of a grid position: u pixels per unit plus the offset, and `inset` pixels
// to the right for the kinds drawn beside their grid point.
struct PagePoint {
  int X;
  int Y;
};

PagePoint Place(const PrintMetrics& m, int gridX, int gridY, int inset = 0) {
  return {PageCoordinate(1LL * m.U * gridX + inset + m.OH), PageCoordinate(1LL * m.U * gridY + m.OV)};
}

int Count(int count, int capacity) { return std::clamp(count, 0, capacity); }

void Line(DrawSurface& s, int x1, int y1, int x2, int y2) {
  s.MoveTo(x1, y1);
  s.LineTo(x2, y2);
}

void ZEPLabels(DrawSurface& s, const PrintMetrics& m, int i, PagePoint c, int h) {
  const TZEPLink& link = ZEPLink[i];
  s.TextOut(c.X - 4 * m.R / 5, c.Y - m.R - h - 3, ZEPText[i].Name);
  const QString function = FunctionNameOf(link.FuncCode);
  if (!function.isEmpty()) s.TextOut(c.X - m.R + 4, c.Y - h / 2, function);
  s.TextOut(c.X - 2, c.Y + h / 2 + 1, QString::number(i));
  // On paper a delay after a scan is told by its value alone: all text is black.
  const DelayLabel a = InputDelayLabel(i, link.AKind, link.AIndex, link.ADelay);
  if (!a.Text.isEmpty()) s.TextOut(c.X - m.T + 1, c.Y - m.R, a.Text);
  const DelayLabel b = InputDelayLabel(i, link.BKind, link.BIndex, link.BDelay);
  if (!b.Text.isEmpty()) s.TextOut(c.X - m.T + 1, c.Y + m.R - h - 3, b.Text);
}

void PrintZEP(DrawSurface& s, const PrintMetrics& m, int i, int h) {
  const TZEPPos& pos = ZEPPos[i];
  const PagePoint c = Place(m, pos.X, pos.Y);
  s.SetPen(Colors::Black, m.CirclePen, PenStyle::Solid);
  s.Ellipse(c.X - m.R, c.Y - m.R, c.X + m.R, c.Y + m.R);
  s.SetPen(Colors::Black, m.LinePen, PenStyle::Solid);
  // Unlike the screen, the output line is exactly as long as stored.
  Line(s, c.X + m.R, c.Y, PageCoordinate(c.X + 1LL * m.U * pos.OutLength), c.Y);
  DrawInputArrow(s, c.X, c.Y, m.T, m.E, m.K, -1);
  DrawInputArrow(s, c.X, c.Y, m.T, m.E, m.K, +1);
  if (NumberView)
    s.TextOut(c.X - m.R + 3, c.Y - m.R + h / 2, QString::number(i));
  else
    ZEPLabels(s, m, i, c, h);
}

void PrintInput(DrawSurface& s, const PrintMetrics& m, int i, int h) {
  const TTermPos& pos = InputPos[i];
  const PagePoint p = Place(m, pos.X, pos.Y, 3);
  if (!NumberView) s.TextOut(p.X, p.Y - h - 4, InputName[i]);
  s.TextOut(p.X, p.Y + 2, QString::number(i));
  Line(s, p.X, p.Y, PageCoordinate(p.X + 1LL * m.U * pos.Length - 3), p.Y);
}

void PrintOutput(DrawSurface& s, const PrintMetrics& m, int i, int h) {
  const TTermPos& pos = OutputPos[i];
  const PagePoint p = Place(m, pos.X, pos.Y);
  if (!NumberView) s.TextOut(p.X, p.Y - h - 4, OutputName[i]);
  s.TextOut(p.X, p.Y + 2, QString::number(i));
  Line(s, PageCoordinate(p.X - 1LL * m.U * pos.Length), p.Y, p.X + 4 * m.U, p.Y);
}

void PrintConnection(DrawSurface& s, const PrintMetrics& m, int k) {
  const int points = Count(ConnPointCount[k], MaxConnPoint);
  for (int j = 1; j <= points; ++j) {
    const TGridPoint& g = ConnPoint[k][j];
    // A point on the left edge meets the Inputs' lines, which start three pixels in.
    PagePoint p = Place(m, g.X, g.Y);
    if (g.X == 0) p.X = 3 + m.OH;
    if (j == 1)
      s.MoveTo(p.X, p.Y);
    else
      s.LineTo(p.X, p.Y);
  }
}

void PrintComment(DrawSurface& s, const PrintMetrics& m, int i, int h) {
  const PagePoint p = Place(m, CommentPos[i].X, CommentPos[i].Y, 3);
  s.TextOut(p.X, p.Y - h - 4, CommentText[i]);
}

void PrintDot(DrawSurface& s, const PrintMetrics& m, int i) {
  const PagePoint p = Place(m, DotPos[i].X, DotPos[i].Y, 3);
  s.Ellipse(p.X - m.P, p.Y - m.P, p.X + m.P, p.Y + m.P);
}

}  // namespace

void PrintNet(DrawSurface& s, const PrintMetrics& m) {
  s.SetFont(DrawFontName, FontSize, BoldFont, Colors::Black);
  s.SetPen(Colors::Black, m.LinePen, PenStyle::Solid);
  s.SetBrush(Colors::White, BrushStyle::Clear);
  const int h = s.TextHeight();
  for (int i = 1; i <= Count(ZEPCount, MaxZEP); ++i) PrintZEP(s, m, i, h);
  for (int i = 1; i <= Count(InputCount, MaxInput); ++i) PrintInput(s, m, i, h);
  for (int i = 1; i <= Count(OutputCount, MaxOutput); ++i) PrintOutput(s, m, i, h);
  for (int k = 1; k <= Count(ConnCount, MaxConn); ++k) PrintConnection(s, m, k);
  if (!NumberView)
    for (int i = 1; i <= Count(CommentCount, MaxComment); ++i) PrintComment(s, m, i, h);
  s.SetBrush(Colors::Black, BrushStyle::Solid);
  for (int i = 1; i <= Count(DotCount, MaxDot); ++i) PrintDot(s, m, i);
}
