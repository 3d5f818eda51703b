// The net checks on the fullest net, as the editor's check panel runs them after every
// change. Target: under 1 ms.
#include <benchmark/benchmark.h>

#include "bench/FullNet.h"
#include "model/LinkResolution.h"
#include "model/NetChecks.h"

namespace {

// The named full net asks for 768 connections, so the full connection table is found.
void BM_CheckFullNet(benchmark::State& state) {
  SetUpNamedFullNet();
  ResolveLinks();
  qsizetype findings = 0;
  for (auto _ : state) {
    const QList<TFinding> found = CheckNet(LargestCanvas);
    findings = found.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckFullNet)->Unit(benchmark::kMicrosecond);

}  // namespace
