#pragma once
// What one change did to the net's tables: the pieces of them that differ between two
// states, each with its bytes before and after. A step of the history keeps this instead of
// a copy of every table, so a move costs a few pieces, not the hundreds of kilobytes of the
// net. The tables are compared as bytes in pieces of PieceSize, so every table and count,
// present or added later, takes part without being listed here.
#include <QByteArray>

#include "model/NetDef.h"

class TNetDiff {
public:
  static constexpr int PieceSize = 32;

  // The pieces of `after` that differ from `before`, compared byte for byte.
  static TNetDiff Between(const TNetTables& before, const TNetTables& after);

  bool IsEmpty() const { return records_.isEmpty(); }
  // Writes the records' state before, or after, the change into `tables`.
  void ApplyBefore(TNetTables& tables) const { Apply(tables, false); }
  void ApplyAfter(TNetTables& tables) const { Apply(tables, true); }
  // The memory the diff holds.
  qsizetype Bytes() const { return records_.capacity(); }

private:
  void Apply(TNetTables& tables, bool after) const;

  // One entry per changed piece: its offset in the tables and its size (4 bytes each),
  // then its bytes before, then its bytes after.
  QByteArray records_;
};
