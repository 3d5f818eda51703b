#pragma once
// A step's time as a multiple of its floor, measured in the same run: the floor is the
// cheapest thing the step cannot avoid (filling the image a repaint covers, reading the
// bytes a load parses), so the multiple tells how far the step is from what the memory
// allows on this machine, whatever the machine. Both are timed in this thread's processor
// time, which other programs on a busy machine do not inflate.
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>

inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The median processor time of one call of `step`, in seconds, over batches of about 5 ms each.
template <typename Step>
double SecondsPerCall(Step&& step) {
  int calls = 1;
  for (;;) {  // grow the batch until it takes long enough to time
    const double start = ThreadSeconds();
    for (int k = 0; k < calls; ++k) step();
    if (ThreadSeconds() - start > 0.005 || calls >= (1 << 20)) break;
    calls *= 2;
  }
  std::vector<double> batches;
  for (int b = 0; b < 7; ++b) {
    const double start = ThreadSeconds();
    for (int k = 0; k < calls; ++k) step();
    batches.push_back((ThreadSeconds() - start) / calls);
  }
  std::nth_element(batches.begin(), batches.begin() + 3, batches.end());
  return batches[3];
}

// The memory floor of a repaint: filling the image once.
inline double FillFloor(QImage& image) {
  return SecondsPerCall([&] {
    image.fill(Qt::white);
    benchmark::ClobberMemory();
  });
}

// Times the benchmark loop from construction to Report, and reports the floor in
// microseconds and the loop's time per iteration as a multiple of it ("x_floor").
class FloorRatio {
public:
  explicit FloorRatio(double floorSeconds) : floor_(floorSeconds), start_(ThreadSeconds()) {}

  void Report(benchmark::State& state) const {
    const double each = (ThreadSeconds() - start_) / state.iterations();
    state.counters["floor_us"] = floor_ * 1e6;
    state.counters["x_floor"] = each / floor_;
  }

private:
  double floor_;
  double start_;
};
