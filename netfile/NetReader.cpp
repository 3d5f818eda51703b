#include "netfile/NetReader.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "netfile/ConnectionKeys.h"
#include "netfile/NetText.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"
#include "platform/StrToInt.h"

namespace {

constexpr int MaxLineLength = 255;

// Gives the file's lines without their line ends (LF or CR LF), each cut to its first 255
// bytes. Reads in chunks, so a huge file or line never has to fit in memory.
class LineSource {
public:
  explicit LineSource(QIODevice& in) : in_(in) {}

  // The next line, valid until the next call; false at the end of the file.
  bool Next(QByteArrayView& line) {
    long_.truncate(0);
    qsizetype total = 0;
    char last = 0;
    bool any = false;
    for (;;) {
      if (pos_ >= chunk_.size() && !Refill()) break;
      any = true;
      const qsizetype newline = chunk_.indexOf('\n', pos_);
      const qsizetype end = newline < 0 ? chunk_.size() : newline;
      const QByteArrayView piece = QByteArrayView(chunk_).sliced(pos_, end - pos_);
      pos_ = newline < 0 ? chunk_.size() : newline + 1;
      if (newline >= 0 && total == 0) {
        // The whole line lies in the chunk: no copy.
        line = Cut(piece, piece.size(), !piece.isEmpty() && piece.back() == '\r');
        return true;
      }
      if (!piece.isEmpty()) last = piece.back();
      if (long_.size() <= MaxLineLength)
        long_.append(piece.first(std::min<qsizetype>(piece.size(), MaxLineLength + 1 - long_.size())));
      total += piece.size();
      if (newline >= 0) break;
    }
    if (!any) return false;
    line = Cut(long_, total, last == '\r');
    return true;
  }

private:
  bool Refill() {
    chunk_.resize(ChunkSize);
    const qint64 got = in_.read(chunk_.data(), ChunkSize);
    if (got < 0)
      throw EInOutError(QStringLiteral("Cannot read file. %1").arg(in_.errorString()));
    chunk_.resize(got);
    pos_ = 0;
    return got > 0;
  }

  // A line of `total` bytes, of which `kept` holds at least the first 256: its content
  // without the CR of a CR LF end, cut to 255 bytes.
  static QByteArrayView Cut(QByteArrayView kept, qsizetype total, bool endsWithCR) {
    const qsizetype content = endsWithCR ? total - 1 : total;
    return kept.first(std::min<qsizetype>(content, MaxLineLength));
  }

  static constexpr qsizetype ChunkSize = 1 << 16;
  QIODevice& in_;
  QByteArray chunk_;
  qsizetype pos_ = 0;
  QByteArray long_;
};

enum class Section { None, FileType, ZEPList, ZEP, InData, OutData, Label, Dot, Connection };

Section SectionNamed(QByteArrayView name) {
  static const struct {
    const char* name;
    Section section;
  } sections[] = {{"FileType", Section::FileType}, {"ZEPList", Section::ZEPList},
                  {"ZEP", Section::ZEP},           {"InData", Section::InData},
                  {"OutData", Section::OutData},   {"Label", Section::Label},
                  {"Dot", Section::Dot},           {"Connection", Section::Connection}};
  for (const auto& s : sections)
    if (name == QByteArrayView(s.name)) return s.section;
  return Section::None;
}

// Sections whose values hold numbers only. Their lines are split at the last "=", so a
// name or Comment text holding "=" reads back as written; a line of such a section that
// holds a second "=" could only be read as a conversion error before.
bool SplitsAtLastEquals(Section section) {
  return section == Section::InData || section == Section::OutData || section == Section::Label ||
         section == Section::Dot;
}

// Where the key of a ZEP line ends. Its value starts with the X position, so a name holding
// "=" is read up to the first "=" that an integer follows; a line where none does is split
// at its first "=", which reports the conversion error as before.
qsizetype ZEPKeyEnd(QByteArrayView line) {
  const qsizetype first = line.indexOf('=');
  for (qsizetype at = first; at >= 0; at = line.indexOf('=', at + 1)) {
    QByteArrayView value = TrimBlanks(line.sliced(at + 1));
    const qsizetype comma = value.indexOf(',');
    if (comma >= 0) value = value.first(comma);
    int number = 0;
    if (TryStrToInt(QString::fromLatin1(value), number)) return at;
  }
  return first;
}

qsizetype KeyEnd(Section section, QByteArrayView line) {
  if (section == Section::ZEP) return ZEPKeyEnd(line);
  return SplitsAtLastEquals(section) ? line.lastIndexOf('=') : line.indexOf('=');
}

class NetReader {
public:
  explicit NetReader(TCapacityCuts& cuts) : cuts_(cuts) {}

