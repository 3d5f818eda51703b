#include "model/NetDiff.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TNetTables>,
              "the history copies pieces of the tables as bytes");

namespace {

const char* BytesOf(const TNetTables& tables) { return reinterpret_cast<const char*>(&tables); }
char* BytesOf(TNetTables& tables) { return reinterpret_cast<char*>(&tables); }

void AppendWord(QByteArray& out, quint32 word) { out.append(reinterpret_cast<const char*>(&word), sizeof word); }

quint32 WordAt(const char* at) {
  quint32 word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Calls `visit(offset, size, held)` for every piece of `pieces`: its offset in the tables,
// its size and where its bytes stand in `pieces`.
template <typename Visit>
void ForEachPiece(const QByteArray& pieces, Visit&& visit) {
  for (qsizetype at = 0; at < pieces.size();) {
    const quint32 offset = WordAt(pieces.constData() + at);
    const quint32 size = WordAt(pieces.constData() + at + 4);
    visit(offset, size, at + 8);
    at += 8 + size;
  }
}

}  // namespace

TNetDiff TNetDiff::Between(const TNetTables& before, const TNetTables& now) {
  TNetDiff diff;
  const char* from = BytesOf(before);
  const char* to = BytesOf(now);
  constexpr qsizetype total = sizeof(TNetTables);
  for (qsizetype offset = 0; offset < total; offset += PieceSize) {
    const qsizetype size = std::min<qsizetype>(PieceSize, total - offset);
    if (std::memcmp(from + offset, to + offset, size) == 0) continue;
    AppendWord(diff.pieces_, quint32(offset));
    AppendWord(diff.pieces_, quint32(size));
    diff.pieces_.append(from + offset, size);
  }
  diff.pieces_.squeeze();
  return diff;
}

void TNetDiff::SwapWith(TNetTables& tables) {
  char* target = BytesOf(tables);
  char* held = pieces_.data();
  ForEachPiece(pieces_, [&](quint32 offset, quint32 size, qsizetype at) {
    std::swap_ranges(target + offset, target + offset + size, held + at);
  });
}

void TNetDiff::CopyPieces(const TNetTables& from, TNetTables& to) const {
  ForEachPiece(pieces_, [&](quint32 offset, quint32 size, qsizetype) {
    std::memcpy(BytesOf(to) + offset, BytesOf(from) + offset, size);
  });
}
