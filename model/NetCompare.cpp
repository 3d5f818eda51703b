#include "model/NetCompare.h"

#include <QtEndian>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// An element of one net under the key it is matched by. A name fits the string's own room,
// so keys cost no allocation.
struct TKeyed {
  std::string Key;
  int Number = 0;
};

// Two elements taken for the same one; Old or New is 0 for an element only one net has.
struct TMatch {
  int Old = 0;
  int New = 0;
  int Occurrence = 0;
};

template <typename KeyOf>
std::vector<TKeyed> KeyedElements(int count, KeyOf keyOf) {
  std::vector<TKeyed> keyed;
  keyed.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int i = 1; i <= count; ++i) keyed.push_back({keyOf(i), i});
  std::sort(keyed.begin(), keyed.end(), [](const TKeyed& a, const TKeyed& b) {
    return a.Key != b.Key ? a.Key < b.Key : a.Number < b.Number;
  });
  return keyed;
}

size_t RunOf(const std::vector<TKeyed>& keyed, size_t at, const std::string& key) {
  size_t end = at;
  while (end < keyed.size() && keyed[end].Key == key) ++end;
  return end - at;
}

// Pairs the elements in key order: of the elements sharing a key, the first of one net with
// the first of the other, and so on; the rest of the longer run stands alone.
std::vector<TMatch> MatchByKey(const std::vector<TKeyed>& older, const std::vector<TKeyed>& newer) {
  std::vector<TMatch> matches;
  size_t i = 0;
  size_t j = 0;
  while (i < older.size() || j < newer.size()) {
    const std::string& key = j == newer.size() || (i < older.size() && older[i].Key < newer[j].Key) ? older[i].Key
                                                                                                  : newer[j].Key;
    const size_t a = RunOf(older, i, key);
    const size_t b = RunOf(newer, j, key);
    const bool shared = std::max(a, b) > 1;
    for (size_t k = 0; k < std::max(a, b); ++k)
      matches.push_back({k < a ? older[i + k].Number : 0, k < b ? newer[j + k].Number : 0,
                         shared ? static_cast<int>(k) + 1 : 0});
    i += a;
    j += b;
  }
  return matches;
}

// Which matched elements moved in the order, by their old number: all but the longest set
// that kept its order among itself. Inserting or deleting an element shifts the numbers of
// those after it without moving them; moving one element moves that one alone.
std::vector<bool> MovedInOrder(const std::vector<TMatch>& matches, int oldCount) {
  std::vector<int> newByOld(static_cast<size_t>(std::max(oldCount, 0)) + 1, 0);
  for (const TMatch& m : matches)
    if (m.Old > 0 && m.New > 0) newByOld[static_cast<size_t>(m.Old)] = m.New;
  // Longest increasing run of new numbers in old order (patience sorting), kept as the
  // old numbers that end each length, with a link to the one before.
  std::vector<int> tails;
  std::vector<int> before(newByOld.size(), 0);
  for (int old = 1; old <= oldCount; ++old) {
    const int now = newByOld[static_cast<size_t>(old)];
    if (now == 0) continue;
    const auto at = std::lower_bound(tails.begin(), tails.end(), now,
                                     [&](int tail, int value) { return newByOld[static_cast<size_t>(tail)] < value; });
    before[static_cast<size_t>(old)] = at == tails.begin() ? 0 : *(at - 1);
    if (at == tails.end()) tails.push_back(old);
    else *at = old;
  }
  std::vector<bool> moved(newByOld.size(), false);
  for (int old = 1; old <= oldCount; ++old) moved[static_cast<size_t>(old)] = newByOld[static_cast<size_t>(old)] > 0;
  for (int old = tails.empty() ? 0 : tails.back(); old > 0; old = before[static_cast<size_t>(old)])
    moved[static_cast<size_t>(old)] = false;
  return moved;
}

QString Place(int x, int y) { return QStringLiteral("(%1,%2)").arg(QString::number(x), QString::number(y)); }

template <int N>
void NoteText(QList<TPropertyChange>& out, const char* property, const ShortString<N>& from, const ShortString<N>& to) {
  if (!(from == to)) out.append({QString::fromLatin1(property), from.Str(), to.Str()});
}

