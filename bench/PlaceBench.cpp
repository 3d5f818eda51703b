// Placing an element in the fullest net the tables hold: the placement rebuilds the routes
// and repaints a 1920 × 1080 window of the canvas. And a ghost move in Drag mode, which
// repaints only the old and the new ghost square.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>
#include <optional>

#include "bench/FullNet.h"
#include "drawing/ViewScale.h"
#include "editing/FeedbackDrawing.h"
#include "editing/PointerEditing.h"
#include "platform/PainterSurface.h"

namespace {

void SetUpNet(int scale) {
  EnsureGuiApplication();
  ResetNetDef();
  FontName = QStringLiteral("Times New Roman");
  FillFullNet();
  for (int i = 1; i <= ZEPCount; ++i) ZEPLink[i].OutIndex = i;  // every ZEP feeds an Output
  CanvasWidth = CanvasHeight = 400;
  Scale = scale;
  ComputeViewMetrics();
}

// The canvas as the window shows it: a 1920 × 1080 window scrolled to `centre`, painted
// as the paint event does, the feedback over the net.
class ViewportCanvas : public EditFeedback {
public:
  explicit ViewportCanvas(QPoint centre)
      : image_(1920, 1080, QImage::Format_RGB32),
        window_(QRect(QPoint(std::max(0, centre.x() - 960), std::max(0, centre.y() - 540)), image_.size())) {}

  void ShowMark(const TMark&) override {}
  void ShowGhost(const TGhost& ghost) override {
    QRegion dirty(GhostAreaOf(ghost));
    if (ghost_) dirty += GhostAreaOf(*ghost_);
    ghost_ = ghost;
    Paint(dirty);
  }
  void HideGhost() override {
    if (ghost_) Paint(QRegion(GhostAreaOf(*ghost_)));
    ghost_.reset();
  }
  void RepaintAll() override {
    ghost_.reset();
    Paint(QRegion(window_));
  }
  void ShowPickState(bool) override {}

  qint64 PaintedPixels = 0;
  int Paints = 0;

private:
  QRect GhostAreaOf(const TGhost& ghost) {
    QPainter painter(&image_);
    PainterSurface metrics(painter, 96);
    return GhostArea(metrics, ghost);
  }

  void Paint(const QRegion& dirty) {
    QPainter painter(&image_);
    painter.translate(-window_.topLeft());
    painter.setClipRegion(dirty);
    PainterSurface surface(painter, 96);
    PaintCanvas(surface, PaintAreaWidth(), PaintAreaHeight(), dirty.boundingRect(), {}, ghost_);
    for (const QRect& r : dirty) PaintedPixels += qint64(r.width()) * r.height();
    ++Paints;
  }

  QImage image_;
  QRect window_;
  std::optional<TGhost> ghost_;
};

// A picked ZEP placed by a click in Select mode, to and fro between two points.
void BM_PlaceZEP(benchmark::State& state) {
  SetUpNet(static_cast<int>(state.range(0)));
  const int zep = 120;
  const QPoint centre(ZEPPos[zep].X * Pitch, ZEPPos[zep].Y * Pitch);
  ViewportCanvas canvas(centre);
  const QPoint to[2] = {centre + QPoint(3 * Pitch, 0), centre};
  int n = 0;
  for (auto _ : state) {
    PickElement(ElementKind::ZEP, zep, canvas);
    PointerReleased(Qt::LeftButton, to[n % 2].x(), to[n % 2].y(), canvas);
    ++n;
  }
  state.counters["conns"] = ConnCount;
}
BENCHMARK(BM_PlaceZEP)->Arg(2)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A ghost move to the next grid point, in Drag mode; range(0): 0 for a ZEP, 1 for an
// Output's label frame.
void BM_GhostMove(benchmark::State& state) {
  SetUpNet(2);
  DragMode = true;
  const int index = 60;
  const ElementKind kind = state.range(0) == 0 ? ElementKind::ZEP : ElementKind::Output;
  CurrentOf(kind) = index;
  const TGridPoint start = ElementPoint(kind, index);
  ViewportCanvas canvas(QPoint(start.X * Pitch, start.Y * Pitch));
  Dragging = true;
  DragFresh = true;
  DragX = start.X;
  DragY = start.Y;
  int n = 0;
  for (auto _ : state) {
    ++n;
    PointerMoved((start.X + n % 2 + 1) * Pitch, start.Y * Pitch, canvas);
  }
  state.counters["px_per_move"] = static_cast<double>(canvas.PaintedPixels) / std::max(1, canvas.Paints);
  state.counters["viewport_px"] = 1920.0 * 1080.0;
}
BENCHMARK(BM_GhostMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
