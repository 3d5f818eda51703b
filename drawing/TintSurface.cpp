#include "drawing/TintSurface.h"

void TintSurface::SetTint(const std::optional<TTint>& tint) {
  if (tint == tint_) return;
  tint_ = tint;
  PassPen();
  PassBrush();
  PassFontColor();
}

void TintSurface::SetPen(Rgb color, int width, PenStyle style) {
  pen_ = TPenLook{color, width, style};
  PassPen();
}

void TintSurface::SetBrush(Rgb color, BrushStyle style) {
  brush_ = TBrushLook{color, style};
  PassBrush();
}

void TintSurface::SetFont(const QString& face, int points, bool bold, Rgb color) {
  fontColor_ = color;
  inner_.SetFont(face, points, bold, tint_ ? tint_->Color : color);
}

void TintSurface::SetFontColor(Rgb color) {
  fontColor_ = color;
  PassFontColor();
}

void TintSurface::PassPen() {
  if (!pen_) return;
  if (tint_) inner_.SetPen(tint_->Color, pen_->Width, tint_->Dotted ? PenStyle::Dot : pen_->Style);
  else inner_.SetPen(pen_->Color, pen_->Width, pen_->Style);
}

// A clear brush fills nothing, whatever its colour.
void TintSurface::PassBrush() {
  if (!brush_) return;
  inner_.SetBrush(tint_ && brush_->Style == BrushStyle::Solid ? tint_->Color : brush_->Color, brush_->Style);
}

void TintSurface::PassFontColor() {
  if (fontColor_) inner_.SetFontColor(tint_ ? tint_->Color : *fontColor_);
}