void NoteNumber(QList<TPropertyChange>& out, const char* property, int from, int to) {
  if (from != to) out.append(TPropertyChange{QString::fromLatin1(property), QString::number(from), QString::number(to)});
}

void NotePlace(QList<TPropertyChange>& out, int fromX, int fromY, int toX, int toY) {
  if (fromX != toX || fromY != toY) out.append({QStringLiteral("place"), Place(fromX, fromY), Place(toX, toY)});
}

// A source as the file writes it: the name, and "-" with the delay when there is one.
QString SourceText(const TName& name, int delay) {
  return delay > 0 ? name.Str() + QLatin1Char('-') + QString::number(delay) : name.Str();
}

void NoteSource(QList<TPropertyChange>& out, const char* property, const TName& fromName, int fromDelay,
                const TName& toName, int toDelay) {
  if (!(fromName == toName) || fromDelay != toDelay)
    out.append({QString::fromLatin1(property), SourceText(fromName, fromDelay), SourceText(toName, toDelay)});
}

// A name or text with its ASCII letters in upper case, as names are compared.
template <int N>
std::string NameKey(const ShortString<N>& name) {
  const QByteArray bytes = name.Bytes();
  std::string key(bytes.constData(), static_cast<size_t>(bytes.size()));
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

// Places sort as numbers: each coordinate biased into an unsigned big-endian word.
void AppendPlaceKey(std::string& key, int x, int y) {
  char bytes[8];
  qToBigEndian(static_cast<quint32>(x) ^ 0x80000000u, bytes);
  qToBigEndian(static_cast<quint32>(y) ^ 0x80000000u, bytes + 4);
  key.append(bytes, sizeof bytes);
}

std::string PlaceKey(int x, int y) {
  std::string key;
  AppendPlaceKey(key, x, y);
  return key;
}

// A route as its points, so that equal routes have equal keys.
std::string RouteKey(const TNetTables& net, int k) {
  const int points = std::clamp(net.ConnPointCount[k], 0, MaxConnPoint);
  std::string key;
  key.reserve(static_cast<size_t>(points) * 8);
  for (int p = 1; p <= points; ++p) AppendPlaceKey(key, net.ConnPoint[k][p].X, net.ConnPoint[k][p].Y);
  return key;
}

class Comparison {
public:
  Comparison(const TNetTables& older, const TNetTables& newer) : a_(older), b_(newer) {}

  QList<TNetDifference> Run() {
    if (a_.NetFileType != b_.NetFileType) {
      TNetDifference type;
      type.Kind = CompareKind::FileType;
      NoteNumber(type.Properties, "network", a_.NetFileType, b_.NetFileType);
      out_.append(type);
    }
    CompareNames(CompareKind::LibraryName, &TNetTables::LibFuncName, &TNetTables::LibFuncCount);
    CompareNames(CompareKind::UserName, &TNetTables::UserFuncName, &TNetTables::UserFuncCount);
    CompareZEPs();
    CompareTerminals(CompareKind::Input, &TNetTables::InputName, &TNetTables::InputPos, &TNetTables::InputCount);
    CompareTerminals(CompareKind::Output, &TNetTables::OutputName, &TNetTables::OutputPos, &TNetTables::OutputCount);
    CompareComments();
    CompareDots();
    if (out_.isEmpty()) CompareRoutes();
    return out_;
  }

private:
  // Matches the elements of one kind and lists those that differ. `keyOf(net, i)` gives the
  // matching key, `nameOf(net, i)` the name shown, `propertiesOf(old, new)` what changed;
  // `orderProperty`, when given, names a move in the table order.
  template <typename KeyOf, typename NameOf, typename PropertiesOf>
  void CompareKindOf(CompareKind kind, int oldCount, int newCount, KeyOf keyOf, NameOf nameOf,
                     PropertiesOf propertiesOf, const char* orderProperty = nullptr) {
    const std::vector<TMatch> matches =
        MatchByKey(KeyedElements(oldCount, [&](int i) { return keyOf(a_, i); }),
                   KeyedElements(newCount, [&](int i) { return keyOf(b_, i); }));
    const std::vector<bool> moved = orderProperty ? MovedInOrder(matches, oldCount) : std::vector<bool>();
    for (const TMatch& m : matches) {
      TNetDifference d;
      d.Kind = kind;
      d.Occurrence = m.Occurrence;
      d.OldNumber = m.Old;
      d.NewNumber = m.New;
      if (m.Old == 0) {
        d.Change = ChangeKind::Added;
        d.Name = nameOf(b_, m.New);
      } else if (m.New == 0) {
        d.Change = ChangeKind::Removed;
        d.Name = nameOf(a_, m.Old);
      } else {
        d.Properties = propertiesOf(m.Old, m.New);
        if (orderProperty && moved[static_cast<size_t>(m.Old)]) NoteNumber(d.Properties, orderProperty, m.Old, m.New);
        if (d.Properties.isEmpty()) continue;
        d.Name = nameOf(b_, m.New);
      }
      out_.append(d);
    }
  }

  // A kind whose elements are matched by the names in one table.
  template <typename Names, typename PropertiesOf>
  void CompareByName(CompareKind kind, Names TNetTables::*names, int TNetTables::*count,
                     PropertiesOf propertiesOf, const char* orderProperty = nullptr) {
    CompareKindOf(
        kind, std::min(a_.*count, Names::Capacity), std::min(b_.*count, Names::Capacity),
        [&](const TNetTables& net, int i) { return NameKey((net.*names)[i]); },
        [&](const TNetTables& net, int i) { return (net.*names)[i].Str(); }, propertiesOf, orderProperty);
  }

  template <typename Names>
  void CompareNames(CompareKind kind, Names TNetTables::*names, int TNetTables::*count) {
    CompareByName(kind, names, count, [&](int o, int n) {
      QList<TPropertyChange> changes;
      NoteText(changes, "name", (a_.*names)[o], (b_.*names)[n]);
      return changes;
    });
  }

  void CompareZEPs() {
    CompareKindOf(
        CompareKind::ZEP, std::min(a_.ZEPCount, MaxZEP), std::min(b_.ZEPCount, MaxZEP),
        [](const TNetTables& net, int i) { return NameKey(net.ZEPText[i].Name); },
        [](const TNetTables& net, int i) { return net.ZEPText[i].Name.Str(); },
        [&](int o, int n) {
          QList<TPropertyChange> changes;
          const TZEPText& at = a_.ZEPText[o];
          const TZEPText& bt = b_.ZEPText[n];
          const TZEPLink& al = a_.ZEPLink[o];
          const TZEPLink& bl = b_.ZEPLink[n];
          const TZEPPos& ap = a_.ZEPPos[o];
          const TZEPPos& bp = b_.ZEPPos[n];
          NoteText(changes, "name", at.Name, bt.Name);
          NoteText(changes, "function", at.FuncName, bt.FuncName);
          NoteSource(changes, "input A", at.SourceA, al.ADelay, bt.SourceA, bl.ADelay);
          NoteSource(changes, "input B", at.SourceB, al.BDelay, bt.SourceB, bl.BDelay);
          NotePlace(changes, ap.X, ap.Y, bp.X, bp.Y);
          NoteNumber(changes, "output line", ap.OutLength, bp.OutLength);
          return changes;
        },
        "scan position");
  }

  template <typename Names, typename Places>
  void CompareTerminals(CompareKind kind, Names TNetTables::*names, Places TNetTables::*places,
                        int TNetTables::*count) {
    CompareByName(
        kind, names, count,
        [&](int o, int n) {
          QList<TPropertyChange> changes;
          const TTermPos& ap = (a_.*places)[o];
          const TTermPos& bp = (b_.*places)[n];
          NoteText(changes, "name", (a_.*names)[o], (b_.*names)[n]);
          NotePlace(changes, ap.X, ap.Y, bp.X, bp.Y);
          NoteNumber(changes, "line length", ap.Length, bp.Length);
          return changes;
        },
        // Their numbers are drawn beside them.
        "number");
  }

  void CompareComments() {
    CompareKindOf(
        CompareKind::Comment, std::min(a_.CommentCount, MaxComment), std::min(b_.CommentCount, MaxComment),
        [](const TNetTables& net, int i) { return NameKey(net.CommentText[i]); },
        [](const TNetTables& net, int i) { return net.CommentText[i].Str(); },
        [&](int o, int n) {
          QList<TPropertyChange> changes;
          NoteText(changes, "text", a_.CommentText[o], b_.CommentText[n]);
          NotePlace(changes, a_.CommentPos[o].X, a_.CommentPos[o].Y, b_.CommentPos[n].X, b_.CommentPos[n].Y);
          return changes;
        });
  }

  // A Dot is its place: it is there or not.
  void CompareDots() {
    CompareKindOf(
        CompareKind::Dot, std::min(a_.DotCount, MaxDot), std::min(b_.DotCount, MaxDot),
        [](const TNetTables& net, int i) { return PlaceKey(net.DotPos[i].X, net.DotPos[i].Y); },
        [](const TNetTables& net, int i) { return Place(net.DotPos[i].X, net.DotPos[i].Y); },
        [](int, int) { return QList<TPropertyChange>(); });
  }

  // The routes each net has that the other has not, as many times as it has them more.
  void CompareRoutes() {
    const std::vector<TMatch> matches =
        MatchByKey(KeyedElements(std::min(a_.ConnCount, MaxConn), [&](int k) { return RouteKey(a_, k); }),
                   KeyedElements(std::min(b_.ConnCount, MaxConn), [&](int k) { return RouteKey(b_, k); }));
    int onlyOld = 0;
    int onlyNew = 0;
    for (const TMatch& m : matches) {
      onlyOld += m.New == 0;
      onlyNew += m.Old == 0;
    }
    if (onlyOld == 0 && onlyNew == 0) return;
    TNetDifference routes;
    routes.Kind = CompareKind::Connections;
    routes.Routes = std::max(onlyOld, onlyNew);
    out_.append(routes);
  }

  const TNetTables& a_;
  const TNetTables& b_;
  QList<TNetDifference> out_;
};

}  // namespace

