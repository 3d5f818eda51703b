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

// A link as the lines name it; a link outside its table is none.
QString LinkWords(const TNetTables& net, int kind, int delay, int index) {
  if (kind == KindInput && index >= 1 && index <= net.InputCount) return QStringLiteral("Input %1").arg(index);
  if (FedFromZEP(kind) && index >= 1 && index <= net.ZEPCount) {
    if (delay == 0) return QStringLiteral("ZEP %1").arg(index);
    return QStringLiteral("ZEP %1 through a delay of %2").arg(index).arg(delay);
  }
  return QStringLiteral("nothing");
}

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

  void Source(const QString& element, char port, const TName& nowText, const TName& backText, int nowKind,
              int nowDelay, int nowIndex, int backKind, int backDelay, int backIndex) {
    const QString was = LinkWords(now_, nowKind, nowDelay, nowIndex);
    const QString will = LinkWords(back_, backKind, backDelay, backIndex);
    if (was != will)
      Add(QStringLiteral("%1: input %2 would reload from %3, not %4").arg(element).arg(QLatin1Char(port)).arg(will, was));
    else if (nowText != backText)
      Add(QStringLiteral("%1: input %2 source %3 would reload as %4")
              .arg(element)
              .arg(QLatin1Char(port))
              .arg(Quoted(nowText.Bytes()), Quoted(backText.Bytes())));
  }

  void ZEP(int z) {
    const TZEPText& now = now_.ZEPText[z];
    const TZEPText& back = back_.ZEPText[z];
    const TZEPLink& was = now_.ZEPLink[z];
    const TZEPLink& will = back_.ZEPLink[z];
    const QString element = Element("ZEP", z, now.Name);
    Text(element, "name", now.Name.Bytes(), back.Name.Bytes());
    Text(element, "function", now.FuncName.Bytes(), back.FuncName.Bytes());
    Source(element, 'A', now.SourceA, back.SourceA, was.AKind, was.ADelay, was.AIndex, will.AKind, will.ADelay, will.AIndex);
    Source(element, 'B', now.SourceB, back.SourceB, was.BKind, was.BDelay, was.BIndex, will.BKind, will.BDelay, will.BIndex);
    if (now_.ZEPPos[z] != back_.ZEPPos[z])
      Add(QStringLiteral("%1: would reload at %2 with an output line of %3")
              .arg(element, Place(back_.ZEPPos[z].X, back_.ZEPPos[z].Y))
              .arg(back_.ZEPPos[z].OutLength));
    const auto output = [](const TNetTables& net, int o) {
      return o >= 1 && o <= net.OutputCount ? QStringLiteral("Output %1").arg(o) : QStringLiteral("no Output");
    };
    if (output(now_, was.OutIndex) != output(back_, will.OutIndex))
      Add(QStringLiteral("%1: would reload feeding %2, not %3").arg(element, output(back_, will.OutIndex), output(now_, was.OutIndex)));
  }

  void Terminal(const char* kind, int n, const TName& now, const TName& back, const TTermPos& was, const TTermPos& will) {
    const QString element = Element(kind, n, now);
    Text(element, "name", now.Bytes(), back.Bytes());
    if (was != will)
      Add(QStringLiteral("%1: would reload at %2 with a line of %3").arg(element, Place(will.X, will.Y)).arg(will.Length));
  }

  void Comment(int c) {
    const QString element = QStringLiteral("Comment %1").arg(c);
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
