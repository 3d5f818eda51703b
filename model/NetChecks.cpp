#include "model/NetChecks.h"

#include <algorithm>
#include <vector>

#include <QHash>

#include "model/CarriedText.h"
#include "model/ConnectionEnds.h"
#include "model/FuncNames.h"
#include "model/LinkResolution.h"
#include "model/NetRules.h"
#include "platform/Errors.h"
#include "platform/LatinText.h"

namespace {

constexpr int MaxDelay = 7;

static_assert(static_cast<int>(FindingKind::ZEP) == static_cast<int>(ElementKind::ZEP) &&
                  static_cast<int>(FindingKind::Dot) == static_cast<int>(ElementKind::Dot),
              "the element kinds of a finding are the element kinds, in their order");

// "Non" (any letter case) or nothing is how a ZEP says it has no function or no source.
bool IsNone(const TName& name) { return name.IsEmpty() || UpperAscii(name.Bytes()) == "NON"; }

bool SameName(const TName& a, const TName& b) { return UpperAscii(a.Bytes()) == UpperAscii(b.Bytes()); }

QString Quoted(const TName& name) { return QLatin1Char('"') + name.Str() + QLatin1Char('"'); }

QString Numbered(const char* kind, int number) { return QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(number); }

// A link as the messages name it: "ZEP 2", "Input 1", or nothing.
QString Describe(const TSourceLink& link) {
  if (link.Kind == KindInput) return Numbered("Input", link.Index);
  if (FedFromZEP(link.Kind)) return Numbered("ZEP", link.Index);
  return QStringLiteral("nothing");
}

bool Within(int index, int count) { return index >= 1 && index <= count; }

// The link an input holds, or none when it names no element of the net.
TSourceLink HeldLink(int kind, int delay, int index) {
  if (kind == KindInput && Within(index, InputCount)) return {kind, 0, index};
  if (FedFromZEP(kind) && Within(index, ZEPCount)) return {kind, delay, index};
  return {};
}

const TName& NameOf(const TSourceLink& link) {
  return link.Kind == KindInput ? InputName[link.Index] : ZEPText[link.Index].Name;
}

class NetChecker {
public:
  explicit NetChecker(TCanvasSize canvas) : canvas_(canvas) {
    zeps_.AddAll(ZEPNames(), ZEPCount);
    outputs_.AddAll(OutputName, OutputCount);
  }

  QList<TFinding> Run() {
    std::vector<bool> feeds(static_cast<std::size_t>(ZEPCount) + 1, false);
    for (int z = 1; z <= ZEPCount; ++z) CheckZEP(z, feeds);
    for (int z = 1; z <= ZEPCount; ++z)
      if (!feeds[static_cast<std::size_t>(z)]) Warn(FindingKind::ZEP, z, QStringLiteral("its output feeds nothing"));
    CheckOutputs();
    CheckTexts();
    CheckFunctionLists();
    CheckPositions();
    CheckConnectionTable();
    std::stable_sort(findings_.begin(), findings_.end(), [](const TFinding& a, const TFinding& b) {
      if (a.Level != b.Level) return a.Level < b.Level;
      if (a.Kind != b.Kind) return a.Kind < b.Kind;
      return a.Number < b.Number;
    });
    return findings_;
  }

private:
  // NameIndex::AddAll reads names[i].Bytes(); the ZEP names sit inside ZEPText.
  struct ZEPNameList {
    const TName& operator[](int i) const { return ZEPText[i].Name; }
  };
  static ZEPNameList ZEPNames() { return {}; }

  static QString NameFor(FindingKind kind, int number) {
    switch (kind) {
      case FindingKind::ZEP: return ZEPText[number].Name;
      case FindingKind::Input: return InputName[number];
      case FindingKind::Output: return OutputName[number];
      case FindingKind::Comment: return CommentText[number];
      case FindingKind::Dot: return QString();
      case FindingKind::Function: return UserFuncName[number];
    }
    return QString();
  }

