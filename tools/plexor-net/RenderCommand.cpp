// plexor-net render: the net drawn by the editor's painter onto a PNG image, an SVG file
// or a PDF page, on the canvas that "Adjust size to data" gives it or one of a given size,
// or cut to the net's own extent.
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

#include "drawing/CanvasRender.h"
#include "drawing/NetExtent.h"
#include "drawing/NetPainter.h"
#include "drawing/ChangeMarks.h"
#include "drawing/Routing.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/PainterSurface.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const RenderUsage =
    "usage: plexor-net render FILE.net OUT.png|OUT.svg|OUT.pdf [--scale 1..6] [--mono] [--size W,H]\n"
    "                         [--fit] [--rebuild] [--against OLD.net]\n";
const char* const RenderHelp =
    "usage: plexor-net render FILE.net OUT.png|OUT.svg|OUT.pdf [--scale 1..6] [--mono] [--size W,H]\n"
    "                         [--fit] [--rebuild] [--against OLD.net]\n"
    "Loads the net as the editor does and draws it as the editor's canvas shows it, as a PNG\n"
    "image, an SVG drawing or one PDF page, chosen by the output file's extension.\n"
    "  --scale N    the scale step, 1 (largest) to 6 (smallest, numbers only); default 2\n"
    "  --mono       monochrome drawing\n"
    "  --size W,H   the canvas in grid units, each 1..1000; default: the net's extent as\n"
    "               \"Adjust size to data\" computes it\n"
    "  --fit        draw only the part of the canvas the net covers, with 2 grid units\n"
    "               around it\n"
    "  --rebuild    lay the connections again from the ZEP links first\n"
    "  --against OLD.net\n"
    "               mark what changed since OLD.net, as plexor-net diff tells it: added\n"
    "               elements in green, changed ones in orange, removed ones in red and\n"
    "               dotted where they stood in OLD.net, with a legend in the top right\n"
    "               corner; the default canvas holds both nets\n"
    "Text is sized for 96 pixels per inch; a PDF page that would exceed 200 inches a side is\n"
    "drawn smaller to fit, with a notice. Exit status: 0 done, 1 the file could not be\n"
    "loaded or the output not written, 64 wrong usage.\n";

enum class OutputKind { Png, Svg, Pdf };

bool Refuse(const QString& message) {
  PrintErrorLine(QStringLiteral("plexor-net render: ") + message);
  std::fputs(RenderUsage, stderr);
  return false;
}

// The whole of `text` as an integer within min..max.
bool ReadBounded(const QString& text, int min, int max, int& value) {
  bool ok = false;
  value = text.trimmed().toInt(&ok);
  return ok && value >= min && value <= max;
}

struct RenderOptions {
  OutputKind Kind = OutputKind::Png;
  int Scale = 2;
  bool Mono = false;
  bool Rebuild = false;
  QString Against;
  bool SizeGiven = false;
  bool Fit = false;
  int Width = 0;
  int Height = 0;
};

bool ReadOptions(const ToolArgs& parsed, RenderOptions& options) {
  const QString suffix = QFileInfo(parsed.Positional[1]).suffix().toLower();
  if (suffix == QLatin1String("png")) options.Kind = OutputKind::Png;
  else if (suffix == QLatin1String("svg")) options.Kind = OutputKind::Svg;
  else if (suffix == QLatin1String("pdf")) options.Kind = OutputKind::Pdf;
  else return Refuse(QStringLiteral("the output must end in .png, .svg or .pdf"));
  if (parsed.Values.contains(QStringLiteral("--scale")) &&
      !ReadBounded(parsed.Values.value(QStringLiteral("--scale")), 1, 6, options.Scale))
    return Refuse(QStringLiteral("--scale takes a step from 1 to 6"));
  options.Mono = parsed.Flags.contains(QStringLiteral("--mono"));
  options.Rebuild = parsed.Flags.contains(QStringLiteral("--rebuild"));
  options.Fit = parsed.Flags.contains(QStringLiteral("--fit"));
  if (options.Fit && parsed.Values.contains(QStringLiteral("--size")))
    return Refuse(QStringLiteral("--fit and --size cannot be given together"));
  options.Against = parsed.Values.value(QStringLiteral("--against"));
  if (parsed.Values.contains(QStringLiteral("--size"))) {
    const QStringList sides = parsed.Values.value(QStringLiteral("--size")).split(QLatin1Char(','));
    options.SizeGiven = true;
    if (sides.size() != 2 || !ReadBounded(sides[0], 1, 1000, options.Width) ||
        !ReadBounded(sides[1], 1, 1000, options.Height))
      return Refuse(QStringLiteral("--size takes the width and height in grid units, W,H, each 1..1000"));
  }
  return true;
}

// The part of the canvas drawn: the whole of it, or the net's extent. An empty net fits
// into the margins around the canvas's corner.
QRect DrawnArea(const RenderOptions& options) {
  if (!options.Fit) return WholePaintArea();
  const auto extent = MeasureOffScreen(RenderPixelsPerInch, 1.0, [](DrawSurface& metrics) { return NetExtent(metrics); });
  const TGridRect units = extent.value_or(TGridRect{-FitMargin, -FitMargin, FitMargin, FitMargin});
  return QRect(QPoint(ToPixels(units.Left), ToPixels(units.Top)), QPoint(ToPixels(units.Right) - 1, ToPixels(units.Bottom) - 1));
}

// The net the drawing is compared with, loaded before the net drawn, and the canvas its
// elements take.
struct OlderNet {
  std::shared_ptr<const TNetTables> Tables;
  int Width = 0;
  int Height = 0;
};

