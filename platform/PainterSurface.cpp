#include "platform/PainterSurface.h"

#include <QCache>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QStaticText>
#include <algorithm>
#include <cmath>

namespace {
QColor ToColor(Rgb c) { return QColor(c.Red, c.Green, c.Blue); }

constexpr int KeptFonts = 64;

// The kept texts of one font on devices of one resolution.
std::shared_ptr<FontTexts> TextsOfFont(const QString& key) {
  static QHash<QString, std::shared_ptr<FontTexts>> fonts;
  std::shared_ptr<FontTexts>& texts = fonts[key];
  if (!texts) {
    if (fonts.size() > KeptFonts) {
      fonts.clear();
      return fonts[key] = std::make_shared<FontTexts>();
    }
    texts = std::make_shared<FontTexts>();
  }
  return texts;
}

// On a raster device without smoothing and at a whole-pixel offset, a shape comes out
// with the same pixels wherever it is drawn: a circle can be drawn once and copied, and a
// level or upright line is the rectangle of pixels it covers. Both are far cheaper than
// stroking, and vector devices (printer, PDF, SVG) still get the shapes themselves. The
// device transform counts the device pixel ratio: on a high-density screen a copied shape
// would come out scaled up and coarse, so there the shapes are drawn.
bool DrawsWholePixels(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster || painter.testRenderHint(QPainter::Antialiasing))
    return false;
  const QTransform t = painter.deviceTransform();
  return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// A dotted one-pixel line lights every third pixel from its start, its end excluded. Drawn
// forward along a row or a column it is a piece of a strip of such dots; the strip is
// also anchored at the line's start where the line enters the device beyond its edge.
constexpr int DotSpacing = 3;
constexpr int LongestDottedStrip = 1 << 16;

const QImage& DottedStrip(const QColor& color, bool upright, int length) {
  static QHash<QString, QImage> strips;
  const QString key = QStringLiteral("%1,%2").arg(color.rgba()).arg(upright);
  QImage& strip = strips[key];
  if (strip.isNull() || (upright ? strip.height() : strip.width()) < length) {
    const int size = std::max(length, 4096);
    strip = QImage(upright ? 1 : size, upright ? size : 1, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    for (int i = 0; i < size; i += DotSpacing) strip.setPixelColor(upright ? 0 : i, upright ? i : 0, color);
  }
  return strip;
}

constexpr int LargestCopiedEllipse = 256;
constexpr int KeptEllipses = 256;

// An ellipse of the given size drawn once with the pen and brush, `margin` pixels in.
const QImage& EllipseImage(int width, int height, const QPen& pen, const QBrush& brush, int margin) {
  static QHash<QByteArray, QImage> images;
  const quint32 fields[] = {quint32(width), quint32(height), pen.color().rgba(), quint32(pen.width()),
                            quint32(brush.style()), brush.color().rgba()};
  const QByteArray key(reinterpret_cast<const char*>(fields), sizeof fields);
  const auto kept = images.constFind(key);
  if (kept != images.constEnd()) return *kept;
  if (images.size() >= KeptEllipses) images.clear();
  QImage image(width + 2 * margin + 1, height + 2 * margin + 1, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(pen);
  painter.setBrush(brush);
  painter.drawEllipse(QRectF(margin, margin, width, height));
  painter.end();
  return *images.insert(key, image);
}
}  // namespace

int CharHeight(int points, int pixelsPerInch) {
  return static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
}

PainterSurface::PainterSurface(QPainter& painter, int pixelsPerInch)
    : painter_(painter), ppi_(pixelsPerInch), pen_(Qt::black), brush_(Qt::NoBrush),
      fontColor_(Qt::black) {
  pen_.setCapStyle(Qt::SquareCap);
  pen_.setJoinStyle(Qt::MiterJoin);
}

void PainterSurface::SetPen(Rgb color, int width, PenStyle style) {
  pen_ = QPen(ToColor(color), width, style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
              Qt::SquareCap, Qt::MiterJoin);
  if (style == PenStyle::Dot) pen_.setCapStyle(Qt::FlatCap);
}

void PainterSurface::SetBrush(Rgb color, BrushStyle style) {
  brush_ = style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(ToColor(color));
}

void PainterSurface::SetFont(const QString& face, int points, bool bold, Rgb color) {
  font_ = QFont(face);
  // Sized in pixels from this device's resolution so screen, image and printer agree.
  font_.setPixelSize(std::max(1, CharHeight(points, ppi_)));
  font_.setBold(bold);
  fontPoints_ = points;
  fontColor_ = ToColor(color);
  metrics_.reset();
}

const QFontMetrics& PainterSurface::Metrics() {
  if (!metrics_) {
    metrics_.emplace(font_, painter_.device());
    texts_ = TextsOfFont(font_.key() + QChar(0x1f) + QString::number(painter_.device()->logicalDpiY()));
  }
  return *metrics_;
}

void PainterSurface::SetFontColor(Rgb color) { fontColor_ = ToColor(color); }

void PainterSurface::FillRect(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), brush_);
}

