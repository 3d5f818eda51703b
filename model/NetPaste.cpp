#include "model/NetPaste.h"

#include <QHash>
#include <QSet>
#include <memory>

#include "model/ConnectionEnds.h"
#include "model/FuncNames.h"
#include "model/LinkResolution.h"
#include "platform/Errors.h"

namespace {

// A label box that nothing hits until the painter records the real one.
constexpr TLabelBox UndrawnBox{0, 0, -1, -1};

// The elements of the pasted part by upper-case name, the first of a name winning, as the
// net looks names up.
QHash<QByteArray, int> ZEPsByName(const TNetTables& part) {
  QHash<QByteArray, int> index;
  for (int i = part.ZEPCount; i >= 1; --i) index.insert(UpperAscii(part.ZEPText[i].Name.Bytes()), i);
  return index;
}

template <typename Names>
QHash<QByteArray, int> FirstOf(const Names& names, int count) {
  QHash<QByteArray, int> index;
  for (int i = count; i >= 1; --i) index.insert(UpperAscii(names[i].Bytes()), i);
  return index;
}

struct TTableRoom {
  QString What;   // "ZEPs", "library names"
  QString Table;  // "ZEP table", "library name list"
  int Needed;
  int Free;
};

QString RoomRefusal(const TTableRoom& room) {
  return QStringLiteral("Nothing pasted: the paste holds %1 %2, and the %3 has %4 free %5 left.")
      .arg(room.Needed)
      .arg(room.What, room.Table)
      .arg(room.Free)
      .arg(room.Free == 1 ? QStringLiteral("place") : QStringLiteral("places"));
}

// Function names the net's lists lack, each with the list of the part that held it.
struct TNewFunctions {
  QList<TName> Library;
  QList<TName> User;
};

TNewFunctions MissingFunctions(const TNetTables& part) {
  const FuncCodeIndex net;
  const auto user = FirstOf(part.UserFuncName, part.UserFuncCount);
  const auto library = FirstOf(part.LibFuncName, part.LibFuncCount);
  TNewFunctions missing;
  QSet<QByteArray> seen;
  for (int j = 1; j <= part.ZEPCount; ++j) {
    const QByteArray name = part.ZEPText[j].FuncName.Bytes();
    const QByteArray upper = UpperAscii(name);
    if (net.CodeOf(name) != 0 || seen.contains(upper)) continue;
    if (const int u = user.value(upper)) missing.User << part.UserFuncName[u];
    else if (const int l = library.value(upper)) missing.Library << part.LibFuncName[l];
    else continue;
    seen.insert(upper);
  }
  return missing;
}

QString CheckRoom(const TNetTables& part, const TNewFunctions& functions) {
  const TTableRoom rooms[] = {
      {QStringLiteral("ZEPs"), QStringLiteral("ZEP table"), part.ZEPCount, MaxZEP - ZEPCount},
      {QStringLiteral("Inputs"), QStringLiteral("Input table"), part.InputCount, MaxInput - InputCount},
      {QStringLiteral("Outputs"), QStringLiteral("Output table"), part.OutputCount, MaxOutput - OutputCount},
      {QStringLiteral("Comments"), QStringLiteral("Comment table"), part.CommentCount, MaxComment - CommentCount},
      {QStringLiteral("Dots"), QStringLiteral("Dot table"), part.DotCount, MaxDot - DotCount},
      {QStringLiteral("new library names"), QStringLiteral("library name list"),
       static_cast<int>(functions.Library.size()), MaxLibFunc - LibFuncCount},
      {QStringLiteral("new user function names"), QStringLiteral("user function name list"),
       static_cast<int>(functions.User.size()), MaxUserFunc - UserFuncCount},
  };
  for (const TTableRoom& room : rooms)
    if (room.Needed > room.Free) return RoomRefusal(room);
  return {};
}

// Gives names that no element of the net and no name given before bears, letter case
// ignored: the name itself when it is free, else the name with the smallest number from 2
// on in place of the digits it ends in, cut so that it fits in 15 characters (Mix -> Mix2,
// Mix2 -> Mix3). Names only get taken, so the search for a stem goes on where it stopped.
class FreeNames {
public:
  FreeNames() {
    for (int i = 1; i <= ZEPCount; ++i) taken_.insert(UpperAscii(ZEPText[i].Name.Bytes()));
    for (int i = 1; i <= InputCount; ++i) taken_.insert(UpperAscii(InputName[i].Bytes()));
    for (int i = 1; i <= OutputCount; ++i) taken_.insert(UpperAscii(OutputName[i].Bytes()));
  }

