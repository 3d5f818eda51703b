// The painter on a real QPainter: a partial repaint gives the pixels of a full one, the
// surface's quick shapes give the stroked pixels, and a few pixels of painted nets.
#include <QFile>
#include <QImage>
#include <QPainter>

#include "DrawingFixture.h"
#include "bench/FullNet.h"
#include "drawing/CanvasRender.h"
#include "drawing/NetPainter.h"
#include "netfile/NetReader.h"
#include "platform/PainterSurface.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace {

class PaintedImageTest : public DrawingTest {};

// The window (left, top, size) of the canvas painted onto an image, with only `exposed`
// (canvas pixels) asked for and the painter clipped to it, as in a widget's paint event.
QImage PaintWindow(const QRect& window, const QRect& exposed) {
  QImage image(window.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  painter.translate(-window.topLeft());
  painter.setClipRect(exposed);
  PainterSurface surface(painter, 96);
  PaintNet(surface, PaintAreaWidth(), PaintAreaHeight(), exposed);
  return image;
}

struct Boxes {
  Table<TLabelBox, MaxInput> inputs = InputBox;
  Table<TLabelBox, MaxOutput> outputs = OutputBox;
  Table<TLabelBox, MaxComment> comments = CommentBox;
  Table<TLabelBox, MaxDot> dots = DotBox;
  void Restore() const {
    InputBox = inputs;
    OutputBox = outputs;
    CommentBox = comments;
    DotBox = dots;
  }
  bool operator==(const Boxes& o) const {
    for (int i = 1; i <= MaxInput; ++i) if (!(inputs[i] == o.inputs[i])) return false;
    for (int i = 1; i <= MaxOutput; ++i) if (!(outputs[i] == o.outputs[i])) return false;
    for (int i = 1; i <= MaxComment; ++i) if (!(comments[i] == o.comments[i])) return false;
    for (int i = 1; i <= MaxDot; ++i) if (!(dots[i] == o.dots[i])) return false;
    return true;
  }
};

// The number of pixels inside `area` (canvas pixels) that differ between the two windows.
int Differences(const QImage& a, const QImage& b, const QRect& window, const QRect& area) {
  int count = 0;
  const QRect inside = area.intersected(window);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (a.pixel(x - window.left(), y - window.top()) != b.pixel(x - window.left(), y - window.top())) {
        if (count < 8) qWarning("diff at %d,%d: %08x vs %08x", x, y, a.pixel(x - window.left(), y - window.top()), b.pixel(x - window.left(), y - window.top()));
        ++count;
      }
  return count;
}

TEST_F(PaintedImageTest, APartialRepaintGivesThePixelsOfAFullOne) {
  FillFullNet();
  CanvasWidth = 400;
  CanvasHeight = 250;
  CurZEP = 20;
  CurInput = 70;
  CurOutput = 3;
  CurComment = 2;
  CurDot = 5;
  const struct { int scale; bool mono; QRect window; } views[] = {
      {1, false, QRect(1700, 150, 700, 400)},
      {2, false, QRect(0, 0, 700, 500)},
      {2, true, QRect(1500, 200, 700, 500)},
      {4, false, QRect(600, 300, 600, 400)},
      {6, false, QRect(0, 0, 2000, 1250)},
      {6, true, QRect(300, 100, 900, 600)},
  };
  for (const auto& v : views) {
    UseScale(v.scale);
    BWMode = v.mono;
    const Boxes before;
    const QImage full = PaintWindow(v.window, QRect(0, 0, PaintAreaWidth(), PaintAreaHeight()));
    const Boxes afterFull;
    // Strips and blocks at odd places, cutting through texts, circles and grid lines.
    const QRect parts[] = {
        QRect(v.window.left() + 37, v.window.top() + 11, 211, 97),
        QRect(v.window.left() + 1, v.window.top() + 133, v.window.width() - 2, 7),
        QRect(v.window.left() + 301, v.window.top(), 5, v.window.height()),
        QRect(v.window.left() + 123, v.window.top() + 201, 333, 177),
        QRect(v.window.left() + 400, v.window.top() + 50, 1, 1),
    };
    for (const QRect& part : parts) {
      before.Restore();
      const QImage partial = PaintWindow(v.window, part);
      EXPECT_EQ(Differences(full, partial, v.window, part), 0)
          << "scale " << v.scale << (v.mono ? " mono " : " colour ") << part.x() << "," << part.y() << " "
          << part.width() << "x" << part.height();
      EXPECT_TRUE(Boxes() == afterFull) << "label boxes after a partial paint, scale " << v.scale;
    }
  }
}

TEST_F(PaintedImageTest, PixelsOfAPaintedNet) {
  LibFuncCount = 1;
  LibFuncName[1] = "MULTIPLY";
  AddZEP(10, 10, 5, "ZEP");
  AddZEP(30, 10, 5, "ZOP");
  ZEPLink[1].FuncCode = 1;
  AddInput(1, 20, 8, "INPUT");
  AddDot(20, 20);
  CurZEP = 2;
  CanvasWidth = 40;
  CanvasHeight = 30;
  const auto at = [](const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); };
  const auto hasColour = [](const QImage& image, const TLabelBox& box, auto test) {
    for (int y = box.Top; y <= box.Bottom; ++y)
      for (int x = box.Left; x <= box.Right; ++x)
        if (test(QColor(image.pixel(x, y)))) return true;
    return false;
  };
  const auto teal = [](const QColor& c) { return c.red() < 60 && c.green() > 60 && c.green() < 200 && c.blue() > 60 && c.blue() < 200; };
  const auto blue = [](const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() > 160; };

  UseScale(2);
  QImage image = RenderCanvasImage();
  ASSERT_EQ(image.size(), QSize(640, 480));
  EXPECT_EQ(at(image, 5, 5), QColor(Qt::white));
  EXPECT_EQ(at(image, 160, 192), QColor(Qt::black));   // the circle's rim, below the centre
  EXPECT_EQ(at(image, 480, 192), QColor(Qt::red));     // the current ZEP's rim
  EXPECT_EQ(at(image, 230, 160), QColor(Qt::black));   // the output line
  EXPECT_EQ(at(image, 320, 320), QColor(Qt::black));   // the Dot's centre
  EXPECT_EQ(at(image, 100, 320), QColor(Qt::black));   // the Input line
  EXPECT_EQ(at(image, 16, 0), QColor(Qt::cyan));       // a dotted grid line starts with a dot
  EXPECT_EQ(at(image, 16, 1), QColor(Qt::white));
  EXPECT_TRUE(hasColour(image, InputBox[1], teal));
  EXPECT_TRUE(hasColour(image, {128, 148, 200, 166}, blue));  // the function name

  BWMode = true;
  image = RenderCanvasImage();
  EXPECT_EQ(at(image, 16, 0), QColor(Qt::white));
  EXPECT_EQ(at(image, 480, 192), QColor(Qt::red));
  EXPECT_FALSE(hasColour(image, InputBox[1], teal));
  EXPECT_FALSE(hasColour(image, {128, 148, 200, 166}, blue));

  BWMode = false;
  UseScale(6);
  image = RenderCanvasImage();
  ASSERT_EQ(image.size(), QSize(200, 150));
  EXPECT_EQ(at(image, 50, 60), QColor(Qt::black));  // rim, pen 2
  EXPECT_EQ(at(image, 20, 0), QColor(Qt::cyan));
}

