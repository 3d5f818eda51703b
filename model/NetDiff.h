#pragma once
// What one change did to the net's tables: the pieces of them that differ between two
// states, with the bytes of the state the tables are not in. A step of the history keeps
// this instead of a copy of every table, so a move costs a few pieces, not the hundreds of
// kilobytes of the net. The tables are compared as bytes in pieces of PieceSize, so every
// table and count, present or added later, takes part without being listed here.
#include <QByteArray>

#include "model/NetDef.h"

class TNetDiff {
public:
  static constexpr int PieceSize = 32;

  // The pieces in which `now` differs from `before`, holding the bytes of `before`.
  static TNetDiff Between(const TNetTables& before, const TNetTables& now);

  bool IsEmpty() const { return pieces_.isEmpty(); }
  // Exchanges the held bytes with those of `tables`: a step undone holds the state after
  // it, a step redone the state before it, so one copy serves both ways.
  void SwapWith(TNetTables& tables);
  // Copies the diff's pieces of `from` into `to`.
  void CopyPieces(const TNetTables& from, TNetTables& to) const;
  // The memory the diff holds.
  qsizetype Bytes() const { return pieces_.capacity(); }

private:
  // One entry per piece: its offset in the tables and its size (4 bytes each), then the
  // bytes of the other state.
  QByteArray pieces_;
};
