#include "netfile/NetWriter.h"

#include <QSaveFile>
#include <algorithm>

#include "model/NetDef.h"
#include "netfile/ConnectionKeys.h"
#include "netfile/NetText.h"
#include "platform/Errors.h"

namespace {

constexpr int MaxLineLength = 255;
constexpr int NamesPerLine = 8;

class NetTextWriter {
public:
  QByteArray Text(const QDate& saved) {
    out_.reserve(96 * 1024);
    Line("$ Edited on " + NetFileDate(saved));
    Line("[FileType]");
    Line("Network = " + QByteArray::number(NetFileType));
    Line("[ZEPList]");
    NameLines("Library = ", LibFuncName, LibFuncCount);
    NameLines("User = ", UserFuncName, UserFuncCount);
    Line("[ZEP]");
    for (int i = 1; i <= ZEPCount; ++i) ZEPLine(i);
    Line("[InData]");
    for (int i = 1; i <= InputCount; ++i) TerminalLine(InputName[i], InputPos[i], 4);
    Line("[OutData]");
    for (int i = 1; i <= OutputCount; ++i) TerminalLine(OutputName[i], OutputPos[i], 0);
    Line("[Label]");
    for (int i = 1; i <= CommentCount; ++i) PointLine(CommentText[i].Bytes(), CommentPos[i]);
    Line("[Dot]");
    for (int i = 1; i <= DotCount; ++i) PointLine("*", DotPos[i]);
    Line("[Connection]");
    for (int k = 1; k <= ConnCount; ++k) ConnectionLine(k);
    return out_;
  }

private:
  void Line(const QByteArray& text) {
    out_.append(text);
    out_.append("\r\n");
  }

  // A line that begins with "$" or "[" reads as a comment or a section header, so a key
  // that begins so is written after a blank, which the reader trims off again.
  static QByteArray Key(const QByteArray& key) {
    if (key.startsWith('$') || key.startsWith('[')) return ' ' + key;
    return key;
  }

  static QByteArray Numbers(int x, int y) { return QByteArray::number(x) + ',' + QByteArray::number(y); }

  // The names in lines of up to eight, joined by "," without blanks.
  template <typename Names>
  void NameLines(const char* prefix, const Names& names, int count) {
    QByteArray line;
    for (int i = 1; i <= count; ++i) {
      line.append(names[i].Bytes());
      if (i % NamesPerLine == 0) {
        Line(prefix + line);
        line.clear();
      } else if (i < count) {
        line.append(',');
      }
    }
    if (!line.isEmpty()) Line(prefix + line);
  }

  // A source with its delay suffix. A negative delay, which only a file can give, is
  // written too, so that it reads back as it was read.
  static QByteArray Source(const TName& name, int delay) {
    if (delay == 0) return name.Bytes();
    return name.Bytes() + '-' + QByteArray::number(delay);
  }

  void ZEPLine(int i) {
    const TZEPText& text = ZEPText[i];
    const TZEPPos& pos = ZEPPos[i];
    const TZEPLink& link = ZEPLink[i];
    Line(Key(text.Name.Bytes()) + " = " + Numbers(pos.X, pos.Y) + ',' + QByteArray::number(pos.OutLength) +
         ',' + text.FuncName.Bytes() + ',' + Source(text.SourceA, link.ADelay) + ',' +
         Source(text.SourceB, link.BDelay));
  }

  void TerminalLine(const TName& name, const TTermPos& pos, int usualLength) {
    QByteArray line = Key(name.Bytes()) + " = " + Numbers(pos.X, pos.Y);
    if (pos.Length != usualLength) line += ',' + QByteArray::number(pos.Length);
    Line(line);
  }

  void PointLine(const QByteArray& key, const TGridPoint& pos) {
    Line(Key(key) + " = " + Numbers(pos.X, pos.Y));
  }

  // The connection's destination as the last rebuild laid it; "?" when that names no
  // element of the net.
  static QByteArray RoutedKey(int k) {
    const TRouteRequest& request = RouteRequest[k];
    const int to = request.ToIndex;
    switch (request.Port) {
      case 0:
        if (to >= 1 && to <= OutputCount) return OutputName[to].Bytes();
        break;
      case 1:
        if (to >= 1 && to <= ZEPCount) return ZEPText[to].Name.Bytes() + "-A";
        break;
      case 2:
        if (to >= 1 && to <= ZEPCount) return ZEPText[to].Name.Bytes() + "-B";
        break;
      default: break;
    }
    return "?";
  }

  void ConnectionLine(int k) {
    QByteArray points;
    const int count = std::clamp(ConnPointCount[k], 0, MaxConnPoint);
    for (int p = 1; p <= count; ++p)
      points += '(' + Numbers(ConnPoint[k][p].X, ConnPoint[k][p].Y) + ')';
    // A line without points would have an empty value, which the reader skips, and every
    // later connection would move up one number; "()" reads back as no points.
    if (points.isEmpty()) points = "()";
    QByteArray key = Key(ConnKeysFromFile ? ConnKeyRead[k].Bytes() : RoutedKey(k));
    // The key is only informative: a long one is shortened so the line stays whole, and
    // an empty one would make the reader skip the line.
    key.truncate(MaxLineLength - 3 - points.size());
    if (TrimBlanks(key).isEmpty()) key = "?";
    Line(key + " = " + points);
  }

  QByteArray out_;
};

}  // namespace

QByteArray NetFileDate(const QDate& date) { return date.toString(QStringLiteral("yyyy/M/d")).toLatin1(); }

QByteArray NetFileText(const QDate& saved) { return NetTextWriter().Text(saved); }

void WriteNetFile(const QString& path, const QDate& saved) {
  const QByteArray text = NetFileText(saved);
  QSaveFile file(path);
  const auto fail = [&] {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw EInOutError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
  };
  // Unbuffered, so that a short write (a full disk, a file size limit) is seen here; a
  // buffered write would report every byte written and commit the cut file.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail();
  for (qint64 done = 0; done < text.size();) {
    const qint64 written = file.write(text.constData() + done, text.size() - done);
    if (written <= 0) fail();
    done += written;
  }
  if (!file.commit()) fail();
}
