#include "netfile/NetReader.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "netfile/NetText.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"
#include "platform/ReadFile.h"
#include "platform/StrToInt.h"

namespace {

constexpr int MaxLineLength = 255;

// Gives the file's lines without their line ends, each cut to its first 255 bytes. CR, LF
// and CR LF each end a line, so files from any system read alike. Reads in chunks, so a
// huge file or line never has to fit in memory.
class LineSource {
public:
  explicit LineSource(QIODevice& in) : in_(in) {}

  // The next line, valid until the next call; false at the end of the file.
  bool Next(QByteArrayView& line) {
    long_.truncate(0);
    qsizetype total = 0;
    bool any = false;
    for (;;) {
      if (pos_ >= chunk_.size() && !Refill()) break;
      if (afterCR_) {
        // The LF of a CR LF pair, perhaps at the start of the next chunk.
        afterCR_ = false;
        if (chunk_[pos_] == '\n') {
          ++pos_;
          continue;
        }
      }
      any = true;
      const qsizetype end = LineEnd();
      const bool ended = end < chunk_.size();
      const QByteArrayView piece = QByteArrayView(chunk_).sliced(pos_, end - pos_);
      if (ended) afterCR_ = chunk_[end] == '\r';
      pos_ = ended ? end + 1 : chunk_.size();
      if (ended && total == 0) {
        // The whole line lies in the chunk: no copy.
        line = piece.first(std::min<qsizetype>(piece.size(), MaxLineLength));
        return true;
      }
      if (long_.size() < MaxLineLength)
        long_.append(piece.first(std::min<qsizetype>(piece.size(), MaxLineLength - long_.size())));
      total += piece.size();
      if (ended) break;
    }
    if (!any) return false;
    line = long_;
    return true;
  }

  // True once the file gave any byte.
  bool AnyByte() const { return anyByte_; }

private:
  // Where the line that starts at pos_ ends in the chunk: its CR or LF, or the chunk's end.
  qsizetype LineEnd() const {
    const char* const begin = chunk_.constData();
    const char* const end = begin + chunk_.size();
    const char* const at = std::find_if(begin + pos_, end, [](char c) { return c == '\n' || c == '\r'; });
    return at - begin;
  }

  bool Refill() {
    chunk_.resize(ChunkSize);
    const qint64 got = in_.read(chunk_.data(), ChunkSize);
    if (got < 0)
      throw EInOutError(QStringLiteral("Cannot read file. %1").arg(in_.errorString()));
    chunk_.resize(got);
    pos_ = 0;
    if (got > 0) anyByte_ = true;
    return got > 0;
  }

  static constexpr qsizetype ChunkSize = 1 << 16;
  QIODevice& in_;
  QByteArray chunk_;
  qsizetype pos_ = 0;
  QByteArray long_;
  bool afterCR_ = false;
  bool anyByte_ = false;
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

// Sections whose key is an element's name or text. An element there may bear an empty
// name (the properties dialog stores an empty Input, Output or Comment text as it is), and
// its line is read, so that the element comes back from its file.
bool KeyNamesElement(Section section) {
  return section == Section::ZEP || section == Section::InData || section == Section::OutData ||
         section == Section::Label;
}

qsizetype KeyEnd(Section section, QByteArrayView line) {
  if (section == Section::ZEP) return ZEPKeyEnd(line);
  return SplitsAtLastEquals(section) ? line.lastIndexOf('=') : line.indexOf('=');
}

class NetReader {
public:
  // `zepLines`, when given, receives the line number of each ZEP read.
  NetReader(TCapacityCuts& cuts, Table<int, MaxZEP>* zepLines) : cuts_(cuts), zepLines_(zepLines) {}

  // True once a section header of a net was read: the file is a net.
  bool SawSection() const { return sawSection_; }