void PainterSurface::Ellipse(int left, int top, int right, int bottom) {
  const int width = right - left;
  const int height = bottom - top;
  if (pen_.style() == Qt::SolidLine && width >= 0 && height >= 0 && width <= LargestCopiedEllipse &&
      height <= LargestCopiedEllipse && pen_.width() <= 4 && DrawsWholePixels(painter_)) {
    const int margin = pen_.width() + 2;
    painter_.drawImage(QPoint(left - margin, top - margin), EllipseImage(width, height, pen_, brush_, margin));
    return;
  }
  painter_.setPen(pen_);
  painter_.setBrush(brush_);
  painter_.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

void PainterSurface::Rectangle(int left, int top, int right, int bottom) {
  painter_.setPen(pen_);
  painter_.setBrush(brush_);
  painter_.drawRect(QRectF(left, top, right - left, bottom - top));
}

void PainterSurface::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
  const int width = pen_.width();
  const int across = x - penPos_.x();
  const int down = y - penPos_.y();
  if (pen_.style() == Qt::DotLine && width <= 1 && ((across == 0 && down > 0) || (down == 0 && across > 0)) &&
      std::max(across, down) <= LongestDottedStrip && DrawsWholePixels(painter_)) {
    const int length = std::max(across, down);
    const QImage& strip = DottedStrip(pen_.color(), across == 0, length);
    painter_.drawImage(penPos_, strip, across == 0 ? QRect(0, 0, 1, length) : QRect(0, 0, length, 1));
    penPos_ = QPoint(x, y);
    return;
  }
  if ((x == penPos_.x() || y == penPos_.y()) && pen_.style() == Qt::SolidLine && width >= 1 && width <= 2 &&
      DrawsWholePixels(painter_)) {
    const QRect covered = QRect(QPoint(std::min(x, penPos_.x()), std::min(y, penPos_.y())),
                                QPoint(std::max(x, penPos_.x()), std::max(y, penPos_.y())))
                              .adjusted(-width / 2, -width / 2, (width - 1) / 2, (width - 1) / 2);
    painter_.fillRect(covered, pen_.color());
    penPos_ = QPoint(x, y);
    return;
  }
  painter_.setPen(pen_);
  painter_.drawLine(penPos_, QPoint(x, y));
  penPos_ = QPoint(x, y);
}

void PainterSurface::TextOut(int x, int y, const QString& text) {
  // Setting the painter's font anew makes it look the font up again on the next text.
  if (painter_.font() != font_) painter_.setFont(font_);
  painter_.setPen(fontColor_);
  Metrics();
  QStaticText* laidOut = texts_->LaidOut.object(text);
  if (!laidOut) {
    laidOut = new QStaticText(text);
    laidOut->setTextFormat(Qt::PlainText);
    laidOut->prepare(QTransform(), font_);
    texts_->LaidOut.insert(text, laidOut);
  }
  // Placed by its top-left corner, as drawText at the baseline (y + ascent) places it.
  painter_.drawStaticText(QPoint(x, y), *laidOut);
}

int PainterSurface::TextWidth(const QString& text) {
  const QFontMetrics& metrics = Metrics();
  QHash<QString, int>& widths = texts_->Widths;
  const auto kept = widths.constFind(text);
  if (kept != widths.constEnd()) return *kept;
  if (widths.size() >= FontTexts::Kept) widths.clear();
  const int width = metrics.horizontalAdvance(text);
  widths.insert(text, width);
  return width;
}

int PainterSurface::TextHeight() { return CharHeight(fontPoints_, ppi_); }
