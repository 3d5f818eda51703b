#include "drawing/CanvasRender.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "drawing/NetPainter.h"
#include "drawing/ViewScale.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/PainterSurface.h"

namespace {

constexpr double MetresPerInch = 0.0254;

}  // namespace

void PaintWholeCanvas(QPainter& painter, int pixelsPerInch, const TChangeMarks* changes) {
  PainterSurface surface(painter, pixelsPerInch);
  const int width = PaintAreaWidth();
  const int height = PaintAreaHeight();
  if (changes) PaintNet(surface, width, height, QRect(0, 0, width, height), *changes);
  else PaintNet(surface, width, height, QRect(0, 0, width, height));
}

QImage RenderCanvasImage(const TChangeMarks* changes) {
  const qint64 width = PaintAreaWidth();
  const qint64 height = PaintAreaHeight();
  if (width <= 0 || height <= 0 || width * height > MaxRenderImagePixels) return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int dotsPerMetre = static_cast<int>(RenderPixelsPerInch / MetresPerInch + 0.5);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  PaintWholeCanvas(painter, RenderPixelsPerInch, changes);
  return image;
}

double PdfPageFit() {
  const double longest = std::max(PaintAreaWidth(), PaintAreaHeight());
  const double limit = double(MaxPdfPageInches) * RenderPixelsPerInch;
  return longest > limit ? limit / longest : 1.0;
}

QByteArray CanvasPdf(double factor, const TChangeMarks* changes) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const int width = std::max(1, PaintAreaWidth());
  const int height = std::max(1, PaintAreaHeight());
  QPdfWriter writer(&buffer);
  writer.setResolution(RenderPixelsPerInch);
  const double pointsPerPixel = factor * 72.0 / RenderPixelsPerInch;
  const QSizeF points(width * pointsPerPixel, height * pointsPerPixel);
  writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                   QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&writer)) return {};
  painter.scale(factor, factor);
  PaintWholeCanvas(painter, RenderPixelsPerInch, changes);
  painter.end();
  return bytes;
}

bool WriteCanvasPdf(const QString& path, double factor) {
  const QByteArray pdf = CanvasPdf(factor);
  if (pdf.isEmpty()) return false;
  try {
    WriteFileAtomically(path, pdf);
    return true;
  } catch (const EInOutError&) {
    return false;
  }
}
