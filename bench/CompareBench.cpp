// Comparing two of the fullest nets, as plexor-net diff and the editor's compare panel do,
// lines included. Target: under 5 ms of processor time (the CPU column; on a busy machine
// the wall time counts the other programs too).
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/FullNet.h"
#include "model/LinkResolution.h"
#include "model/NetCompare.h"

namespace {

std::unique_ptr<TNetTables> FullNetCopy() {
  SetUpNamedFullNet();
  ResolveLinks();
  return std::make_unique<TNetTables>(NetTables);
}

qsizetype CompareWithLines(const TNetTables& older, const TNetTables& newer) {
  qsizetype bytes = 0;
  for (const TNetDifference& d : CompareNets(older, newer)) bytes += DifferenceLine(d).size();
  return bytes;
}

// Equal elements, so every route is compared as well: the connections of the newer net are
// laid in the other order, and one of them differs.
void BM_CompareEqualFullNets(benchmark::State& state) {
  const std::unique_ptr<TNetTables> older = FullNetCopy();
  const std::unique_ptr<TNetTables> newer = FullNetCopy();
  for (int k = 1; k <= MaxConn / 2; ++k) std::swap(newer->ConnPoint[k], newer->ConnPoint[MaxConn + 1 - k]);
  newer->ConnPoint[1][3].X += 1;
  qsizetype bytes = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = CompareWithLines(*older, *newer));
  state.counters["line_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CompareEqualFullNets)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Every element differs: the ZEPs in reverse scan order, each moved with another function
// and other sources, every terminal and Comment moved, every Dot elsewhere, one name of
// each list renamed.
void BM_CompareChangedFullNets(benchmark::State& state) {
  const std::unique_ptr<TNetTables> older = FullNetCopy();
  const std::unique_ptr<TNetTables> newer = FullNetCopy();
  TNetTables& n = *newer;
  for (int i = 1; i <= MaxZEP; ++i) {
    const int from = MaxZEP + 1 - i;
    n.ZEPText[i] = older->ZEPText[from];
    n.ZEPLink[i] = older->ZEPLink[from];
    n.ZEPPos[i] = older->ZEPPos[from];
    n.ZEPPos[i].X += 1;
    n.ZEPText[i].FuncName = older->ZEPText[i].FuncName;
    n.ZEPText[i].SourceA = older->ZEPText[i].SourceB;
  }
  for (int i = 1; i <= MaxInput; ++i) n.InputPos[i].Y += 1;
  for (int i = 1; i <= MaxOutput; ++i) n.OutputPos[i].Length += 1;
  for (int i = 1; i <= MaxComment; ++i) n.CommentPos[i].X += 1;
  for (int i = 1; i <= MaxDot; ++i) n.DotPos[i].Y += 1;
  n.LibFuncName[1] = "RENAMED";
  n.UserFuncName[1] = "RENAMED";
  qsizetype bytes = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = CompareWithLines(*older, *newer));
  state.counters["line_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CompareChangedFullNets)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