QList<TNetDifference> CompareNets(const TNetTables& older, const TNetTables& newer) {
  return Comparison(older, newer).Run();
}

QString CompareKindWord(CompareKind kind) {
  switch (kind) {
    case CompareKind::FileType: return QStringLiteral("file type");
    case CompareKind::LibraryName: return QStringLiteral("library name");
    case CompareKind::UserName: return QStringLiteral("user name");
    case CompareKind::ZEP: return QStringLiteral("ZEP");
    case CompareKind::Input: return QStringLiteral("Input");
    case CompareKind::Output: return QStringLiteral("Output");
    case CompareKind::Comment: return QStringLiteral("Comment");
    case CompareKind::Dot: return QStringLiteral("Dot");
    case CompareKind::Connections: return QStringLiteral("connections");
  }
  return {};
}

QString ChangeWord(ChangeKind change) {
  switch (change) {
    case ChangeKind::Added: return QStringLiteral("added");
    case ChangeKind::Removed: return QStringLiteral("removed");
    case ChangeKind::Changed: return QStringLiteral("changed");
  }
  return {};
}

std::optional<ElementKind> ElementKindOf(CompareKind kind) {
  switch (kind) {
    case CompareKind::ZEP: return ElementKind::ZEP;
    case CompareKind::Input: return ElementKind::Input;
    case CompareKind::Output: return ElementKind::Output;
    case CompareKind::Comment: return ElementKind::Comment;
    case CompareKind::Dot: return ElementKind::Dot;
    default: return std::nullopt;
  }
}

QString DifferenceLine(const TNetDifference& d) {
  if (d.Kind == CompareKind::Connections)
    return QStringLiteral("connections differ (%1 %2)").arg(d.Routes).arg(d.Routes == 1 ? "route" : "routes");
  QString line = ChangeWord(d.Change) + QLatin1Char(' ') + CompareKindWord(d.Kind);
  if (!d.Name.isEmpty()) line += QLatin1Char(' ') + d.Name;
  if (d.Occurrence > 0) line += QStringLiteral(" #%1").arg(d.Occurrence);
  for (qsizetype p = 0; p < d.Properties.size(); ++p) {
    const TPropertyChange& c = d.Properties[p];
    line += (p == 0 ? QStringLiteral(": ") : QStringLiteral("; ")) + c.Property + QLatin1Char(' ') + c.From +
            QStringLiteral(" -> ") + c.To;
  }
  return line;
}
