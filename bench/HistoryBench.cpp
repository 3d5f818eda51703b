// The undo history and the recovery copy on the fullest net the tables hold. Targets: a
// step recorded under 1 ms, undone under 2 ms, 1,000 steps held in under 50 MB, and the
// recovery copy handed to its writer thread under 2 ms.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <unistd.h>

#include "bench/FullNet.h"
#include "platform/RefusingPrompts.h"
#include "drawing/Routing.h"
#include "model/ElementEdit.h"
#include "model/NetChange.h"
#include "model/NetHistory.h"
#include "netfile/RecoveryCopy.h"

namespace {

void SetUpFullNet() {
  EnsureGuiApplication();
  ResetNetDef();
  FillFullNet();
  RebuildRoutes();
}

// A ZEP moved by one unit, as the pointer places it: the routes are laid again. The
// tables are changed untimed; the step's recording is what is measured.
void MoveZEP(int step) {
  const int k = 1 + step % MaxZEP;
  ZEPPos[k].X += (step / MaxZEP) % 2 ? -1 : 1;
  RebuildRoutes();
}

qint64 ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return qint64(resident) * sysconf(_SC_PAGESIZE);
}

void BM_RecordStep(benchmark::State& state) {
  SetUpFullNet();
  TNetHistory history;
  history.FollowNetEvents();
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MoveZEP(step++);
    state.ResumeTiming();
    NetChanged(NetChangeKind::Place, QStringLiteral("Move ZEP"));
  }
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

void BM_UndoStep(benchmark::State& state) {
  SetUpFullNet();
  TNetHistory history;
  history.FollowNetEvents();
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MoveZEP(step++);
    NetChanged(NetChangeKind::Place, QStringLiteral("Move ZEP"));
    state.ResumeTiming();
    history.Undo();
  }
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

// Memory: what the history holds after 1,000 moves, and what the process grew by.
void BM_ThousandStepsMemory(benchmark::State& state) {
  SetUpFullNet();
  for (auto _ : state) {
    const qint64 residentBefore = ResidentBytes();
    TNetHistory history;
    history.FollowNetEvents();
    for (int step = 0; step < 1000; ++step) {
      MoveZEP(step);
      NetChanged(NetChangeKind::Place, QStringLiteral("Move ZEP"));
    }
    state.counters["history_MB"] = double(history.Bytes()) / (1024 * 1024);
    state.counters["resident_growth_MB"] = double(ResidentBytes() - residentBefore) / (1024 * 1024);
  }
}
BENCHMARK(BM_ThousandStepsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The heaviest steps there are, 500 times each: deleting ZEP 1, which moves every later
// ZEP up a place and lays the routes again, and appending a ZEP in its place.
void BM_ThousandDeletesAndAppendsMemory(benchmark::State& state) {
  SetUpFullNet();
  RefusingPrompts prompts;
  for (auto _ : state) {
    TNetHistory history;
    history.FollowNetEvents();
    for (int step = 0; step < 500; ++step) {
      DeleteElement(ElementKind::ZEP, 1);
      RebuildRoutes();
      NetChanged(NetChangeKind::Delete, QStringLiteral("Delete ZEP"));
      AppendElement(ElementKind::ZEP, prompts);
    }
    state.counters["history_MB"] = double(history.Bytes()) / (1024 * 1024);
  }
}
BENCHMARK(BM_ThousandDeletesAndAppendsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WriteRecoveryCopy(benchmark::State& state) {
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  SetUpFullNet();
  NetChanged(NetChangeKind::Place);  // edited work, which the copy keeps
  TRecoveryCopy copy([] { return QStringLiteral("/nets/full.net"); });
  for (auto _ : state) benchmark::DoNotOptimize(copy.WriteNow());
  copy.Remove();
}
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMicrosecond);

// The same copy waited for until it is on disk, which the event loop never does.
void BM_WriteRecoveryCopyToDisk(benchmark::State& state) {
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  SetUpFullNet();
  NetChanged(NetChangeKind::Place);  // edited work, which the copy keeps
  TRecoveryCopy copy([] { return QStringLiteral("/nets/full.net"); });
  for (auto _ : state) {
    copy.WriteNow();
    copy.Flush();
  }
  copy.Remove();
}
BENCHMARK(BM_WriteRecoveryCopyToDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
