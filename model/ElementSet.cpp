#include "model/ElementSet.h"

int TElementSet::Count() const {
  int count = 0;
  for (const Bits_t& bits : bits_) count += static_cast<int>(bits.count());
  return count;
}

QList<TElementRef> TElementSet::Elements() const {
  QList<TElementRef> elements;
  for (ElementKind kind : ElementKinds) {
    const Bits_t& bits = Bits(kind);
    if (bits.none()) continue;
    for (int i = 1; i <= Capacity; ++i)
      if (bits.test(static_cast<std::size_t>(i - 1))) elements.append({kind, i});
  }
  return elements;
}

void TElementSet::DropStale() {
  for (ElementKind kind : ElementKinds)
    for (int i = ::CountOf(kind) + 1; i <= Capacity; ++i) Set(kind, i, false);
}

QString ElementCountText(int count) {
  return count == 1 ? QStringLiteral("1 element") : QStringLiteral("%1 elements").arg(count);
}
