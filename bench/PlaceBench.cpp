// Placing an element in the fullest net the tables hold: the placement rebuilds the routes
// and repaints a 1920 × 1080 window of the canvas. And a ghost move in Drag mode, which
// repaints only the old and the new ghost square.
#include <benchmark/benchmark.h>

#include "bench/FullNet.h"
#include "bench/ViewportCanvas.h"
#include "drawing/ViewScale.h"
#include "editing/PointerEditing.h"

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
