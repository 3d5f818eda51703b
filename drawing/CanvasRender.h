#pragma once
// The whole canvas painted in one go onto a QPainter device (image, PDF page, SVG), for
// rendering a net without a window.
#include <QImage>
#include <QPainter>
#include <QString>

// Text sizes on rendered images, PDF pages and SVG follow a common screen resolution.
inline constexpr int RenderPixelsPerInch = 96;

// The largest image rendered in memory, in pixels (400 MB at four bytes a pixel).
inline constexpr qint64 MaxRenderImagePixels = 100'000'000;

// Paints the whole paint area (Pitch × canvas size) with the painter.
void PaintWholeCanvas(QPainter& painter, int pixelsPerInch = RenderPixelsPerInch);

// The whole canvas as an image; a null image when it would exceed MaxRenderImagePixels or
// cannot be allocated.
QImage RenderCanvasImage();

// Common PDF readers refuse pages beyond 200 inches a side.
inline constexpr int MaxPdfPageInches = 200;

// The factor that brings the canvas's PDF page within MaxPdfPageInches: 1 when it fits.
double PdfPageFit();

// The whole canvas on one PDF page of the canvas's own size times `factor`; false when the
// file cannot be written.
bool WriteCanvasPdf(const QString& path, double factor = 1.0);
