#include "netfile/CheckedSave.h"

#include <QBuffer>
#include <algorithm>

#include "model/NetDef.h"
#include "model/NetRules.h"
#include "netfile/NetReader.h"
#include "netfile/NetWriter.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/LatinText.h"
#include "platform/Prompts.h"

namespace {

constexpr int MostDifferencesShown = 6;

QString Quoted(const QByteArray& text) { return QLatin1Char('"') + ControlsEscaped(FromLatin(text)) + QLatin1Char('"'); }

// What an input is fed from; a link outside its table is none, and kinds 2 and 3 are one.
struct Feed {
  int Kind = KindNone;
  int Delay = 0;
  int Index = 0;
  friend bool operator==(const Feed&, const Feed&) = default;
};

Feed FeedOf(const TNetTables& net, int kind, int delay, int index) {
  if (kind == KindInput && index >= 1 && index <= net.InputCount) return {KindInput, 0, index};
  if (FedFromZEP(kind) && index >= 1 && index <= net.ZEPCount) return {KindZEP, delay, index};
  return {};
}

QString FeedWords(const Feed& feed) {
  if (feed.Kind == KindInput) return QStringLiteral("Input %1").arg(feed.Index);
  if (feed.Kind == KindNone) return QStringLiteral("nothing");
  if (feed.Delay == 0) return QStringLiteral("ZEP %1").arg(feed.Index);
  return QStringLiteral("ZEP %1 through a delay of %2").arg(feed.Index).arg(feed.Delay);
}

// The Output a ZEP feeds, 0 for none.
int OutputOf(const TNetTables& net, int index) { return index >= 1 && index <= net.OutputCount ? index : 0; }

QString OutputWords(int o) { return o ? QStringLiteral("Output %1").arg(o) : QStringLiteral("no Output"); }

QString Place(int x, int y) { return QStringLiteral("(%1,%2)").arg(x).arg(y); }

// Compares what the file carries, element by element; the links by what they lead to.
class ReloadComparer {
public:
  ReloadComparer(const TNetTables& now, const TNetTables& back) : now_(now), back_(back) {}

  QStringList Differences() {
    Count("ZEPs", now_.ZEPCount, back_.ZEPCount);
    Count("Inputs", now_.InputCount, back_.InputCount);
    Count("Outputs", now_.OutputCount, back_.OutputCount);
    Count("Comments", now_.CommentCount, back_.CommentCount);
    Count("Dots", now_.DotCount, back_.DotCount);
    Count("connections", now_.ConnCount, back_.ConnCount);
    Count("library names", now_.LibFuncCount, back_.LibFuncCount);
    Count("user function names", now_.UserFuncCount, back_.UserFuncCount);
    for (int z = 1; z <= std::min(now_.ZEPCount, back_.ZEPCount); ++z) ZEP(z);
    for (int i = 1; i <= std::min(now_.InputCount, back_.InputCount); ++i)
      Terminal("Input", i, now_.InputName[i], back_.InputName[i], now_.InputPos[i], back_.InputPos[i]);
    for (int o = 1; o <= std::min(now_.OutputCount, back_.OutputCount); ++o)
      Terminal("Output", o, now_.OutputName[o], back_.OutputName[o], now_.OutputPos[o], back_.OutputPos[o]);
    for (int c = 1; c <= std::min(now_.CommentCount, back_.CommentCount); ++c) Comment(c);
    for (int d = 1; d <= std::min(now_.DotCount, back_.DotCount); ++d)
      if (now_.DotPos[d] != back_.DotPos[d])
        Add(QStringLiteral("Dot %1: would reload at %2").arg(d).arg(Place(back_.DotPos[d].X, back_.DotPos[d].Y)));
    for (int k = 1; k <= std::min(now_.ConnCount, back_.ConnCount); ++k) Connection(k);
    Names("library name", now_.LibFuncName, back_.LibFuncName, std::min(now_.LibFuncCount, back_.LibFuncCount));
    Names("user function name", now_.UserFuncName, back_.UserFuncName, std::min(now_.UserFuncCount, back_.UserFuncCount));
    if (now_.NetFileType != back_.NetFileType)
      Add(QStringLiteral("the file type %1 would reload as %2").arg(now_.NetFileType).arg(back_.NetFileType));
    if (lines_.size() > MostDifferencesShown) {
      const qsizetype more = lines_.size() - MostDifferencesShown;
      lines_.resize(MostDifferencesShown);
      lines_.append(QStringLiteral("and %1 more").arg(more));
    }
    return lines_;
  }

private:
  void Add(const QString& line) { lines_.append(line); }

  void Count(const char* what, int now, int back) {
    if (now != back) Add(QStringLiteral("%1 %2 would reload as %3").arg(now).arg(QLatin1String(what)).arg(back));
  }

  static QString Element(const char* kind, int number, const TName& name) {
    return QStringLiteral("%1 %2 %3").arg(QLatin1String(kind)).arg(number).arg(Quoted(name.Bytes()));
  }

  void Text(const QString& element, const char* what, const QByteArray& now, const QByteArray& back) {
    if (now != back)
      Add(QStringLiteral("%1: %2 would reload as %3").arg(element, QLatin1String(what), Quoted(back)));
  }

