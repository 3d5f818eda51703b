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

// The whole paint area (Pitch × canvas size), in pixels.
QRect WholePaintArea();

// Paints the whole paint area with the painter; with `changes`, the changes from an older
// net are marked on it.
void PaintWholeCanvas(QPainter& painter, int pixelsPerInch = RenderPixelsPerInch,
                      const TChangeMarks* changes = nullptr);

// Paints `area` (paint-area pixels) with the painter, its top-left corner at the device's
// origin. Parts of it beyond the paint area are drawn as the canvas would go on there.
void PaintCanvasArea(QPainter& painter, const QRect& area, int pixelsPerInch = RenderPixelsPerInch,
                     const TChangeMarks* changes = nullptr);

// The area as an image; a null image when it would exceed MaxRenderImagePixels or cannot
// be allocated.
QImage RenderCanvasImage(const QRect& area = WholePaintArea(), const TChangeMarks* changes = nullptr);

// Common PDF readers refuse pages beyond 200 inches a side.
inline constexpr int MaxPdfPageInches = 200;

// The factor that brings the area's PDF page within MaxPdfPageInches: 1 when it fits.
double PdfPageFit(const QRect& area = WholePaintArea());

// The area on one PDF page of its own size times `factor`, as the bytes of its file;
// empty when the page cannot be painted.
QByteArray CanvasPdf(double factor = 1.0, const QRect& area = WholePaintArea(),
                     const TChangeMarks* changes = nullptr);

// That page written to a file, atomically (WriteFileAtomically); false when the file
// cannot be written, which then stays as it was.
bool WriteCanvasPdf(const QString& path, double factor = 1.0);
