// Painting the fullest net the tables hold: a 1920 × 1080 and a 3840 × 2160 window of the
// canvas at every scale step (as a scrolled canvas repaints), and the whole canvas at the
// smallest step. Each reports its time as a multiple of filling its image ("x_floor"),
// and BM_FillViewport times that floor on its own. BM_StatusTexts times what the status
// line below the canvas computes for one pointer move, beside those repaints.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "bench/Floors.h"
#include "bench/FullNet.h"
#include "drawing/NetPainter.h"
#include "drawing/ViewScale.h"
#include "editing/StatusTexts.h"
#include "platform/PainterSurface.h"

namespace {

void SetUpNet(int scale) {
  EnsureGuiApplication();
  ResetNetDef();
  FontName = QStringLiteral("Times New Roman");
  FillFullNet();
  CurZEP = 17;
  CurInput = 3;
  AdjustCanvasSizeToData();
  Scale = scale;
  ComputeViewMetrics();
}

// The window centred on the net's middle, kept within the canvas.
QRect CentredWindow(int width, int height) {
  const int left = std::clamp(PaintAreaWidth() / 2 - width / 2, 0, std::max(0, PaintAreaWidth() - width));
  const int top = std::clamp(PaintAreaHeight() / 2 - height / 2, 0, std::max(0, PaintAreaHeight() - height));
  return QRect(left, top, width, height);
}

// range(0): the scale step; range(1): the window's width, its height 9/16 of it.
void BM_PaintViewport(benchmark::State& state) {
  SetUpNet(static_cast<int>(state.range(0)));
  const int width = static_cast<int>(state.range(1));
  const QRect window = CentredWindow(width, width * 9 / 16);
  QImage image(window.size(), QImage::Format_RGB32);
  const FloorRatio ratio(FillFloor(image));
  for (auto _ : state) {
    QPainter painter(&image);
    painter.translate(-window.topLeft());
    painter.setClipRect(window);
    PainterSurface surface(painter, 96);
    PaintNet(surface, PaintAreaWidth(), PaintAreaHeight(), window);
  }
  ratio.Report(state);
  state.counters["canvas_px"] = static_cast<double>(PaintAreaWidth()) * PaintAreaHeight();
}
BENCHMARK(BM_PaintViewport)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 6, 1), {1920, 3840}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor of a repaint: filling a 1920 × 1080 or 3840 × 2160 image.
void BM_FillViewport(benchmark::State& state) {
  EnsureGuiApplication();
  const int width = static_cast<int>(state.range(0));
  QImage image(width, width * 9 / 16, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillViewport)->Arg(1920)->Arg(3840)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// range(0): 0 for the net's own extent ("Adjust size to data"), 1 for a 1000 × 1000 canvas.
void BM_PaintWholeCanvasScale6(benchmark::State& state) {
  SetUpNet(6);
  if (state.range(0) == 1) CanvasWidth = CanvasHeight = 1000;
  QImage image(PaintAreaWidth(), PaintAreaHeight(), QImage::Format_RGB32);
  const FloorRatio ratio(FillFloor(image));
  for (auto _ : state) {
    QPainter painter(&image);
    PainterSurface surface(painter, 96);
    PaintNet(surface, PaintAreaWidth(), PaintAreaHeight(), image.rect());
  }
  ratio.Report(state);
  state.counters["width"] = PaintAreaWidth();
  state.counters["height"] = PaintAreaHeight();
}
BENCHMARK(BM_PaintWholeCanvasScale6)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The status line's texts for one pointer move over the fullest net; the canvas does not
// repaint for them.
void BM_StatusTexts(benchmark::State& state) {
  SetUpNet(2);
  int x = 0;
  for (auto _ : state) benchmark::DoNotOptimize(StatusTexts(QPoint(x++ % 1920, 500)));
}
BENCHMARK(BM_StatusTexts)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