  void Add(Severity level, FindingKind kind, int number, const QString& message) {
    findings_.append({level, kind, number, NameFor(kind, number), message});
  }
  void Error(FindingKind kind, int number, const QString& message) { Add(Severity::Error, kind, number, message); }
  // An error on a link the file would reload to another element.
  void Relinked(FindingKind kind, int number, const QString& message) {
    Error(kind, number, message);
    findings_.last().ReloadsOtherwise = true;
  }
  void Warn(FindingKind kind, int number, const QString& message) { Add(Severity::Warning, kind, number, message); }

  void CheckZEP(int z, std::vector<bool>& feeds) {
    const TZEPText& text = ZEPText[z];
    const TZEPLink& link = ZEPLink[z];
    if (IsNone(text.FuncName)) Error(FindingKind::ZEP, z, QStringLiteral("has no function"));
    else if (functions_.CodeOf(text.FuncName.Bytes()) == 0)
      Error(FindingKind::ZEP, z, QStringLiteral("function %1 is in neither list").arg(Quoted(text.FuncName)));
    CheckInput(z, 'A', text.SourceA, HeldLink(link.AKind, link.ADelay, link.AIndex));
    CheckInput(z, 'B', text.SourceB, HeldLink(link.BKind, link.BDelay, link.BIndex));
    for (const TSourceLink held : {HeldLink(link.AKind, link.ADelay, link.AIndex), HeldLink(link.BKind, link.BDelay, link.BIndex)})
      if (FedFromZEP(held.Kind)) feeds[static_cast<std::size_t>(held.Index)] = true;
    if (Within(link.OutIndex, OutputCount)) feeds[static_cast<std::size_t>(z)] = true;
  }

  // The file stores the source by name; loading links it to the first element of that
  // name, which must be the element the editor links it to.
  void CheckInput(int z, char port, const TName& source, const TSourceLink& held) {
    const QString input = QStringLiteral("input %1").arg(QLatin1Char(port));
    if (held.Kind == KindNone && IsNone(source)) return;
    if (FedFromZEP(held.Kind) && (held.Delay < 0 || held.Delay > MaxDelay))
      Error(FindingKind::ZEP, z, QStringLiteral("%1 delay %2 is outside 0..7").arg(input).arg(held.Delay));
    if (held.Kind != KindNone) {
      const QByteArray written = sources_.SourceText(source, held.Kind, held.Delay, held.Index);
      if (!Loads(written)) {
        Relinked(FindingKind::ZEP, z,
                 QStringLiteral("%1 source %2 would be saved as \"%3\", which does not load")
                     .arg(input, Quoted(source), FromLatin(written)));
        return;
      }
    }
    const TSourceLink reloaded = Reloaded(source, held);
    if (held.Kind == KindNone && reloaded.Kind == KindNone)
      Error(FindingKind::ZEP, z, QStringLiteral("%1 source %2 resolves to nothing").arg(input, Quoted(source)));
    else if (reloaded.SameAs(held.Kind, held.Delay, held.Index))
      return;
    else if (held.Kind == KindInput && FedFromZEP(reloaded.Kind))
      Relinked(FindingKind::ZEP, z, QStringLiteral("%1 Input source %2 names only ZEPs").arg(input, Quoted(source)));
    else if (held.Kind != KindNone && SameName(NameOf(held), source))
      Relinked(FindingKind::ZEP, z,
            QStringLiteral("%1 source %2 is borne by several elements: it would reload from %3, not %4 as drawn")
                .arg(input, Quoted(source), Describe(reloaded), Describe(held)));
    else
      Relinked(FindingKind::ZEP, z,
            QStringLiteral("%1 source %2 would reload from %3, not %4 as drawn")
                .arg(input, Quoted(source), Describe(reloaded), Describe(held)));
  }

  // False when the source text stops a load with a conversion error ("Lo-1-3").
  bool Loads(const QByteArray& text) const {
    try {
      sources_.Resolve(text);
      return true;
    } catch (const RuntimeError&) {
      return false;
    }
  }

  // The link the source gets when the file is loaded again.
  TSourceLink Reloaded(const TName& source, const TSourceLink& held) const {
    try {
      return sources_.Resolve(held.Kind == KindNone ? source.Bytes()
                                                    : sources_.SourceText(source, held.Kind, held.Delay, held.Index));
    } catch (const RuntimeError&) {
      return {};
    }
  }

