#include "model/ZEPMove.h"

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "model/NetRules.h"

namespace {

int NumberAfterMove(int m, int from, int to) {
  if (m == from) return to;
  if (to < from && m >= to && m < from) return m + 1;
  if (to > from && m > from && m <= to) return m - 1;
  return m;
}

template <typename T>
void MoveEntry(Table<T, MaxZEP>& table, int from, int to) {
  const T moving = table[from];
  for (int k = from; k > to; --k) table[k] = table[k - 1];
  for (int k = from; k < to; ++k) table[k] = table[k + 1];
  table[to] = moving;
}

void FollowMove(int kind, int& index, int from, int to) {
  if (FedFromZEP(kind) && index >= 1 && index <= ZEPCount) index = NumberAfterMove(index, from, to);
}

// Names need not be unique, so resolving them again could hand a link to another element
// of the same name; the link the input had is kept.
void KeepLink(const TName& keptSource, int keptKind, int keptDelay, int keptIndex, TName& source,
              int& kind, int& delay, int& index) {
  if (FedFromZEP(keptKind) || keptKind == KindInput) source = keptSource;
  if (FedFromZEP(keptKind)) {
    kind = keptDelay > 0 ? KindZEP : KindZEPNoDelay;
    delay = keptDelay;
    index = keptIndex;
  } else if (keptKind == KindInput) {
    kind = KindInput;
    delay = 0;
    index = keptIndex;
  }
}

}  // namespace

void MoveZEP(int from, int to) {
  if (from < 1 || from > ZEPCount || to < 1 || to > ZEPCount || from == to) return;
  MoveEntry(ZEPText, from, to);
  MoveEntry(ZEPLink, from, to);
  MoveEntry(ZEPPos, from, to);
  MoveEntry(SourceRest, from, to);
  // Renumbered before resolving, so the tables stay sound if resolving stops on an error.
  for (int z = 1; z <= ZEPCount; ++z) {
    FollowMove(ZEPLink[z].AKind, ZEPLink[z].AIndex, from, to);
    FollowMove(ZEPLink[z].BKind, ZEPLink[z].BIndex, from, to);
  }
  const Table<TZEPLink, MaxZEP> kept = ZEPLink;
  const Table<TZEPText, MaxZEP> keptText = ZEPText;
  ResolveLinks();
  for (int z = 1; z <= ZEPCount; ++z) {
    const TZEPLink& was = kept[z];
    TZEPLink& link = ZEPLink[z];
    TZEPText& text = ZEPText[z];
    KeepLink(keptText[z].SourceA, was.AKind, was.ADelay, was.AIndex, text.SourceA, link.AKind,
             link.ADelay, link.AIndex);
    KeepLink(keptText[z].SourceB, was.BKind, was.BDelay, was.BIndex, text.SourceB, link.BKind,
             link.BDelay, link.BIndex);
  }
}
