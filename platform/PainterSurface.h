#pragma once
// The drawing surface over a QPainter: the screen, images, SVG, PDF and the printer.
#include <QCache>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QStaticText>
#include <memory>
#include <optional>

#include "platform/DrawSurface.h"

// Laying out a text costs more than drawing it, and a canvas repaints the same names again
// and again: the laid-out texts and widths of a font are kept, within a bound.
struct FontTexts {
  static constexpr int Kept = 8192;
  QCache<QString, QStaticText> LaidOut{Kept};
  QHash<QString, int> Widths;
};

class PainterSurface : public DrawSurface {
public:
  // pixelsPerInch: the resolution that turns font points into pixels on this device.
  PainterSurface(QPainter& painter, int pixelsPerInch);

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
  int TextWidth(const QString& text) override;
  int TextHeight() override;
  int PixelsPerInch() const override { return ppi_; }

private:
  QPainter& painter_;
  int ppi_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
  QColor fontColor_;
  int fontPoints_ = 8;
  QPoint penPos_;
  // The font's metrics on this device and its kept texts, taken once per SetFont.
  std::optional<QFontMetrics> metrics_;
  std::shared_ptr<FontTexts> texts_;
  const QFontMetrics& Metrics();
};

// Text metrics outside a paint event: `measure` gets a surface over a scratch image whose
// texts are measured at the given resolution and at the pixel ratio of the screen the
// canvas shows on.
template <typename Measure>
auto MeasureOffScreen(int pixelsPerInch, qreal pixelRatio, Measure&& measure) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  scratch.setDevicePixelRatio(pixelRatio);
  QPainter painter(&scratch);
  PainterSurface surface(painter, pixelsPerInch);
  return measure(surface);
}
