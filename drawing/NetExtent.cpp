#include "drawing/NetExtent.h"

#include <algorithm>
#include <climits>

#include "drawing/NetPainter.h"
#include "model/NetDef.h"

namespace {

// A surface that draws nothing and notes the pixel box that everything drawn on it covers,
// strokes widened by half their pen; texts are measured by the surface it wraps.
class BoundsSurface : public DrawSurface {
public:
  explicit BoundsSurface(DrawSurface& metrics) : metrics_(metrics) {}

  void SetPen(Rgb, int width, PenStyle) override { reach_ = std::max(1, width) / 2 + 1; }
  void SetBrush(Rgb, BrushStyle) override {}
  void SetFont(const QString& face, int points, bool bold, Rgb color) override {
    metrics_.SetFont(face, points, bold, color);
  }
  void SetFontColor(Rgb) override {}
  void FillRect(int left, int top, int right, int bottom) override { Cover(left, top, right, bottom, 0); }
  void Ellipse(int left, int top, int right, int bottom) override { Cover(left, top, right, bottom, reach_); }
  void Rectangle(int left, int top, int right, int bottom) override { Cover(left, top, right, bottom, reach_); }
  void MoveTo(int x, int y) override {
    x_ = x;
    y_ = y;
  }
  void LineTo(int x, int y) override {
    Cover(x_, y_, x, y, reach_);
    MoveTo(x, y);
  }
  void TextOut(int x, int y, const QString& text) override {
    Cover(x, y, x + metrics_.TextWidth(text), y + metrics_.TextHeight(), 0);
  }
  int TextWidth(const QString& text) override { return metrics_.TextWidth(text); }
  int TextHeight() override { return metrics_.TextHeight(); }
  int PixelsPerInch() const override { return metrics_.PixelsPerInch(); }

  bool Empty() const { return left_ > right_; }
  long long Left() const { return left_; }
  long long Top() const { return top_; }
  long long Right() const { return right_; }
  long long Bottom() const { return bottom_; }

private:
  void Cover(long long x1, long long y1, long long x2, long long y2, int reach) {
    left_ = std::min({left_, x1 - reach, x2 - reach});
    top_ = std::min({top_, y1 - reach, y2 - reach});
    right_ = std::max({right_, x1 + reach, x2 + reach});
    bottom_ = std::max({bottom_, y1 + reach, y2 + reach});
  }

  DrawSurface& metrics_;
  int reach_ = 1;
  int x_ = 0;
  int y_ = 0;
  long long left_ = LLONG_MAX;
  long long top_ = LLONG_MAX;
  long long right_ = LLONG_MIN;
  long long bottom_ = LLONG_MIN;
};

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

int ToInt(long long units) { return static_cast<int>(std::clamp<long long>(units, INT_MIN / 2, INT_MAX / 2)); }

}  // namespace

std::optional<TGridRect> NetExtent(DrawSurface& metrics) {
  BoundsSurface bounds(metrics);
  PaintElements(bounds);
  if (bounds.Empty() || Pitch <= 0) return std::nullopt;
  return TGridRect{ToInt(FloorDiv(bounds.Left(), Pitch) - FitMargin), ToInt(FloorDiv(bounds.Top(), Pitch) - FitMargin),
                   ToInt(CeilDiv(bounds.Right(), Pitch) + FitMargin), ToInt(CeilDiv(bounds.Bottom(), Pitch) + FitMargin)};
}

int FitScale(const TGridRect& extent, QSize viewport) {
  for (int scale = 1; scale < 6; ++scale) {
    const long long pitch = ScaleSize(scale) / 2;
    if (pitch * extent.Width() <= viewport.width() && pitch * extent.Height() <= viewport.height()) return scale;
  }
  return 6;
}
