// The ".net" file on the fullest net the tables hold (256 ZEPs, 512 Inputs, 256 Outputs,
// 32 Comments, 64 Dots, 512 connections of 5 points, 64 + 256 function names): loading with
// link resolution, saving, and laying every connection again. Target: each under 1 ms.
// The load also reports its time as a multiple of reading the file's bytes from memory
// ("x_floor"), and BM_ReadNetBytes times that floor on its own.
#include <QBuffer>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/Floors.h"
#include "bench/FullNet.h"
#include "platform/RefusingPrompts.h"
#include "drawing/Routing.h"
#include "netfile/CheckedSave.h"
#include "netfile/NetReader.h"
#include "netfile/NetWriter.h"

namespace {

QByteArray FullNetText() {
  SetUpNamedFullNet();
  return NetFileText(QDate(2024, 3, 7));
}

// The floor of a load: the file's bytes read whole from memory.
void ReadBytes(QByteArray& text) {
  QBuffer in(&text);
  in.open(QIODevice::ReadOnly);
  benchmark::DoNotOptimize(in.readAll());
}

void BM_ReadNetBytes(benchmark::State& state) {
  QByteArray text = FullNetText();
  for (auto _ : state) ReadBytes(text);
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadNetBytes)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadWithResolveLinks(benchmark::State& state) {
  QByteArray text = FullNetText();
  RefusingPrompts prompts;
  const FloorRatio ratio(SecondsPerCall([&] { ReadBytes(text); }));
  for (auto _ : state) {
    QBuffer in(&text);
    in.open(QIODevice::ReadOnly);
    LoadNet(in, prompts);
  }
  if (ZEPCount != MaxZEP || ConnCount != MaxConn || ZEPLink[MaxZEP].OutIndex != MaxZEP)
    state.SkipWithError("the full net did not load whole");
  ratio.Report(state);
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LoadWithResolveLinks)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveText(benchmark::State& state) {
  SetUpNamedFullNet();
  for (auto _ : state) benchmark::DoNotOptimize(NetFileText(QDate(2024, 3, 7)));
}
BENCHMARK(BM_SaveText)->Unit(benchmark::kMicrosecond);

// The whole Save: the text, its reading back, a temporary file, and the replacement of the
// old file.
void BM_SaveFile(benchmark::State& state) {
  SetUpNamedFullNet();
  for (int i = 1; i <= ZEPCount; ++i) ZEPLink[i].OutIndex = i;  // as a load links them
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("full.net"));
  RefusingPrompts prompts;
  for (auto _ : state)
    if (SaveNetFile(path, QDate(2024, 3, 7), prompts) != SaveOutcome::Saved)
      state.SkipWithError("the full net would not reload as it is");
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMicrosecond);

void BM_RebuildRoutes(benchmark::State& state) {
  SetUpNamedFullNet();
  for (int i = 1; i <= ZEPCount; ++i) ZEPLink[i].OutIndex = i;
  for (auto _ : state) RebuildRoutes();
  if (ConnCount != MaxConn) state.SkipWithError("the table was not filled");
}
BENCHMARK(BM_RebuildRoutes)->Unit(benchmark::kMicrosecond);

}  // namespace
