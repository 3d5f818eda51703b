#pragma once
// A fixed-capacity table numbered from 1. Reaching outside 1..capacity is a programming
// error that stops the program at once instead of touching other memory.
#include <array>

[[noreturn]] void TableIndexFault(int index, int capacity);

template <typename T, int N>
class Table {
public:
  static constexpr int Capacity = N;

  T& operator[](int index) {
    if (index < 1 || index > N) TableIndexFault(index, N);
    return items_[static_cast<std::size_t>(index - 1)];
  }
  const T& operator[](int index) const {
    if (index < 1 || index > N) TableIndexFault(index, N);
    return items_[static_cast<std::size_t>(index - 1)];
  }
  void Fill(const T& value) { items_.fill(value); }
  friend bool operator==(const Table&, const Table&) = default;

private:
  std::array<T, N> items_{};
};