  // The ZEP each Output is fed from as drawn (the first whose OutIndex names it) and after
  // a reload (the first whose name finds it as the first Output of that name).
  void CheckOutputs() {
    std::vector<int> drawn(static_cast<std::size_t>(OutputCount) + 1, 0);
    std::vector<int> reloaded(static_cast<std::size_t>(OutputCount) + 1, 0);
    for (int z = ZEPCount; z >= 1; --z) {
      if (const int o = ZEPLink[z].OutIndex; Within(o, OutputCount)) drawn[static_cast<std::size_t>(o)] = z;
      if (const int o = outputs_.Find(ZEPText[z].Name.Bytes())) reloaded[static_cast<std::size_t>(o)] = z;
    }
    for (int o = 1; o <= OutputCount; ++o) {
      const int was = drawn[static_cast<std::size_t>(o)];
      const int will = reloaded[static_cast<std::size_t>(o)];
      if (zeps_.Find(OutputName[o].Bytes()) == 0) {
        Error(FindingKind::Output, o, QStringLiteral("names no ZEP"));
      } else if (was != will) {
        const QString from = will ? Numbered("ZEP", will) : QStringLiteral("no ZEP");
        const QString shown = was ? Numbered("ZEP", was) : QStringLiteral("no ZEP");
        const bool shared = was && SameName(ZEPText[was].Name, OutputName[o]);
        Relinked(FindingKind::Output, o,
              QStringLiteral("%1would reload fed from %2, not %3 as drawn")
                  .arg(shared ? QStringLiteral("name borne by several elements: it ") : QString(), from, shown));
      }
    }
  }

  // Texts the file would not give back as they are: the net a save writes would reload
  // with other names, other links, or not at all.
  void CheckTexts() {
    const auto check = [this](FindingKind kind, int number, const QString& what, const QByteArray& text,
                              TextPlace place) {
      const QString fault = CarryFault(text, place);
      if (!fault.isEmpty()) Relinked(kind, number, QStringLiteral("%1 %2: a save would not carry it back").arg(what, fault));
    };
    for (int z = 1; z <= ZEPCount; ++z) {
      const TZEPText& text = ZEPText[z];
      check(FindingKind::ZEP, z, QStringLiteral("name"), text.Name.Bytes(), TextPlace::Key);
      check(FindingKind::ZEP, z, QStringLiteral("function ") + Quoted(text.FuncName), text.FuncName.Bytes(), TextPlace::Item);
      check(FindingKind::ZEP, z, QStringLiteral("input A source ") + Quoted(text.SourceA), text.SourceA.Bytes(), TextPlace::Item);
      check(FindingKind::ZEP, z, QStringLiteral("input B source ") + Quoted(text.SourceB), text.SourceB.Bytes(),
            TextPlace::LastItem);
    }
    for (int i = 1; i <= InputCount; ++i) check(FindingKind::Input, i, QStringLiteral("name"), InputName[i].Bytes(), TextPlace::Key);
    for (int o = 1; o <= OutputCount; ++o) check(FindingKind::Output, o, QStringLiteral("name"), OutputName[o].Bytes(), TextPlace::Key);
    for (int c = 1; c <= CommentCount; ++c)
      check(FindingKind::Comment, c, QStringLiteral("text"), CommentText[c].Bytes(), TextPlace::Key);
    for (int u = 1; u <= UserFuncCount; ++u)
      check(FindingKind::Function, u, QStringLiteral("user name"), UserFuncName[u].Bytes(), TextPlace::ListName);
    // A library name is numbered by its place in the library list.
    for (int j = 1; j <= LibFuncCount; ++j) {
      const qsizetype before = findings_.size();
      check(FindingKind::Function, j, QStringLiteral("library name"), LibFuncName[j].Bytes(), TextPlace::ListName);
      if (findings_.size() > before) findings_.last().Name = LibFuncName[j];
    }
  }