  void Source(int z, char port, const TName& nowText, const TName& backText, const Feed& was, const Feed& will) {
    if (was != will)
      Add(QStringLiteral("%1: input %2 would reload from %3, not %4")
              .arg(ZEPWords(z))
              .arg(QLatin1Char(port))
              .arg(FeedWords(will), FeedWords(was)));
    else if (nowText != backText)
      Add(QStringLiteral("%1: input %2 source %3 would reload as %4")
              .arg(ZEPWords(z))
              .arg(QLatin1Char(port))
              .arg(Quoted(nowText.Bytes()), Quoted(backText.Bytes())));
  }

  QString ZEPWords(int z) const { return Element("ZEP", z, now_.ZEPText[z].Name); }

  // Every ZEP of a net is compared at each save: the words are made only for a difference.
  void ZEP(int z) {
    const TZEPText& now = now_.ZEPText[z];
    const TZEPText& back = back_.ZEPText[z];
    const TZEPLink& was = now_.ZEPLink[z];
    const TZEPLink& will = back_.ZEPLink[z];
    if (now.Name != back.Name) Text(ZEPWords(z), "name", now.Name.Bytes(), back.Name.Bytes());
    if (now.FuncName != back.FuncName) Text(ZEPWords(z), "function", now.FuncName.Bytes(), back.FuncName.Bytes());
    Source(z, 'A', now.SourceA, back.SourceA, FeedOf(now_, was.AKind, was.ADelay, was.AIndex),
           FeedOf(back_, will.AKind, will.ADelay, will.AIndex));
    Source(z, 'B', now.SourceB, back.SourceB, FeedOf(now_, was.BKind, was.BDelay, was.BIndex),
           FeedOf(back_, will.BKind, will.BDelay, will.BIndex));
    if (now_.ZEPPos[z] != back_.ZEPPos[z])
      Add(QStringLiteral("%1: would reload at %2 with an output line of %3")
              .arg(ZEPWords(z), Place(back_.ZEPPos[z].X, back_.ZEPPos[z].Y))
              .arg(back_.ZEPPos[z].OutLength));
    const int shown = OutputOf(now_, was.OutIndex);
    const int reloaded = OutputOf(back_, will.OutIndex);
    if (shown != reloaded)
      Add(QStringLiteral("%1: would reload feeding %2, not %3").arg(ZEPWords(z), OutputWords(reloaded), OutputWords(shown)));
  }

  void Terminal(const char* kind, int n, const TName& now, const TName& back, const TTermPos& was, const TTermPos& will) {
    if (now != back) Text(Element(kind, n, now), "name", now.Bytes(), back.Bytes());
    if (was != will)
      Add(QStringLiteral("%1: would reload at %2 with a line of %3").arg(Element(kind, n, now), Place(will.X, will.Y)).arg(will.Length));
  }

  void Comment(int c) {
    const QString element = QStringLiteral("Comment %1").arg(c);
    if (now_.CommentText[c] != back_.CommentText[c])
      Text(element, "text", now_.CommentText[c].Bytes(), back_.CommentText[c].Bytes());
    if (now_.CommentPos[c] != back_.CommentPos[c])
      Add(QStringLiteral("%1: would reload at %2").arg(element, Place(back_.CommentPos[c].X, back_.CommentPos[c].Y)));
  }

  void Connection(int k) {
    bool same = now_.ConnPointCount[k] == back_.ConnPointCount[k];
    for (int p = 1; same && p <= std::clamp(now_.ConnPointCount[k], 0, MaxConnPoint); ++p)
      same = now_.ConnPoint[k][p] == back_.ConnPoint[k][p];
    if (!same) Add(QStringLiteral("connection %1: would reload with other points").arg(k));
  }

  template <typename List>
  void Names(const char* what, const List& now, const List& back, int count) {
    for (int n = 1; n <= count; ++n)
      if (now[n] != back[n])
        Add(QStringLiteral("%1 %2 %3 would reload as %4")
                .arg(QLatin1String(what))
                .arg(n)
                .arg(Quoted(now[n].Bytes()), Quoted(back[n].Bytes())));
  }

  const TNetTables& now_;
  const TNetTables& back_;
  QStringList lines_;
};

}  // namespace

QStringList ReloadDifferences(const QByteArray& text) {
  QByteArray bytes = text;
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  try {
    const TReadNet read = ReadNetAside(in);
    return ReloadComparer(NetTables, *read.Tables).Differences();
  } catch (const RuntimeError& error) {
    return {QStringLiteral("it would not load: ") + QString(error.Message()).replace(QLatin1Char('\n'), QLatin1Char(' '))};
  }
}

QString ReloadQuestion(const QStringList& differences) {
  return QStringLiteral("The saved net would reload differently:\n%1\nSave anyway?").arg(differences.join(QLatin1Char('\n')));
}

SaveOutcome SaveNetFile(const QString& path, const QDate& saved, Prompts& prompts) {
  const QByteArray text = NetFileText(saved);
  const QStringList differences = ReloadDifferences(text);
  if (!differences.isEmpty() && prompts.AskYesNo(ReloadQuestion(differences)) != Answer::Yes) return SaveOutcome::NotSaved;
  WriteFileAtomically(path, text);
  return differences.isEmpty() ? SaveOutcome::Saved : SaveOutcome::SavedDespiteDifferences;
}
