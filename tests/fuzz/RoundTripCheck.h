#pragma once
// The reader's robustness check, shared by the fuzz target and the regression test that
// replays its findings: any bytes load without a fault, a net that loads without error
// paints at the largest and smallest scale steps and passes the net checks without a fault, and saves to a
// file that loads back to equal tables and saves to the same bytes again.
#include <QBuffer>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "drawing/NetPainter.h"
#include "drawing/Routing.h"
#include "drawing/ViewScale.h"
#include "model/NetChecks.h"
#include "model/NetDef.h"
#include "netfile/NetReader.h"
#include "netfile/NetWriter.h"
#include "platform/Errors.h"
#include "platform/RefusingPrompts.h"
#include "support/RecordingSurface.h"

namespace roundtrip {

class QuietPrompts : public RefusingPrompts {
public:
  QStringList Warnings;
  void Warning(const QString& text) override { Warnings.append(text); }
};

// Loads bytes into freshly reset tables; the error text, or empty when it loaded.
inline QString LoadBytes(QByteArray bytes, QStringList* warnings = nullptr) {
  ResetNetDef();
  ConnKeysFromFile = false;
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  QuietPrompts prompts;
  try {
    LoadNet(in, prompts);
  } catch (const RuntimeError& error) {
    return error.Message().isEmpty() ? QStringLiteral("error") : error.Message();
  }
  if (warnings) *warnings = prompts.Warnings;
  return {};
}

// A function list that holds an empty name or one beginning with "," cannot be written in
// lines of names joined by ","; such names only come from a damaged list line.
template <typename Names>
bool ListCanBeWritten(const Names& names, int count) {
  for (int i = 1; i <= count; ++i) {
    const QByteArray name = names[i].Bytes();
    if (name.isEmpty() || name.startsWith(',')) return false;
  }
  return true;
}

// The tables that a file carries, as comparable text lines. Kind 3 is written as kind 2
// with delay 0, which is what it means.
inline QStringList Snapshot(bool withFunctions) {
  QStringList s;
  const auto n = [](int v) { return QString::number(v); };
  s << "type " + n(NetFileType);
  if (withFunctions) {
    for (int i = 1; i <= LibFuncCount; ++i) s << "lib " + LibFuncName[i].Str();
    for (int i = 1; i <= UserFuncCount; ++i) s << "user " + UserFuncName[i].Str();
  }
  for (int i = 1; i <= ZEPCount; ++i) {
    const TZEPText& t = ZEPText[i];
    const TZEPPos& p = ZEPPos[i];
    const TZEPLink& l = ZEPLink[i];
    const auto kind = [](int k) { return k == KindZEPNoDelay ? KindZEP : k; };
    s << QStringList{"zep", t.Name.Str(), t.FuncName.Str(), t.SourceA.Str(), t.SourceB.Str(), n(p.X), n(p.Y),
                     n(p.OutLength), withFunctions ? n(l.FuncCode) : "", n(kind(l.AKind)), n(l.ADelay),
                     n(l.AIndex), n(kind(l.BKind)), n(l.BDelay), n(l.BIndex), n(l.OutIndex)}
             .join('|');
  }
  for (int i = 1; i <= InputCount; ++i)
    s << QStringList{"in", InputName[i].Str(), n(InputPos[i].X), n(InputPos[i].Y), n(InputPos[i].Length)}.join('|');
  for (int i = 1; i <= OutputCount; ++i)
    s << QStringList{"out", OutputName[i].Str(), n(OutputPos[i].X), n(OutputPos[i].Y), n(OutputPos[i].Length)}
             .join('|');
  for (int i = 1; i <= CommentCount; ++i)
    s << QStringList{"com", CommentText[i].Str(), n(CommentPos[i].X), n(CommentPos[i].Y)}.join('|');
  for (int i = 1; i <= DotCount; ++i) s << QStringList{"dot", n(DotPos[i].X), n(DotPos[i].Y)}.join('|');
  for (int k = 1; k <= ConnCount; ++k) {
    QString line = "conn";
    for (int p = 1; p <= ConnPointCount[k]; ++p) line += " " + n(ConnPoint[k][p].X) + "," + n(ConnPoint[k][p].Y);
    s << line;
  }
  return s;
}

inline QString FirstDifference(const QStringList& a, const QStringList& b) {
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const QString x = i < a.size() ? a[i] : QStringLiteral("<none>");
    const QString y = i < b.size() ? b[i] : QStringLiteral("<none>");
    if (x != y) return QStringLiteral("loaded: %1\nreloaded: %2").arg(x, y);
  }
  return {};
}

inline QString LongLine(const QByteArray& text) {
  for (const QByteArray& line : text.split('\n'))
    if (line.size() > 256) return QStringLiteral("a saved line is longer than 255 bytes: ") + QString::fromLatin1(line);
  return {};
}

// Whatever a file holds is painted and checked; a fault in the arithmetic over its values
// shows under the sanitizers. The largest step gives the largest pixel values, the
// smallest draws numbers instead of labels.
inline void PaintAndCheck() {
  CanvasWidth = 200;
  CanvasHeight = 200;
  for (int scale : {1, 6}) {
    Scale = scale;
    ComputeViewMetrics();
    RecordingSurface surface;
    PaintNet(surface, PaintAreaWidth(), PaintAreaHeight(), QRect(0, 0, PaintAreaWidth(), PaintAreaHeight()));
  }
  Scale = 2;
  ComputeViewMetrics();
  CheckNet(TCanvasSize{CanvasWidth, CanvasHeight});
}

// Empty when the bytes pass; otherwise what went wrong.
inline QString CheckRoundTrip(const QByteArray& bytes) {
  const QDate date(2024, 3, 7);
  if (!LoadBytes(bytes).isEmpty()) return {};
  PaintAndCheck();
  const bool functions = ListCanBeWritten(LibFuncName, LibFuncCount) && ListCanBeWritten(UserFuncName, UserFuncCount);
  const QStringList loaded = Snapshot(functions);
  const QByteArray saved = NetFileText(date);
  if (QString problem = LongLine(saved); !problem.isEmpty()) return problem;

  QStringList warnings;
  if (const QString error = LoadBytes(saved, &warnings); !error.isEmpty())
    return QStringLiteral("the saved file does not load: ") + error;
  if (!warnings.isEmpty()) return QStringLiteral("the saved file overfills a table");
  if (const QString difference = FirstDifference(loaded, Snapshot(functions)); !difference.isEmpty())
    return difference;
  if (const QByteArray again = NetFileText(date); functions && again != saved)
    return QStringLiteral("saving the reloaded net gives other bytes:\n") +
           FirstDifference(QString::fromLatin1(saved).split('\n'), QString::fromLatin1(again).split('\n'));

  // The routes of whatever was read, and their file, must stay inside the tables too.
  RebuildRoutes();
  if (ConnCount < 0 || ConnCount > MaxConn) return QStringLiteral("connection count outside the table");
  PaintAndCheck();
  return LongLine(NetFileText(date));
}

}  // namespace roundtrip