  void CheckFunctionLists() {
    NameIndex library;
    library.AddAll(LibFuncName, LibFuncCount);
    for (int u = 1; u <= UserFuncCount; ++u)
      if (const int j = library.Find(UserFuncName[u].Bytes()))
        Warn(FindingKind::Function, u,
             QStringLiteral("is in both lists (library %1): a ZEP naming it computes the user function").arg(j));
  }

  void CheckPositions() {
    struct Taken {
      FindingKind Kind;
      int Number;
    };
    QHash<quint64, Taken> taken;
    taken.reserve(ZEPCount + InputCount + OutputCount + CommentCount + DotCount);
    for (ElementKind kind : ElementKinds) {
      const auto findingKind = static_cast<FindingKind>(kind);
      for (int i = 1, count = CountOf(kind); i <= count; ++i) {
        const TGridPoint p = ElementPoint(kind, i);
        const auto at = [p] { return QStringLiteral("(%1,%2)").arg(p.X).arg(p.Y); };
        if (p.X < 0 || p.Y < 0)
          Warn(findingKind, i, QStringLiteral("stands at a negative position %1").arg(at()));
        else if (p.X > canvas_.Width || p.Y > canvas_.Height)
          Warn(findingKind, i,
               QStringLiteral("lies outside the canvas (%1*%2) at %3").arg(canvas_.Width).arg(canvas_.Height).arg(at()));
        const quint64 key = (static_cast<quint64>(static_cast<quint32>(p.X)) << 32) | static_cast<quint32>(p.Y);
        const auto first = taken.constFind(key);
        if (first == taken.cend())
          taken.insert(key, {findingKind, i});
        else
          Warn(findingKind, i,
               QStringLiteral("stands on the same grid point %1 as %2 %3")
                   .arg(at(), FindingKindWord(first->Kind))
                   .arg(first->Number));
      }
    }
  }

  // The table holds MaxConn connections; those asked for beyond it are not laid.
  void CheckConnectionTable() {
    int laid = 0;
    int missing = 0;
    TRouteRequest firstMissing;
    ForEachConnection([&](const TConnectionEnds& ends) {
      if (!ends.HasLength()) return;
      if (laid < MaxConn) ++laid;
      else if (missing++ == 0) firstMissing = ends.Request;
    });
    if (missing == 0) return;
    const int zep = firstMissing.Port == 0 ? firstMissing.FromIndex : firstMissing.ToIndex;
    const QString which = firstMissing.Port == 0 ? Numbered("its connection to Output", firstMissing.ToIndex)
                                                 : QStringLiteral("its input %1").arg(QLatin1Char(firstMissing.Port == 1 ? 'A' : 'B'));
    const QString rest = missing == 1 ? QStringLiteral(" is") : QStringLiteral(" and %1 more are").arg(missing - 1);
    Error(FindingKind::ZEP, zep,
          QStringLiteral("the connection table is full (%1): %2%3 not laid").arg(MaxConn).arg(which, rest));
  }

  TCanvasSize canvas_;
  NameIndex zeps_;
  NameIndex outputs_;
  const SourceResolver sources_;
  const FuncCodeIndex functions_;
  QList<TFinding> findings_;
};

}  // namespace

QList<TFinding> CheckNet(TCanvasSize canvas) { return NetChecker(canvas).Run(); }

bool ReloadsOtherwise(const QList<TFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(), [](const TFinding& f) { return f.ReloadsOtherwise; });
}

QString SeverityWord(Severity level) {
  return level == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString FindingKindWord(FindingKind kind) {
  return IsElement(kind) ? KindWord(ElementOf(kind)) : QStringLiteral("Function");
}

bool IsElement(FindingKind kind) { return kind != FindingKind::Function; }

ElementKind ElementOf(FindingKind kind) { return static_cast<ElementKind>(kind); }

QString FindingLine(const TFinding& finding) {
  QString line = SeverityWord(finding.Level) + QLatin1Char(' ') + FindingKindWord(finding.Kind) + QLatin1Char(' ') +
                 QString::number(finding.Number);
  if (!finding.Name.isEmpty()) line += QLatin1Char(' ') + finding.Name;
  // Names come from files, which may hold control characters; shown raw, they would act
  // on a terminal.
  return ControlsEscaped(line + QStringLiteral(": ") + finding.Message);
}
