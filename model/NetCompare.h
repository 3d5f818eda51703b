#pragma once
// What differs between two nets as their user sees them, not as their files' lines do:
// elements are matched by kind and name (ASCII letters without regard to case; where several
// elements of a kind share a name, the first with the first, in table order), Comments by
// their text and Dots by their place. A ZEP moved in the scan order is one difference, not
// one for every ZEP after it. Connections are laid from the rest, so they count only when
// everything else is equal. The command-line diff, its picture and the editor's compare
// panel all read these differences.
#include <QList>
#include <QString>
#include <optional>

#include "model/ElementEdit.h"
#include "model/NetDef.h"

// The kinds in the order the differences are listed.
enum class CompareKind { FileType, LibraryName, UserName, ZEP, Input, Output, Comment, Dot, Connections };

enum class ChangeKind { Added, Removed, Changed };

// One property of a matched element that differs: "function", "Avg", "Blend".
struct TPropertyChange {
  QString Property;
  QString From;
  QString To;
  friend bool operator==(const TPropertyChange&, const TPropertyChange&) = default;
};

struct TNetDifference {
  ChangeKind Change = ChangeKind::Changed;
  CompareKind Kind = CompareKind::ZEP;
  // The name (in the newer net when both have it), a Comment's text, a Dot's place "(x,y)".
  QString Name;
  // 1, 2, ... among the elements of the kind that share the name; 0 when it is not shared.
  int Occurrence = 0;
  int OldNumber = 0;  // the element's number in the older net; 0 when added
  int NewNumber = 0;  // in the newer net; 0 when removed
  QList<TPropertyChange> Properties;  // what changed, for a change
  int Routes = 0;  // for the connections: how many routes differ
  friend bool operator==(const TNetDifference&, const TNetDifference&) = default;
};

// Every difference from `older` to `newer`, by kind, then by name. Both nets' links must be
// resolved (as after a load), since delays are read from them.
QList<TNetDifference> CompareNets(const TNetTables& older, const TNetTables& newer);

QString CompareKindWord(CompareKind kind);  // "ZEP", "library name", "file type", ...
QString ChangeWord(ChangeKind change);      // "added", "removed", "changed"

// The element kind of an element's difference; none for names, the file type and routes.
std::optional<ElementKind> ElementKindOf(CompareKind kind);

// One line: "added ZEP Mix", "changed ZEP Mix: function Avg -> Blend; place (20,10) ->
// (24,10)", "connections differ (3 routes)".
QString DifferenceLine(const TNetDifference& difference);