  // Line `number` of the file; false when it ends the reading.
  bool Line(QByteArrayView line, int number) {
    number_ = number;
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
    if ((key.isEmpty() && !KeyNamesElement(section_)) || value.isEmpty()) return true;
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
    sawSection_ = true;
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
    if (zepLines_) (*zepLines_)[n] = number_;
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
    ConnKeyRead[n] = FieldText(key, MaxLineLength);
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
  Table<int, MaxZEP>* zepLines_;
  Section section_ = Section::None;
  int index_ = 0;
  int number_ = 0;
  bool sawSection_ = false;
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

namespace {

// Where a load failed, for the line under the runtime's message.
QString Place(int line, const QString& file) {
  if (file.isEmpty()) return QStringLiteral("\nin line %1").arg(line);
  return QStringLiteral("\nin line %1 of %2").arg(line).arg(file);
}

// The error again, of the same kind, with where it happened.
template <typename Error>
[[noreturn]] void RethrowAt(const Error& error, int line, const QString& file) {
  throw Error(error.Message() + Place(line, file));
}

// The file's path when `in` is a file; the messages name it.
QString FileNameOf(const QIODevice& in) {
  const auto* file = qobject_cast<const QFileDevice*>(&in);
  return file ? file->fileName() : QString();
}

void ReadLines(QIODevice& in, TCapacityCuts& cuts, Table<int, MaxZEP>* zepLines) {
  ResetCounts();
  ConnKeysFromFile = true;
  NetReader reader(cuts, zepLines);
  LineSource lines(in);
  QByteArrayView line;
  int number = 0;
  try {
    while (lines.Next(line))
      if (!reader.Line(line, ++number)) break;
  } catch (const EConvertError& error) {
    RethrowAt(error, number, FileNameOf(in));
  } catch (const EInOutError& error) {
    RethrowAt(error, number, FileNameOf(in));
  }
  // A file of other text (or of one line end the reader did not know) would otherwise give
  // an empty net without a word, and the next save would put that over the file.
  if (lines.AnyByte() && !reader.SawSection()) {
    const QString file = FileNameOf(in);
    throw EInOutError(QStringLiteral("%1 holds no net").arg(file.isEmpty() ? QStringLiteral("The file") : file));
  }
}

// The ZEP whose source holds a delay that is no integer, found again after ResolveLinks
// stopped on it; 0 when none does.
int ZEPWithBadDelay(const Table<TZEPText, MaxZEP>& texts, const Table<TSourceRest, MaxZEP>& rests) {
  const SourceResolver resolver;
  for (int i = 1; i <= ZEPCount; ++i) {
    try {
      resolver.Resolve(texts[i].SourceA.Bytes() + rests[i].A.Bytes());
      resolver.Resolve(texts[i].SourceB.Bytes() + rests[i].B.Bytes());
    } catch (const EConvertError&) {
      return i;
    }
  }
  return 0;
}

// Resolves the links of the net just read; a delay that is no integer is reported with the
// line of its ZEP.
void ResolveRead(const Table<int, MaxZEP>& zepLines, const QString& file) {
  const auto texts = std::make_unique<Table<TZEPText, MaxZEP>>(ZEPText);
  const auto rests = std::make_unique<Table<TSourceRest, MaxZEP>>(SourceRest);
  try {
    ResolveLinks();
  } catch (const EConvertError& error) {
    const int zep = ZEPWithBadDelay(*texts, *rests);
    if (zep == 0) throw;
    RethrowAt(error, zepLines[zep], file);
  }
}

}  // namespace

void ReadNet(QIODevice& in, TCapacityCuts& cuts) { ReadLines(in, cuts, nullptr); }

std::unique_ptr<QFile> OpenNetFile(const QString& path) {
  auto file = std::make_unique<QFile>(path);
  OpenForReading(*file);
  return file;
}

namespace {

// Reads the whole file into the tables in use and resolves the links; on any error the
// tables are put back as `kept` holds them.
void ReadWhole(QIODevice& in, TCapacityCuts& cuts, const TNetTables& kept) {
  const QString file = FileNameOf(in);
  try {
    const auto zepLines = std::make_unique<Table<int, MaxZEP>>();
    ReadLines(in, cuts, zepLines.get());
    in.close();
    ResolveRead(*zepLines, file);
  } catch (const RuntimeError&) {
    in.close();
    NetTables = kept;
    throw;
  }
}

}  // namespace

TReadNet ReadNetAside(QIODevice& in) {
  // The reader and ResolveLinks work on the tables in use; those are kept here and put back,
  // whether the file was read whole or not.
  const auto kept = std::make_unique<TNetTables>(NetTables);
  TReadNet read;
  ReadWhole(in, read.Cuts, *kept);
  read.Tables = std::make_unique<TNetTables>(NetTables);
  NetTables = *kept;
  return read;
}

void TakeNet(const TReadNet& read, Prompts& prompts) {
  NetTables = *read.Tables;
  if (read.Cuts.Any()) prompts.Warning(CapacityWarning(read.Cuts));
}

TCapacityCuts LoadNet(QIODevice& in, Prompts& prompts) {
  const auto kept = std::make_unique<TNetTables>(NetTables);
  TCapacityCuts cuts;
  ReadWhole(in, cuts, *kept);
  if (cuts.Any()) prompts.Warning(CapacityWarning(cuts));
  return cuts;
}
