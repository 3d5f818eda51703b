#pragma once
// A set of elements of the net by kind and number: what the user selected on the canvas,
// what a copy takes, what a paste brought. Numbers change when an earlier element is
// deleted, so a set is only good until the net changes under it.
#include <QList>
#include <array>
#include <bitset>

#include "model/ElementEdit.h"

struct TElementRef {
  ElementKind Kind = ElementKind::ZEP;
  int Index = 0;
  friend bool operator==(const TElementRef&, const TElementRef&) = default;
};

class TElementSet {
public:
  static constexpr int Capacity = MaxInput;  // the largest table

  bool Has(ElementKind kind, int index) const {
    return index >= 1 && index <= Capacity && Bits(kind).test(static_cast<std::size_t>(index - 1));
  }
  void Set(ElementKind kind, int index, bool in = true) {
    if (index >= 1 && index <= Capacity) Bits(kind).set(static_cast<std::size_t>(index - 1), in);
  }
  void Toggle(ElementKind kind, int index) { Set(kind, index, !Has(kind, index)); }
  void Clear() { bits_ = {}; }
  bool Empty() const { return Count() == 0; }
  int Count() const;
  int CountOf(ElementKind kind) const { return static_cast<int>(Bits(kind).count()); }
  // Every element in kind order (ZEP, Input, Output, Comment, Dot), by number.
  QList<TElementRef> Elements() const;
  // Drops the numbers beyond each kind's count in the net.
  void DropStale();
  friend bool operator==(const TElementSet&, const TElementSet&) = default;

private:
  using Bits_t = std::bitset<Capacity>;
  Bits_t& Bits(ElementKind kind) { return bits_[static_cast<std::size_t>(kind)]; }
  const Bits_t& Bits(ElementKind kind) const { return bits_[static_cast<std::size_t>(kind)]; }
  std::array<Bits_t, 5> bits_{};
};

// "7 elements", "1 element".
QString ElementCountText(int count);