  // False when the line ends the reading.
  bool Line(QByteArrayView line) {
    if (line.isEmpty() || line[0] == '$') return true;
    if (line[0] == '[') {
      Header(line);
      return true;
    }
    if (section_ == Section::None) return true;
    const qsizetype equals = KeyEnd(section_, line);
    if (equals < 0) return true;
    const QByteArrayView key = TrimBlanks(line.first(equals));
    const QByteArrayView value = TrimBlanks(line.sliced(equals + 1));
    if (key.isEmpty() || value.isEmpty()) return true;
    switch (section_) {
      case Section::FileType: return FileTypeLine(key, value);
      case Section::ZEPList: FuncNamesLine(key, value); break;
      case Section::ZEP: ZEPLine(key, value); break;
      case Section::InData: InputLine(key, value); break;
      case Section::OutData: OutputLine(key, value); break;
      case Section::Label: CommentLine(key, value); break;
      case Section::Dot: DotLine(value); break;
      case Section::Connection: ConnectionLine(key, value); break;
      case Section::None: break;
    }
    return true;
  }

private:
  void Header(QByteArrayView line) {
    const qsizetype close = line.indexOf(']');
    if (close < 0) return;
    const Section section = SectionNamed(line.sliced(1, close - 1));
    if (section == Section::None) return;
    section_ = section;
    if (section == Section::FileType) return;
    if (section == Section::Connection)
      for (int k = 1; k <= MaxConn; ++k) ConnPointCount[k] = 0;
    index_ = 1;
  }

  // The next element number of the section, or 0 when the table is full. A section that
  // comes again starts over at element 1 and overwrites; the count then only grows past
  // elements that this file filled, never over records left from an earlier net.
  int NextElement(int capacity, int& count, bool& cut) {
    const int n = index_++;
    if (n > capacity) {
      cut = true;
      return 0;
    }
    count = std::max(count, n);
    return n;
  }

  bool FileTypeLine(QByteArrayView key, QByteArrayView value) {
    if (key != QByteArrayView("Network")) return false;
    NetFileType = ItemToInt(value);
    return true;
  }

  void FuncNamesLine(QByteArrayView key, QByteArrayView value) {
    if (key == QByteArrayView("Library")) AppendNames(value, LibFuncName, LibFuncCount, cuts_.LibFunc);
    else if (key == QByteArrayView("User")) AppendNames(value, UserFuncName, UserFuncCount, cuts_.UserFunc);
  }

  template <typename Names>
  static void AppendNames(QByteArrayView value, Names& names, int& count, bool& cut) {
    const auto append = [&](QByteArrayView name) {
      if (count >= Names::Capacity) cut = true;
      else names[++count] = FieldText(name, TName::MaxLength);
    };
    for (qsizetype comma; (comma = value.indexOf(',')) >= 1;) {
      append(TrimBlanks(value.first(comma)));
      value = TrimBlanks(value.sliced(comma + 1));
    }
    if (value != QByteArrayView(",")) append(value);
  }

  void ZEPLine(QByteArrayView key, QByteArrayView value) {
    const int n = NextElement(MaxZEP, ZEPCount, cuts_.ZEP);
    if (n == 0) return;
    TZEPText& text = ZEPText[n];
    TZEPPos& pos = ZEPPos[n];
    TSourceRest& rest = SourceRest[n];
    rest = {};
    text.Name = FieldText(key, TName::MaxLength);
    int piece = 1;
    for (qsizetype comma; (comma = value.indexOf(',')) >= 0; ++piece) {
      const QByteArrayView item = value.first(comma);
      switch (piece) {
        case 1: pos.X = ItemToInt(item); break;
        case 2: pos.Y = ItemToInt(item); break;
        case 3: pos.OutLength = ItemToInt(item); break;
        case 4: text.FuncName = FieldText(item, TName::MaxLength); break;
        case 5: StoreSource(item, text.SourceA, rest.A); break;
        default: break;
      }
      value = TrimBlanks(value.sliced(comma + 1));
    }
    StoreSource(value, text.SourceB, rest.B);
  }

  // A source longer than its field that holds a delay suffix keeps what does not fit for
  // the link resolution, which reads the source whole.
  static void StoreSource(QByteArrayView item, TName& field, ShortString<255>& rest) {
    if (item.size() > TName::MaxLength && item.contains('-')) {
      field = item.first(TName::MaxLength).toByteArray();
      rest = item.sliced(TName::MaxLength).toByteArray();
    } else {
      field = FieldText(item, TName::MaxLength);
    }
  }

  // An Input or Output line: X, Y and an optional length.
  static void ReadTerminal(QByteArrayView value, TTermPos& pos, int missingLength, int leastLength) {
    const qsizetype comma = value.indexOf(',');
    pos.X = ItemToInt(TrimBlanks(value.first(std::max<qsizetype>(comma, 0))));
    const QByteArrayView rest = TrimBlanks(value.sliced(comma + 1));
    const qsizetype second = rest.indexOf(',');
    if (second < 0) {
      pos.Y = ItemToInt(rest);
      pos.Length = missingLength;
      return;
    }
    pos.Y = ItemToInt(rest.first(second));
    pos.Length = std::max(ItemToInt(rest.sliced(second + 1)), leastLength);
  }

