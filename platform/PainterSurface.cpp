#include "platform/PainterSurface.h"

#include <QFontMetrics>
#include <cmath>

namespace {
QColor ToColor(Rgb c) { return QColor(c.Red, c.Green, c.Blue); }
}  // namespace

int CharHeight(int points, int pixelsPerInch) {
  return static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
}

PainterSurface::PainterSurface(QPainter& painter, int pixelsPerInch)
    : painter_(painter), ppi_(pixelsPerInch), pen_(Qt::black), brush_(Qt::NoBrush),
      fontColor_(Qt::black) {
  pen_.setCapStyle(Qt::SquareCap);
  pen_.setJoinStyle(Qt::MiterJoin);
}

void PainterSurface::SetPen(Rgb color, int width, PenStyle style) {
  pen_ = QPen(ToColor(color), width, style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
              Qt::SquareCap, Qt::MiterJoin);
  if (style == PenStyle::Dot) pen_.setCapStyle(Qt::FlatCap);
}

void PainterSurface::SetBrush(Rgb color, BrushStyle style) {
  brush_ = style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(ToColor(color));
}

void PainterSurface::SetFont(const QString& face, int points, bool bold, Rgb color) {
  font_ = QFont(face);
  // Sized in pixels from this device's resolution so screen, image and printer agree.
  font_.setPixelSize(std::max(1, CharHeight(points, ppi_)));
  font_.setBold(bold);
  fontPoints_ = points;
  fontColor_ = ToColor(color);
}

void PainterSurface::SetFontColor(Rgb color) { fontColor_ = ToColor(color); }

void PainterSurface::FillRect(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), brush_);
}

void PainterSurface::Ellipse(int left, int top, int right, int bottom) {
  painter_.setPen(pen_);
  painter_.setBrush(brush_);
  painter_.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

void PainterSurface::Rectangle(int left, int top, int right, int bottom) {
  painter_.setPen(pen_);
  painter_.setBrush(brush_);
  painter_.drawRect(QRectF(left, top, right - left, bottom - top));
}

void PainterSurface::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
  painter_.setPen(pen_);
  painter_.drawLine(penPos_, QPoint(x, y));
  penPos_ = QPoint(x, y);
}

void PainterSurface::TextOut(int x, int y, const QString& text) {
  painter_.setFont(font_);
  painter_.setPen(fontColor_);
  const QFontMetrics metrics(font_, painter_.device());
  painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

int PainterSurface::TextWidth(const QString& text) {
  const QFontMetrics metrics(font_, painter_.device());
  return metrics.horizontalAdvance(text);
}

int PainterSurface::TextHeight() { return CharHeight(fontPoints_, ppi_); }