TEST_F(PaintedImageTest, TooLargeAnImageIsRefused) {
  CanvasWidth = 1000;
  CanvasHeight = 1000;
  UseScale(1);  // 20000 × 20000 pixels
  EXPECT_TRUE(RenderCanvasImage().isNull());
}

}  // namespace

namespace {

// The drawing surface copies circles and fills level and upright lines, solid or dotted, on
// images; the pixels must be those that stroking the same shapes gives.
TEST_F(PaintedImageTest, QuickCirclesAndLinesGiveTheStrokedPixels) {
  const auto pen = [](int width) { return QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); };
  int differing = 0;
  for (const int width : {1, 2, 3}) {
    for (const int radius : {2, 3, 10, 14, 18, 24, 32, 40}) {
      for (const bool filled : {false, true}) {
        QImage quick(240, 160, QImage::Format_RGB32);
        QImage stroked(240, 160, QImage::Format_RGB32);
        quick.fill(Qt::white);
        stroked.fill(Qt::white);
        {
          QPainter painter(&quick);
          painter.translate(-7, 5);
          PainterSurface surface(painter, 96);
          surface.SetPen(Colors::Red, width, PenStyle::Solid);
          surface.SetBrush(Colors::Red, filled ? BrushStyle::Solid : BrushStyle::Clear);
          for (int i = 0; i < 6; ++i) surface.Ellipse(13 * i + 3, 7 * i - 9, 13 * i + 3 + 2 * radius, 7 * i - 9 + 2 * radius);
          surface.SetPen(Colors::Black, width, PenStyle::Solid);
          for (int i = 0; i < 12; ++i) {
            surface.MoveTo(5 + 17 * i, 40 + 9 * i);
            surface.LineTo(i % 2 ? 300 - 23 * i : 5 + 17 * i, i % 2 ? 40 + 9 * i : -20 + 13 * i);
          }
          surface.MoveTo(60, 60);
          surface.LineTo(60, 60);
          surface.SetPen(Colors::Aqua, 1, PenStyle::Dot);
          for (int length = 0; length <= 40; ++length) {
            surface.MoveTo(100 + 3 * length, 30);
            surface.LineTo(100 + 3 * length, 30 + length);
            surface.MoveTo(20, 110 + length);
            surface.LineTo(20 + length, 110 + length);
          }
        }
        {
          QPainter painter(&stroked);
          painter.translate(-7, 5);
          painter.setPen(pen(width));
          painter.setPen(QPen(Qt::red, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
          painter.setBrush(filled ? QBrush(Qt::red) : QBrush(Qt::NoBrush));
          for (int i = 0; i < 6; ++i) painter.drawEllipse(QRectF(13 * i + 3, 7 * i - 9, 2 * radius, 2 * radius));
          painter.setPen(pen(width));
          for (int i = 0; i < 12; ++i)
            painter.drawLine(QPoint(5 + 17 * i, 40 + 9 * i),
                             QPoint(i % 2 ? 300 - 23 * i : 5 + 17 * i, i % 2 ? 40 + 9 * i : -20 + 13 * i));
          painter.drawLine(QPoint(60, 60), QPoint(60, 60));
          painter.setPen(QPen(Qt::cyan, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin));
          for (int length = 0; length <= 40; ++length) {
            painter.drawLine(QPoint(100 + 3 * length, 30), QPoint(100 + 3 * length, 30 + length));
            painter.drawLine(QPoint(20, 110 + length), QPoint(20 + length, 110 + length));
          }
        }
        if (quick != stroked) {
          ++differing;
          ADD_FAILURE() << "pen " << width << " radius " << radius << (filled ? " filled" : " hollow");
        }
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace

namespace {

TEST_F(PaintedImageTest, AnExampleNetAsAnImageAndAPdfPage) {
  ScriptedPrompts prompts;
  QFile file(QStringLiteral(PLEXOR_SOURCE_DIR "/examples/feedback-loop.net"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  LoadNet(file, prompts);
  ASSERT_EQ(ZEPCount, 2);
  AdjustCanvasSizeToData();
  UseScale(2);
  const QImage image = RenderCanvasImage();
  ASSERT_EQ(image.size(), QSize(1600, 1600));
  const auto any = [&](const QImage& im, QRect area, auto test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (test(QColor(im.pixel(x, y)))) return true;
    return false;
  };
  const auto red = [](const QColor& c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; };
  const auto teal = [](const QColor& c) { return c.red() < 60 && c.green() > 60 && c.green() < 200 && c.blue() > 60 && c.blue() < 200; };
  const auto maroon = [](const QColor& c) { return c.red() > 80 && c.red() < 200 && c.green() < 60 && c.blue() < 60; };
  // ZEP 1 "Acc" at (12, 6): its rim below the centre, and input B fed from ZEP 2 with a
  // delay of 1, a delay after a scan: a red 2 left of the circle.
  EXPECT_EQ(QColor(image.pixel(192, 128)), QColor(Qt::black));
  EXPECT_TRUE(any(image, QRect(145, 112, 12, 14), red));
  EXPECT_TRUE(any(image, QRect(QPoint(InputBox[1].Left, InputBox[1].Top), QPoint(InputBox[1].Right, InputBox[1].Bottom)), teal));
  EXPECT_TRUE(any(image, QRect(QPoint(OutputBox[1].Left, OutputBox[1].Top), QPoint(OutputBox[1].Right, OutputBox[1].Bottom)), maroon));
  EXPECT_EQ(QColor(image.pixel(16, 1500)), QColor(Qt::cyan));

  BWMode = true;
  const QImage mono = RenderCanvasImage();
  EXPECT_TRUE(any(mono, QRect(145, 112, 12, 14), red));
  EXPECT_FALSE(any(mono, QRect(0, 0, 800, 400), teal));
  EXPECT_FALSE(any(mono, QRect(0, 0, 800, 400), maroon));
  EXPECT_EQ(QColor(mono.pixel(16, 1500)), QColor(Qt::white));

  TempDir tmp;
  ASSERT_TRUE(WriteCanvasPdf(tmp.File("net.pdf")));
  QFile pdf(tmp.File("net.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
  EXPECT_FALSE(WriteCanvasPdf(tmp.File("no/such/folder/net.pdf")));
}

}  // namespace