bool LoadOlderNet(const QString& path, Prompts& prompts, OlderNet& older) {
  if (!LoadNetFile(path, prompts)) return false;
  AdjustCanvasSizeToData();
  older = {std::make_shared<const TNetTables>(NetTables), CanvasWidth, CanvasHeight};
  return true;
}

void SetUpView(const RenderOptions& options, const OlderNet& older) {
  if (options.Rebuild) RebuildRoutes();
  FontName = QStringLiteral("Times New Roman");
  BWMode = options.Mono;
  if (options.SizeGiven) {
    CanvasWidth = options.Width;
    CanvasHeight = options.Height;
  } else {
    AdjustCanvasSizeToData();
    // What was removed stays on the canvas.
    CanvasWidth = std::max(CanvasWidth, older.Width);
    CanvasHeight = std::max(CanvasHeight, older.Height);
  }
  Scale = options.Scale;
  ComputeViewMetrics();
}

// The drawing as the bytes of its file; false, with the reason printed, when it cannot be
// made.
bool PngBytes(const QRect& area, QByteArray& bytes, const TChangeMarks* changes) {
  const QImage image = RenderCanvasImage(area, changes);
  if (image.isNull())
    return Refuse(QStringLiteral("an image of %1 x %2 pixels is too large; take a larger --scale, or SVG or PDF")
                      .arg(area.width())
                      .arg(area.height()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.save(&buffer, "PNG")) return true;
  PrintErrorLine(QStringLiteral("plexor-net render: the PNG image could not be made"));
  return false;
}

// The generator states the size in millimetres, which readers round up to one pixel more
// than the drawing has; stated in pixels it equals the PNG's size exactly.
QByteArray SizedInPixels(QByteArray svg, QSize size) {
  const qsizetype start = svg.indexOf("<svg ");
  const qsizetype end = svg.indexOf('\n', start);
  if (start < 0 || end < 0) return svg;
  const QByteArray head = QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                              .arg(size.width())
                              .arg(size.height())
                              .toLatin1();
  return svg.replace(start, end - start, head);
}

bool SvgBytes(const QRect& area, const QString& title, QByteArray& bytes, const TChangeMarks* changes) {
  QBuffer drawing;
  drawing.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&drawing);
  svg.setSize(area.size());
  svg.setViewBox(QRect(QPoint(0, 0), area.size()));
  svg.setResolution(RenderPixelsPerInch);
  svg.setTitle(title);
  QPainter painter;
  if (!painter.begin(&svg)) {
    PrintErrorLine(QStringLiteral("plexor-net render: the SVG drawing could not be made"));
    return false;
  }
  PaintCanvasArea(painter, area, RenderPixelsPerInch, changes);
  painter.end();
  bytes = SizedInPixels(drawing.data(), area.size());
  return true;
}

bool PdfBytes(const QRect& area, QByteArray& bytes, const TChangeMarks* changes) {
  const double fit = PdfPageFit(area);
  if (fit < 1)
    PrintErrorLine(QStringLiteral("plexor-net render: the page would exceed %1 inches; drawn at %2 %")
                       .arg(MaxPdfPageInches)
                       .arg(fit * 100, 0, 'f', 1));
  bytes = CanvasPdf(fit, area, changes);
  if (!bytes.isEmpty()) return true;
  PrintErrorLine(QStringLiteral("plexor-net render: the PDF page could not be made"));
  return false;
}

bool DrawingBytes(OutputKind kind, const QRect& area, const QString& path, QByteArray& bytes,
                  const TChangeMarks* changes) {
  switch (kind) {
    case OutputKind::Png: return PngBytes(area, bytes, changes);
    case OutputKind::Svg: return SvgBytes(area, QFileInfo(path).completeBaseName(), bytes, changes);
    case OutputKind::Pdf: return PdfBytes(area, bytes, changes);
  }
  return false;
}

// The whole drawing is made in memory first and then replaces the output in one step, so a
// failure at any point leaves the old output as it was.
bool WriteDrawing(OutputKind kind, const QRect& area, const QString& path, const TChangeMarks* changes) {
  QByteArray bytes;
  if (!DrawingBytes(kind, area, path, bytes, changes)) return false;
  try {
    WriteFileAtomically(path, bytes);
    return true;
  } catch (const RuntimeError& error) {
    PrintErrorLine(error.Message());
    return false;
  }
}

}  // namespace

int RunRender(const QStringList& args) {
  ToolArgs parsed;
  if (!ParseToolArgs(args, {QStringLiteral("--mono"), QStringLiteral("--rebuild"), QStringLiteral("--fit")},
                     {QStringLiteral("--scale"), QStringLiteral("--size"), QStringLiteral("--against")}, 2,
                     RenderUsage, parsed))
    return ExitUsage;
  if (parsed.Help) {
    PrintHelp(RenderHelp);
    return 0;
  }
  RenderOptions options;
  if (!ReadOptions(parsed, options)) return ExitUsage;
  ConsolePrompts prompts;
  OlderNet older;
  if (!options.Against.isEmpty() && !LoadOlderNet(options.Against, prompts, older)) return 1;
  if (!LoadNetFile(parsed.Positional[0], prompts)) return 1;
  SetUpView(options, older);
  const QRect area = DrawnArea(options);
  if (!older.Tables) return WriteDrawing(options.Kind, area, parsed.Positional[1], nullptr) ? 0 : 1;
  const TChangeMarks changes = ChangeMarksOf(CompareNets(*older.Tables, NetTables), older.Tables, true);
  return WriteDrawing(options.Kind, area, parsed.Positional[1], &changes) ? 0 : 1;
}
