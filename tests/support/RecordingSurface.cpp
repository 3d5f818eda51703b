#include "support/RecordingSurface.h"

namespace {
QString C(Rgb c) { return QStringLiteral("%1,%2,%3").arg(c.Red).arg(c.Green).arg(c.Blue); }
QString Box(int l, int t, int r, int b) { return QStringLiteral("%1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b); }
}  // namespace

void RecordingSurface::SetPen(Rgb color, int width, PenStyle style) {
  Calls << QStringLiteral("Pen %1 w%2 %3").arg(C(color)).arg(width).arg(style == PenStyle::Dot ? "Dot" : "Solid");
}

void RecordingSurface::SetBrush(Rgb color, BrushStyle style) {
  Calls << QStringLiteral("Brush %1 %2").arg(C(color), style == BrushStyle::Clear ? "Clear" : "Solid");
}

void RecordingSurface::SetFont(const QString& face, int points, bool bold, Rgb color) {
  points_ = points;
  Calls << QStringLiteral("Font %1 %2 %3 %4").arg(face).arg(points).arg(bold ? "bold" : "regular", C(color));
}

void RecordingSurface::SetFontColor(Rgb color) { Calls << QStringLiteral("FontColor ") + C(color); }

void RecordingSurface::FillRect(int l, int t, int r, int b) { Calls << "FillRect " + Box(l, t, r, b); }
void RecordingSurface::Ellipse(int l, int t, int r, int b) { Calls << "Ellipse " + Box(l, t, r, b); }
void RecordingSurface::Rectangle(int l, int t, int r, int b) { Calls << "Rectangle " + Box(l, t, r, b); }
void RecordingSurface::MoveTo(int x, int y) { Calls << QStringLiteral("MoveTo %1,%2").arg(x).arg(y); }
void RecordingSurface::LineTo(int x, int y) { Calls << QStringLiteral("LineTo %1,%2").arg(x).arg(y); }

void RecordingSurface::TextOut(int x, int y, const QString& text) {
  Calls << QStringLiteral("Text %1,%2 %3").arg(x).arg(y).arg(text);
}

int RecordingSurface::TextWidth(const QString& text) { return charWidth_ * static_cast<int>(text.size()); }

int RecordingSurface::TextHeight() { return CharHeight(points_, ppi_); }

QStringList RecordingSurface::Matching(const QString& prefix) const {
  QStringList lines;
  for (const QString& line : Calls)
    if (line.startsWith(prefix)) lines << line;
  return lines;
}