  TName Take(const TName& wanted) {
    const QByteArray name = wanted.Bytes();
    QByteArray free = name;
    if (taken_.contains(UpperAscii(name))) {
      QByteArray stem = name;
      while (!stem.isEmpty() && stem.back() >= '0' && stem.back() <= '9') stem.chop(1);
      if (stem.isEmpty()) stem = name;
      int& k = next_[UpperAscii(stem)];
      if (k < 2) k = 2;
      for (;; ++k) {
        const QByteArray number = QByteArray::number(k);
        free = stem.left(TName::MaxLength - number.size()) + number;
        if (!taken_.contains(UpperAscii(free))) break;
      }
    }
    taken_.insert(UpperAscii(free));
    return free;
  }

private:
  QSet<QByteArray> taken_;
  QHash<QByteArray, int> next_;  // by stem in upper case: the first number not yet tried
};

// The pasted names: each ZEP and Input gets a name free in the net and among the pasted
// ones; an Output follows the pasted ZEP it shows, keeps the name of a ZEP of the net it
// shows, and is otherwise named as the others.
struct TNewNames {
  QList<TName> ZEP;
  QList<TName> Input;
  QList<TName> Output;
};

TNewNames GiveNames(const TNetTables& part) {
  FreeNames free;
  QSet<QByteArray> netZEPs;
  for (int i = 1; i <= ZEPCount; ++i) netZEPs.insert(UpperAscii(ZEPText[i].Name.Bytes()));
  TNewNames names;
  for (int j = 1; j <= part.ZEPCount; ++j) names.ZEP << free.Take(part.ZEPText[j].Name);
  for (int j = 1; j <= part.InputCount; ++j) names.Input << free.Take(part.InputName[j]);
  const auto pastedZEPs = ZEPsByName(part);
  for (int j = 1; j <= part.OutputCount; ++j) {
    const TName& name = part.OutputName[j];
    const QByteArray upper = UpperAscii(name.Bytes());
    if (const int z = pastedZEPs.value(upper)) names.Output << names.ZEP[z - 1];
    else if (netZEPs.contains(upper)) names.Output << name;
    else names.Output << free.Take(name);
  }
  return names;
}

// What a pasted source names, as the part itself resolves it: a pasted Input, a pasted ZEP,
// a pasted ZEP with a delay suffix; else an element of the net; else nothing.
class PastedSources {
public:
  PastedSources(const TNetTables& part, const TNewNames& names)
      : names_(names), inputs_(FirstOf(part.InputName, part.InputCount)), zeps_(ZEPsByName(part)) {}

  QByteArray TextOf(const QByteArray& text) const {
    const QByteArray upper = UpperAscii(text);
    if (const int k = inputs_.value(upper)) return names_.Input[k - 1].Bytes();
    if (const int m = zeps_.value(upper)) return names_.ZEP[m - 1].Bytes();
    const qsizetype dash = text.indexOf('-');
    if (dash >= 0) {
      if (const int m = zeps_.value(UpperAscii(text.left(dash).trimmed())))
        return names_.ZEP[m - 1].Bytes() + text.mid(dash);
    }
    try {
      if (net_.Resolve(text).Kind != KindNone) return text;
    } catch (const RuntimeError&) {
      // A delay that is no number names nothing.
    }
    return "Non";
  }

private:
  const TNewNames& names_;
  QHash<QByteArray, int> inputs_;
  QHash<QByteArray, int> zeps_;
  SourceResolver net_;  // the net before the paste
};

// Positions from a clipboard may be anything; they wrap rather than overflow.
TGridPoint Moved(TGridPoint p, TGridPoint offset) {
  return {WrappedSum(static_cast<long long>(p.X) + offset.X), WrappedSum(static_cast<long long>(p.Y) + offset.Y)};
}

// A source text into its field, the bytes beyond 15 kept aside as a read file keeps them.
void StoreSource(const QByteArray& text, TName& field, ShortString<255>& rest) {
  field = text;
  rest = text.mid(TName::MaxLength);
}

void ResolvePasted(int firstZEP, int firstOutput) {
  const FuncCodeIndex functions;
  const SourceResolver resolver;
  NameIndex outputs;
  outputs.AddAll(OutputName, OutputCount);
  NameIndex pastedOutputs;
  for (int o = firstOutput; o <= OutputCount; ++o) pastedOutputs.Add(OutputName[o].Bytes(), o);
  const auto resolve = [&](TName& source, ShortString<255>& rest, int& kind, int& delay, int& index) {
    const QByteArray text = source.Bytes() + rest.Bytes();
    rest = ShortString<255>();
    TSourceLink link;
    try {
      link = resolver.Resolve(text, &source);
    } catch (const RuntimeError&) {
      // A pasted ZEP's name with a suffix that is no delay: the text stays, unlinked.
    }
    kind = link.Kind;
    delay = link.Delay;
    index = link.Index;
  };
  for (int z = 1; z < firstZEP; ++z)
    if (ZEPLink[z].OutIndex == 0) ZEPLink[z].OutIndex = pastedOutputs.Find(ZEPText[z].Name.Bytes());
  for (int z = firstZEP; z <= ZEPCount; ++z) {
    TZEPLink& link = ZEPLink[z];
    link.FuncCode = functions.CodeOf(ZEPText[z].FuncName.Bytes());
    resolve(ZEPText[z].SourceA, SourceRest[z].A, link.AKind, link.ADelay, link.AIndex);
    resolve(ZEPText[z].SourceB, SourceRest[z].B, link.BKind, link.BDelay, link.BIndex);
    link.OutIndex = outputs.Find(ZEPText[z].Name.Bytes());
  }
}

}  // namespace

