#include "model/NetDiff.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TNetTables>,
              "the history copies records of the tables as bytes");

namespace {

const char* BytesOf(const TNetTables& tables) { return reinterpret_cast<const char*>(&tables); }
char* BytesOf(TNetTables& tables) { return reinterpret_cast<char*>(&tables); }

void AppendWord(QByteArray& out, quint32 word) { out.append(reinterpret_cast<const char*>(&word), sizeof word); }

quint32 WordAt(const char* at) {
  quint32 word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

}  // namespace

TNetDiff TNetDiff::Between(const TNetTables& before, const TNetTables& after) {
  TNetDiff diff;
  const char* from = BytesOf(before);
  const char* to = BytesOf(after);
  constexpr qsizetype total = sizeof(TNetTables);
  for (qsizetype offset = 0; offset < total; offset += PieceSize) {
    const qsizetype size = std::min<qsizetype>(PieceSize, total - offset);
    if (std::memcmp(from + offset, to + offset, size) == 0) continue;
    AppendWord(diff.records_, quint32(offset));
    AppendWord(diff.records_, quint32(size));
    diff.records_.append(from + offset, size);
    diff.records_.append(to + offset, size);
  }
  diff.records_.squeeze();
  return diff;
}

void TNetDiff::Apply(TNetTables& tables, bool after) const {
  char* target = BytesOf(tables);
  const char* at = records_.constData();
  const char* end = at + records_.size();
  while (at < end) {
    const quint32 offset = WordAt(at);
    const quint32 size = WordAt(at + 4);
    at += 8;
    std::memcpy(target + offset, after ? at + size : at, size);
    at += 2 * size;
  }
}
