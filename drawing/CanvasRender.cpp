#include "drawing/CanvasRender.h"

#include <QBuffer>
#include <algorithm>
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

QRect WholePaintArea() { return QRect(0, 0, PaintAreaWidth(), PaintAreaHeight()); }

void PaintWholeCanvas(QPainter& painter, int pixelsPerInch, const TChangeMarks* changes) {
  PaintCanvasArea(painter, WholePaintArea(), pixelsPerInch, changes);
}

void PaintCanvasArea(QPainter& painter, const QRect& area, int pixelsPerInch, const TChangeMarks* changes) {
  if (area.topLeft() != QPoint(0, 0)) painter.translate(-area.topLeft());
  // The painter's background starts at the canvas's corner.
  if (area.left() < 0 || area.top() < 0) painter.fillRect(area, Qt::white);
  PainterSurface surface(painter, pixelsPerInch);
  const int width = std::max(PaintAreaWidth(), area.right() + 1);
  const int height = std::max(PaintAreaHeight(), area.bottom() + 1);
  if (changes) PaintNet(surface, width, height, area, *changes);
  else PaintNet(surface, width, height, area);
}

QImage RenderCanvasImage(const QRect& area, const TChangeMarks* changes) {
  const qint64 width = area.width();
  const qint64 height = area.height();
  if (width <= 0 || height <= 0 || width * height > MaxRenderImagePixels) return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int dotsPerMetre = static_cast<int>(RenderPixelsPerInch / MetresPerInch + 0.5);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  PaintCanvasArea(painter, area, RenderPixelsPerInch, changes);
  return image;
}

double PdfPageFit(const QRect& area) {
  const double longest = std::max(area.width(), area.height());
  const double limit = double(MaxPdfPageInches) * RenderPixelsPerInch;
  return longest > limit ? limit / longest : 1.0;
}

QByteArray CanvasPdf(double factor, const QRect& area, const TChangeMarks* changes) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const int width = std::max(1, area.width());
  const int height = std::max(1, area.height());
  QPdfWriter writer(&buffer);
  writer.setResolution(RenderPixelsPerInch);
  const double pointsPerPixel = factor * 72.0 / RenderPixelsPerInch;
  const QSizeF points(width * pointsPerPixel, height * pointsPerPixel);
  writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                   QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&writer)) return {};
  painter.scale(factor, factor);
  PaintCanvasArea(painter, area, RenderPixelsPerInch, changes);
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
