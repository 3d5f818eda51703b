#pragma once
// The whole canvas painted in one go onto a QPainter device (image, PDF page, SVG), for
// rendering a net without a window.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

// Text sizes on rendered images, PDF pages and SVG follow a common screen resolution.
inline constexpr int RenderPixelsPerInch = 96;

// The largest image rendered in memory, in pixels (400 MB at four bytes a pixel).
inline constexpr qint64 MaxRenderImagePixels = 100'000'000;

struct TChangeMarks;

// Paints the whole paint area (Pitch × canvas size) with the painter; with `changes`, the
// changes from an older net are marked on it.
void PaintWholeCanvas(QPainter& painter, int pixelsPerInch = RenderPixelsPerInch,
                      const TChangeMarks* changes = nullptr);

// The whole canvas as an image; a null image when it would exceed MaxRenderImagePixels or
// cannot be allocated.
QImage RenderCanvasImage(const TChangeMarks* changes = nullptr);

// Common PDF readers refuse pages beyond 200 inches a side.
inline constexpr int MaxPdfPageInches = 200;

// The factor that brings the canvas's PDF page within MaxPdfPageInches: 1 when it fits.
double PdfPageFit();

// The whole canvas on one PDF page of the canvas's own size times `factor`, as the bytes
// of its file; empty when the page cannot be painted.
QByteArray CanvasPdf(double factor = 1.0, const TChangeMarks* changes = nullptr);

// That page written to a file, atomically (WriteFileAtomically); false when the file
// cannot be written, which then stays as it was.
bool WriteCanvasPdf(const QString& path, double factor = 1.0);
