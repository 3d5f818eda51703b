#pragma once
// A drawing surface that passes on only the strokes, fills and texts that can meet one
// rectangle of the paint area, so repainting a small exposed part of a large canvas costs
// little. Whatever can meet the rectangle is passed on unchanged, so the pixels inside it
// are exactly those of a full paint. Fonts and text metrics always pass; a pen, brush or
// text colour passes just before the first stroke, fill or text that uses it.
#include <QPoint>
#include <QRect>
#include <optional>

#include "drawing/SurfaceLooks.h"

class ClipSurface : public DrawSurface {
public:
  ClipSurface(DrawSurface& inner, const QRect& area);

  void SetPen(Rgb color, int width, PenStyle style) override;
  void SetBrush(Rgb color, BrushStyle style) override;
  void SetFont(const QString& face, int points, bool bold, Rgb color) override;
  void SetFontColor(Rgb color) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const QString& text) override;
  int TextWidth(const QString& text) override { return inner_.TextWidth(text); }
  int TextHeight() override { return inner_.TextHeight(); }
  int PixelsPerInch() const override { return inner_.PixelsPerInch(); }

private:
  // True when the box (inclusive), widened by `margin` on every side, meets the area.
  bool Meets(int left, int top, int right, int bottom, int margin) const;
  void PassPen();
  void PassBrush();
  void PassFontColor();

  DrawSurface& inner_;
  QRect area_;
  std::optional<TPenLook> pen_;  // set here, not yet passed on
  std::optional<TBrushLook> brush_;
  std::optional<Rgb> fontColor_;
  int penWidth_ = 1;
  int textHeight_ = 0;
  QPoint penPos_;
  bool innerAtPenPos_ = false;  // the inner surface's pen stands where ours does
};
