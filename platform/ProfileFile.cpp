#include "platform/ProfileFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>

#include "platform/Errors.h"

namespace {

struct Line {
  QByteArray text;  // without its line end
  QByteArray end;   // "\r\n", "\n" or "" for a last line without end
};

QList<Line> SplitLines(const QByteArray& bytes) {
  QList<Line> lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype nl = bytes.indexOf('\n', start);
    if (nl < 0) {
      lines.append({bytes.mid(start), {}});
      break;
    }
    qsizetype stop = nl;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.append({bytes.mid(start, stop - start), bytes.mid(stop, nl + 1 - stop)});
    start = nl + 1;
  }
  return lines;
}

// The section name of a header line "[name]", or a null array for any other line.
QByteArray SectionName(const QByteArray& line) {
  const QByteArray t = line.trimmed();
  if (!t.startsWith('[')) return {};
  const qsizetype close = t.indexOf(']');
  QByteArray name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
  if (name.isNull()) name = QByteArray("");
  return name;
}

bool KeyOf(const QByteArray& line, QByteArray& key, QByteArray& value) {
  const qsizetype eq = line.indexOf('=');
  if (eq < 0) return false;
  key = line.left(eq).trimmed();
  value = line.mid(eq + 1).trimmed();
  return true;
}

bool SameName(const QByteArray& a, const QString& b) {
  return QString::fromLatin1(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Values are written as UTF-8; one that is not valid UTF-8 comes from an older file, which
// wrote single-byte text, and is read as Latin-1.
QString ValueText(const QByteArray& value) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(value);
  return utf8.hasError() ? QString::fromLatin1(value) : text;
}

QByteArray ReadAll(const QString& path, bool& exists) {
  QFile file(path);
  exists = file.exists();
  if (!exists || !file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QString ProfileFile::ReadString(const QString& section, const QString& key,
                                const QString& fallback) const {
  bool exists = false;
  const QList<Line> lines = SplitLines(ReadAll(path_, exists));
  bool inSection = false;
  for (const Line& line : lines) {
    const QByteArray name = SectionName(line.text);
    if (!name.isNull()) {
      inSection = SameName(name, section);
      continue;
    }
    QByteArray k, v;
    if (inSection && KeyOf(line.text, k, v) && SameName(k, key)) return ValueText(v);
  }
  return fallback;
}

void ProfileFile::WriteString(const QString& section, const QString& key,
                              const QString& value) const {
  bool exists = false;
  const QByteArray original = ReadAll(path_, exists);
  QList<Line> lines = SplitLines(original);
  const QByteArray newLine = key.toLatin1() + '=' + value.toUtf8();

  qsizetype sectionAt = -1;  // header line of the wanted section
  qsizetype lastInSection = -1;
  qsizetype keyAt = -1;
  for (qsizetype i = 0; i < lines.size() && keyAt < 0; ++i) {
    const QByteArray name = SectionName(lines[i].text);
    if (!name.isNull()) {
      if (sectionAt >= 0) break;  // past the end of the wanted section
      if (SameName(name, section)) sectionAt = lastInSection = i;
      continue;
    }
    if (sectionAt < 0) continue;
    QByteArray k, v;
    if (KeyOf(lines[i].text, k, v) && SameName(k, key)) keyAt = i;
    if (!lines[i].text.trimmed().isEmpty()) lastInSection = i;
  }

  if (keyAt >= 0) {
    lines[keyAt].text = newLine;
  } else if (sectionAt >= 0) {
    if (lines[lastInSection].end.isEmpty()) lines[lastInSection].end = "\r\n";
    lines.insert(lastInSection + 1, {newLine, "\r\n"});
  } else {
    if (!lines.isEmpty() && lines.last().end.isEmpty()) lines.last().end = "\r\n";
    lines.append({'[' + section.toLatin1() + ']', "\r\n"});
    lines.append({newLine, "\r\n"});
  }

  QByteArray bytes;
  for (const Line& line : lines) bytes += line.text + line.end;
  QSaveFile file(path_);
  file.setDirectWriteFallback(true);  // a file in a folder where no temporary can be made
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EInOutError(QStringLiteral("Cannot write \"%1\": %2").arg(path_, file.errorString()));
}