  void InputLine(QByteArrayView key, QByteArrayView value) {
    const int n = NextElement(MaxInput, InputCount, cuts_.Input);
    if (n == 0) return;
    InputName[n] = FieldText(key, TName::MaxLength);
    ReadTerminal(value, InputPos[n], 4, 2);
  }

  void OutputLine(QByteArrayView key, QByteArrayView value) {
    const int n = NextElement(MaxOutput, OutputCount, cuts_.Output);
    if (n == 0) return;
    OutputName[n] = FieldText(key, TName::MaxLength);
    ReadTerminal(value, OutputPos[n], 0, 0);
  }

  static void ReadPoint(QByteArrayView value, TGridPoint& point) {
    const qsizetype comma = value.indexOf(',');
    point.X = ItemToInt(TrimBlanks(value.first(std::max<qsizetype>(comma, 0))));
    point.Y = ItemToInt(TrimBlanks(value.sliced(comma + 1)));
  }

  void CommentLine(QByteArrayView key, QByteArrayView value) {
    const int n = NextElement(MaxComment, CommentCount, cuts_.Comment);
    if (n == 0) return;
    CommentText[n] = FieldText(key, TCommentText::MaxLength);
    ReadPoint(value, CommentPos[n]);
  }

  void DotLine(QByteArrayView value) {
    const int n = NextElement(MaxDot, DotCount, cuts_.Dot);
    if (n == 0) return;
    ReadPoint(value, DotPos[n]);
  }

  void ConnectionLine(QByteArrayView key, QByteArrayView value) {
    const int n = NextElement(MaxConn, ConnCount, cuts_.Connection);
    if (n == 0) return;
    ConnKeyRead[n] = FieldText(key, TConnKey::MaxLength);
    TConnPoints& points = ConnPoint[n];
    int k = 0;
    while (value.contains(',')) {
      if (k == MaxConnPoint) {
        cuts_.ConnPoint = true;
        break;
      }
      const qsizetype open = value.indexOf('(');
      const qsizetype comma = value.indexOf(',');
      const qsizetype close = value.indexOf(')');
      TGridPoint& point = points[++k];
      point.X = ItemToInt(Between(value, open, comma));
      point.Y = ItemToInt(Between(value, comma, close));
      value = TrimBlanks(value.sliced(close + 1));
    }
    ConnPointCount[n] = k;
  }

  TCapacityCuts& cuts_;
  Section section_ = Section::None;
  int index_ = 0;
};

}  // namespace

bool TCapacityCuts::Any() const {
  return ZEP || Input || Output || Comment || Dot || Connection || ConnPoint || LibFunc || UserFunc;
}

QStringList CapacityCutLines(const TCapacityCuts& cuts) {
  QStringList lines;
  const auto add = [&](bool cut, int capacity, const char* what) {
    if (cut) lines.append(QStringLiteral("%1 %2").arg(capacity).arg(QLatin1String(what)));
  };
  add(cuts.LibFunc, MaxLibFunc, "library names");
  add(cuts.UserFunc, MaxUserFunc, "user function names");
  add(cuts.ZEP, MaxZEP, "ZEPs");
  add(cuts.Input, MaxInput, "Inputs");
  add(cuts.Output, MaxOutput, "Outputs");
  add(cuts.Comment, MaxComment, "Comments");
  add(cuts.Dot, MaxDot, "Dots");
  add(cuts.Connection, MaxConn, "connections");
  add(cuts.ConnPoint, MaxConnPoint, "points of a connection");
  return lines;
}

QString CapacityWarning(const TCapacityCuts& cuts) {
  return QStringLiteral("Sorry! The file holds more than the system can keep.\n"
                        "Only these were read:\n%1\nSaving this net drops the rest !")
      .arg(CapacityCutLines(cuts).join(QLatin1Char('\n')));
}

void ReadNet(QIODevice& in, TCapacityCuts& cuts) {
  ResetCounts();
  ConnKeysFromFile = true;
  NetReader reader(cuts);
  LineSource lines(in);
  QByteArrayView line;
  while (lines.Next(line))
    if (!reader.Line(line)) break;
}

std::unique_ptr<QFile> OpenNetFile(const QString& path) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString()));
  return file;
}

void LoadNet(QIODevice& in, Prompts& prompts) {
  TCapacityCuts cuts;
  const auto warn = [&] {
    if (cuts.Any()) prompts.Warning(CapacityWarning(cuts));
  };
  try {
    ReadNet(in, cuts);
  } catch (const RuntimeError&) {
    in.close();
    warn();
    throw;
  }
  in.close();
  warn();
  ResolveLinks();
}
