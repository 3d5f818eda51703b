#pragma once
// A drawing surface that draws in one colour while a tint is set: pens, filled brushes and
// texts take the tint's colour, and pens are dotted when the tint says so. It keeps what it
// was asked for, so the drawing's own colours come back when the tint goes. Strokes, fills,
// texts and metrics pass on unchanged.
#include <optional>

#include "drawing/SurfaceLooks.h"

struct TTint {
  Rgb Color;
  bool Dotted = false;
  friend bool operator==(const TTint&, const TTint&) = default;
};

class TintSurface : public DrawSurface {
public:
  explicit TintSurface(DrawSurface& inner) : inner_(inner) {}

  // What is drawn from now on, until the next call; none draws as asked.
  void SetTint(const std::optional<TTint>& tint);

  void SetPen(Rgb color, int width, PenStyle style) override;
  void SetBrush(Rgb color, BrushStyle style) override;
  void SetFont(const QString& face, int points, bool bold, Rgb color) override;
  void SetFontColor(Rgb color) override;
  void FillRect(int left, int top, int right, int bottom) override { inner_.FillRect(left, top, right, bottom); }
  void Ellipse(int left, int top, int right, int bottom) override { inner_.Ellipse(left, top, right, bottom); }
  void Rectangle(int left, int top, int right, int bottom) override { inner_.Rectangle(left, top, right, bottom); }
  void MoveTo(int x, int y) override { inner_.MoveTo(x, y); }
  void LineTo(int x, int y) override { inner_.LineTo(x, y); }
  void TextOut(int x, int y, const QString& text) override { inner_.TextOut(x, y, text); }
  int TextWidth(const QString& text) override { return inner_.TextWidth(text); }
  int TextHeight() override { return inner_.TextHeight(); }
  int PixelsPerInch() const override { return inner_.PixelsPerInch(); }

private:
  void PassPen();
  void PassBrush();
  void PassFontColor();

  DrawSurface& inner_;
  std::optional<TTint> tint_;
  std::optional<TPenLook> pen_;  // as asked; none before the first
  std::optional<TBrushLook> brush_;
  std::optional<Rgb> fontColor_;
};
