// Direct editing on the fullest net the tables hold, in a 1920 × 1080 window of the canvas
// at 100 %: a pointer move while dragging a rubber line, a selection box or a group of 50
// ZEPs (target 4 ms each), the release that connects or moves and repaints the window
// (8 ms), and the copy and paste of 100 elements (10 ms).
#include <benchmark/benchmark.h>

#include "bench/FullNet.h"
#include "platform/RefusingPrompts.h"
#include "bench/ViewportCanvas.h"
#include "drawing/NetPainter.h"
#include "editing/DirectEditing.h"
#include "editing/GroupEdit.h"

namespace {

// ZEP 120 sits in the middle of the window; the ZEPs stand 14 units apart in columns and
// 12 in rows.
constexpr int Middle = 120;

QPoint Pixel(TGridPoint p) { return {p.X * Pitch, p.Y * Pitch}; }
QPoint Centre(int zep) { return Pixel({ZEPPos[zep].X, ZEPPos[zep].Y}); }
QPoint LineEnd(int zep) { return Pixel({ZEPPos[zep].X + ZEPPos[zep].OutLength, ZEPPos[zep].Y}); }
QPoint ArrowA(int zep) { return Centre(zep) - QPoint(ArrowReach, ArrowReach); }

ViewportCanvas& SetUpNet() {
  EnsureGuiApplication();
  ResetNetDef();
  Selection.Clear();
  FontName = QStringLiteral("Times New Roman");
  FillFullNet();
  CanvasWidth = CanvasHeight = 400;
  Scale = 2;
  ComputeViewMetrics();
  static ViewportCanvas* canvas = nullptr;
  delete canvas;
  canvas = new ViewportCanvas(Centre(Middle));
  canvas->RepaintAll();  // records the label boxes the hit tests use
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  PainterSurface surface(painter, 96);
  RecordLabelBoxes(surface);
  return *canvas;
}

// Times pointer moves to and fro between two points while a drag that pressed at `from`
// is under way, then cancels the drag.
void TimeMoves(benchmark::State& state, ViewportCanvas& canvas, QPoint from, const QPoint (&to)[2]) {
  RefusingPrompts prompts;
  DirectPressed(Qt::LeftButton, Qt::NoModifier, from.x(), from.y(), canvas);
  int n = 0;
  for (auto _ : state) {
    const QPoint p = to[n++ % 2];
    DirectMoved(p.x(), p.y(), canvas);
  }
  DirectKey(Qt::Key_Escape, Qt::NoModifier, std::nullopt, {}, prompts, canvas);
  DirectReleased(Qt::LeftButton, to[0].x(), to[0].y(), prompts, canvas);
  state.counters["px_per_move"] = static_cast<double>(canvas.PaintedPixels) / std::max(1, canvas.Paints);
}

// Fifty ZEPs in five rows of ten around the middle.
void SelectFiftyZEPs() {
  Selection.Clear();
  for (int row = 5; row <= 9; ++row)
    for (int column = 2; column <= 11; ++column) Selection.Set(ElementKind::ZEP, row * 16 + column + 1);
}

void BM_RubberLineMove(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  const QPoint from = LineEnd(Middle - 1);
  TimeMoves(state, canvas, from, {ArrowA(Middle + 33), from + QPoint(-700, -400)});
}
BENCHMARK(BM_RubberLineMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SelectionBoxMove(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  // Between four ZEPs, where nothing is hit.
  const QPoint from = Pixel({ZEPPos[Middle].X - 7, ZEPPos[Middle].Y - 6});
  TimeMoves(state, canvas, from, {from + QPoint(900, 500), from + QPoint(920, 530)});
}
BENCHMARK(BM_SelectionBoxMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_GroupMove50(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  SelectFiftyZEPs();
  const QPoint from = Centre(Middle);
  TimeMoves(state, canvas, from, {from + QPoint(Pitch, 0), from + QPoint(2 * Pitch, Pitch)});
}
BENCHMARK(BM_GroupMove50)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The release on input A of a ZEP, from one source and the next time from another, so
// every release connects: the routes are laid again and the window repainted.
void BM_ConnectRelease(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  RefusingPrompts prompts;
  const QPoint to = ArrowA(Middle + 1);
  const QPoint from[2] = {LineEnd(Middle - 1), LineEnd(Middle - 17)};
  int n = 0;
  for (auto _ : state) {
    const QPoint p = from[n++ % 2];
    state.PauseTiming();
    DirectPressed(Qt::LeftButton, Qt::NoModifier, p.x(), p.y(), canvas);
    DirectMoved(to.x(), to.y(), canvas);
    state.ResumeTiming();
    DirectReleased(Qt::LeftButton, to.x(), to.y(), prompts, canvas);
  }
  state.counters["conns"] = ConnCount;
}
BENCHMARK(BM_ConnectRelease)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The release of a group of 50 ZEPs one unit right, then back.
void BM_GroupRelease50(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  RefusingPrompts prompts;
  SelectFiftyZEPs();
  int n = 0;
  for (auto _ : state) {
    const int step = n++ % 2 ? -1 : 1;
    state.PauseTiming();
    const QPoint from = Centre(Middle);
    DirectPressed(Qt::LeftButton, Qt::NoModifier, from.x(), from.y(), canvas);
    DirectMoved(from.x() + step * Pitch, from.y(), canvas);
    state.ResumeTiming();
    DirectReleased(Qt::LeftButton, from.x() + step * Pitch, from.y(), prompts, canvas);
  }
}
BENCHMARK(BM_GroupRelease50)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Ctrl+C and Ctrl+V of 50 ZEPs and 50 Inputs in a net filled to half its ZEPs, Inputs and
// Outputs, pasted beside the originals with every name clashing; the window repaints.
void BM_CopyPaste100(benchmark::State& state) {
  ViewportCanvas& canvas = SetUpNet();
  RefusingPrompts prompts;
  ZEPCount = MaxZEP / 2;
  InputCount = MaxInput / 2;
  OutputCount = MaxOutput / 2;
  const auto kept = std::make_unique<TNetTables>(NetTables);
  TElementSet hundred;
  for (int i = 1; i <= 50; ++i) {
    hundred.Set(ElementKind::ZEP, i);
    hundred.Set(ElementKind::Input, i);
  }
  for (auto _ : state) {
    Selection = hundred;
    const auto data = CopySelection();
    if (!PasteNetText(NetTextOf(*data), std::nullopt, prompts, canvas)) state.SkipWithError("nothing pasted");
    state.PauseTiming();
    NetTables = *kept;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CopyPaste100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
