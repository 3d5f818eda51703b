#include "netfile/NetWriter.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "netfile/NetText.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"

namespace {

constexpr int MaxLineLength = 255;
constexpr int NamesPerLine = 8;

// Builds the file in one buffer, appending each item in place: a full net is some two
// thousand lines, and a temporary text per item would cost more than the writing.
class NetTextWriter {
public:
  QByteArray Text(const QDate& saved) {
    out_.reserve(std::size_t{128} * 1024);
    Put("$ Edited on ");
    Put(NetFileDate(saved));
    EndLine();
    Line("[FileType]");
    Put("Network = ");
    PutNumber(NetFileType);
    EndLine();
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
    return QByteArray(out_.data(), static_cast<qsizetype>(out_.size()));
  }

private:
  void Put(const char* text) { out_.append(text); }
  void Put(const QByteArray& text) { out_.append(text.constData(), static_cast<std::size_t>(text.size())); }
  void Put(char c) { out_.push_back(c); }
  void PutNumber(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, static_cast<std::size_t>(end - digits));
  }
  void PutNumbers(int x, int y) {
    PutNumber(x);
    Put(',');
    PutNumber(y);
  }
  void EndLine() { out_.append("\r\n", 2); }
  void Line(const char* text) {
    Put(text);
    EndLine();
  }

  // A line that begins with "$" or "[" reads as a comment or a section header, so a key
  // that begins so is written after a blank, which the reader trims off again.
  void PutKey(const QByteArray& key) {
    if (key.startsWith('$') || key.startsWith('[')) Put(' ');
    Put(key);
    Put(" = ");
  }

  // The names in lines of up to eight, joined by "," without blanks.
  template <typename Names>
  void NameLines(const char* prefix, const Names& names, int count) {
    for (int i = 1; i <= count; ++i) {
      if (i % NamesPerLine == 1) Put(prefix);
      Put(names[i].Bytes());
      if (i % NamesPerLine == 0 || i == count) EndLine();
      else Put(',');
    }
  }

  // A source as a text that reads back to the link it has (a negative delay, which only a
  // file can give, is written too).
  void PutSource(const TName& name, int kind, int delay, int index) {
    Put(resolver_.SourceText(name, kind, delay, index));
  }

  void ZEPLine(int i) {
    const TZEPText& text = ZEPText[i];
    const TZEPPos& pos = ZEPPos[i];
    const TZEPLink& link = ZEPLink[i];
    PutKey(text.Name.Bytes());
    PutNumbers(pos.X, pos.Y);
    Put(',');
    PutNumber(pos.OutLength);
    Put(',');
    Put(text.FuncName.Bytes());
    Put(',');
    PutSource(text.SourceA, link.AKind, link.ADelay, link.AIndex);
    Put(',');
    PutSource(text.SourceB, link.BKind, link.BDelay, link.BIndex);
    EndLine();
  }

  void TerminalLine(const TName& name, const TTermPos& pos, int usualLength) {
    PutKey(name.Bytes());
    PutNumbers(pos.X, pos.Y);
    if (pos.Length != usualLength) {
      Put(',');
      PutNumber(pos.Length);
    }
    EndLine();
  }

  void PointLine(const QByteArray& key, const TGridPoint& pos) {
    PutKey(key);
    PutNumbers(pos.X, pos.Y);
    EndLine();
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
    const std::size_t lineStart = out_.size();
    QByteArray key = ConnKeysFromFile ? ConnKeyRead[k].Bytes() : RoutedKey(k);
    // An empty key would make the reader skip the line.
    if (TrimBlanks(key).isEmpty()) key = "?";
    PutKey(key);
    const std::size_t pointsStart = out_.size();
    const int count = std::clamp(ConnPointCount[k], 0, MaxConnPoint);
    for (int p = 1; p <= count; ++p) {
      Put('(');
      PutNumbers(ConnPoint[k][p].X, ConnPoint[k][p].Y);
      Put(')');
    }
    // A line without points would have an empty value, which the reader skips, and every
    // later connection would move up one number; "()" reads back as no points.
    if (count == 0) Put("()");
    // The key is only informative: a long one is shortened so the line stays whole.
    const std::size_t length = out_.size() - lineStart;
    if (length > MaxLineLength) out_.erase(pointsStart - 3 - (length - MaxLineLength), length - MaxLineLength);
    EndLine();
  }

  const SourceResolver resolver_;
  std::string out_;
};

}  // namespace

QByteArray NetFileDate(const QDate& date) { return date.toString(QStringLiteral("yyyy/M/d")).toLatin1(); }

QByteArray NetFileText(const QDate& saved) { return NetTextWriter().Text(saved); }

void WriteNetFile(const QString& path, const QDate& saved) { WriteFileAtomically(path, NetFileText(saved)); }