TPasteResult PasteNet(const TNetTables& part, TGridPoint offset) {
  TPasteResult result;
  const TNewFunctions functions = MissingFunctions(part);
  result.Refusal = CheckRoom(part, functions);
  if (!result.Refusal.isEmpty()) return result;

  const TNewNames names = GiveNames(part);
  const PastedSources sources(part, names);
  const int firstZEP = ZEPCount + 1;
  const int firstOutput = OutputCount + 1;
  for (int j = 1; j <= part.ZEPCount; ++j) {
    const int z = ++ZEPCount;
    const TZEPText& from = part.ZEPText[j];
    ZEPText[z] = {names.ZEP[j - 1], from.FuncName, {}, {}};
    StoreSource(sources.TextOf(from.SourceA.Bytes() + part.SourceRest[j].A.Bytes()), ZEPText[z].SourceA, SourceRest[z].A);
    StoreSource(sources.TextOf(from.SourceB.Bytes() + part.SourceRest[j].B.Bytes()), ZEPText[z].SourceB, SourceRest[z].B);
    ZEPLink[z] = {};
    const TZEPPos& pos = part.ZEPPos[j];
    const TGridPoint at = Moved({pos.X, pos.Y}, offset);
    ZEPPos[z] = {at.X, at.Y, pos.OutLength};
    result.Pasted.Set(ElementKind::ZEP, z);
  }
  const auto pasteTerminals = [&](ElementKind kind, const auto& pos, const QList<TName>& newNames, int count,
                                  auto& tableNames, auto& tablePos, auto& boxes, int& tableCount) {
    for (int j = 1; j <= count; ++j) {
      const int t = ++tableCount;
      tableNames[t] = newNames[j - 1];
      const TGridPoint at = Moved({pos[j].X, pos[j].Y}, offset);
      tablePos[t] = {at.X, at.Y, pos[j].Length};
      boxes[t] = UndrawnBox;
      result.Pasted.Set(kind, t);
    }
  };
  pasteTerminals(ElementKind::Input, part.InputPos, names.Input, part.InputCount, InputName, InputPos, InputBox, InputCount);
  pasteTerminals(ElementKind::Output, part.OutputPos, names.Output, part.OutputCount, OutputName, OutputPos, OutputBox,
                 OutputCount);
  for (int j = 1; j <= part.CommentCount; ++j) {
    const int c = ++CommentCount;
    CommentText[c] = part.CommentText[j];
    CommentPos[c] = Moved(part.CommentPos[j], offset);
    CommentBox[c] = UndrawnBox;
    result.Pasted.Set(ElementKind::Comment, c);
  }
  for (int j = 1; j <= part.DotCount; ++j) {
    const int d = ++DotCount;
    DotPos[d] = Moved(part.DotPos[j], offset);
    DotBox[d] = UndrawnBox;
    result.Pasted.Set(ElementKind::Dot, d);
  }
  for (const TName& name : functions.Library) LibFuncName[++LibFuncCount] = name;
  for (const TName& name : functions.User) UserFuncName[++UserFuncCount] = name;
  ResolvePasted(firstZEP, firstOutput);
  return result;
}
