#pragma once
// The drawing surface that the screen, the printer and the tests share: pens, brushes,
// fonts, lines, ellipses, text and text metrics, in integer pixels.
#include <QString>

struct Rgb {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace Colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Teal{0, 128, 128};
inline constexpr Rgb Maroon{128, 0, 0};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Navy{0, 0, 128};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Silver{192, 192, 192};
}  // namespace Colors

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

class DrawSurface {
public:
  virtual ~DrawSurface() = default;

  virtual void SetPen(Rgb color, int width, PenStyle style) = 0;
  virtual void SetBrush(Rgb color, BrushStyle style) = 0;
  // Face, size in points, bold, and the colour in which text is drawn.
  virtual void SetFont(const QString& face, int points, bool bold, Rgb color) = 0;
  virtual void SetFontColor(Rgb color) = 0;

  // The rectangle (left, top) to (right, bottom) filled with the brush, no outline.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // The ellipse in the box (left, top, right, bottom): outlined with the pen, filled with the brush.
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // The rectangle outlined with the pen and filled with the brush.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Text with its top-left corner at (x, y), transparent, in the font's colour.
  virtual void TextOut(int x, int y, const QString& text) = 0;

  // The pixel width of a text in the current font.
  virtual int TextWidth(const QString& text) = 0;
  // The character height of the current font: points x pixels per inch / 72, rounded.
  virtual int TextHeight() = 0;
  virtual int PixelsPerInch() const = 0;
};

// Character height in pixels of a font of the given size on a device of the given resolution.
int CharHeight(int points, int pixelsPerInch);
