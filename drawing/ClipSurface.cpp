#include "drawing/ClipSurface.h"

#include <algorithm>

ClipSurface::ClipSurface(DrawSurface& inner, const QRect& area) : inner_(inner), area_(area) {}

bool ClipSurface::Meets(int left, int top, int right, int bottom, int margin) const {
  if (area_.isEmpty()) return false;
  const auto [l, r] = std::minmax(left, right);
  const auto [t, b] = std::minmax(top, bottom);
  return r + margin >= area_.left() && l - margin <= area_.right() && b + margin >= area_.top() &&
         t - margin <= area_.bottom();
}

void ClipSurface::SetPen(Rgb color, int width, PenStyle style) {
  penWidth_ = std::max(1, width);
  pen_ = TPenLook{color, width, style};
}

void ClipSurface::SetBrush(Rgb color, BrushStyle style) { brush_ = TBrushLook{color, style}; }

void ClipSurface::SetFont(const QString& face, int points, bool bold, Rgb color) {
  inner_.SetFont(face, points, bold, color);
  fontColor_.reset();
  textHeight_ = std::max(1, inner_.TextHeight());
}

void ClipSurface::SetFontColor(Rgb color) { fontColor_ = color; }

void ClipSurface::PassPen() {
  if (pen_) inner_.SetPen(pen_->Color, pen_->Width, pen_->Style);
  pen_.reset();
}

void ClipSurface::PassBrush() {
  if (brush_) inner_.SetBrush(brush_->Color, brush_->Style);
  brush_.reset();
}

void ClipSurface::PassFontColor() {
  if (fontColor_) inner_.SetFontColor(*fontColor_);
  fontColor_.reset();
}

void ClipSurface::FillRect(int left, int top, int right, int bottom) {
  if (!Meets(left, top, right, bottom, 1)) return;
  PassBrush();
  inner_.FillRect(left, top, right, bottom);
}

void ClipSurface::Ellipse(int left, int top, int right, int bottom) {
  if (!Meets(left, top, right, bottom, penWidth_ + 1)) return;
  PassPen();
  PassBrush();
  inner_.Ellipse(left, top, right, bottom);
}

void ClipSurface::Rectangle(int left, int top, int right, int bottom) {
  if (!Meets(left, top, right, bottom, penWidth_ + 1)) return;
  PassPen();
  PassBrush();
  inner_.Rectangle(left, top, right, bottom);
}

void ClipSurface::MoveTo(int x, int y) {
  penPos_ = QPoint(x, y);
  innerAtPenPos_ = false;
}

void ClipSurface::LineTo(int x, int y) {
  // Square caps reach half a pen width beyond the ends; a pen width covers them.
  if (Meets(penPos_.x(), penPos_.y(), x, y, penWidth_ + 1)) {
    PassPen();
    if (!innerAtPenPos_) inner_.MoveTo(penPos_.x(), penPos_.y());
    inner_.LineTo(x, y);
    innerAtPenPos_ = true;
  } else {
    innerAtPenPos_ = false;
  }
  penPos_ = QPoint(x, y);
}

void ClipSurface::TextOut(int x, int y, const QString& text) {
  // Judged without measuring: no glyph of a drawing font is wider than two character
  // heights, nor reaches further below its top than that.
  const int h = textHeight_ > 0 ? textHeight_ : std::max(1, inner_.TextHeight());
  const int width = 2 * h * static_cast<int>(text.size());
  if (!Meets(x, y, x + width, y + 2 * h, h / 2 + 2)) return;
  PassFontColor();
  inner_.TextOut(x, y, text);
}
