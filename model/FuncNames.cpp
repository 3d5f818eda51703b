#include "model/FuncNames.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "model/NetRules.h"
#include "platform/Errors.h"
#include "platform/ReadFile.h"

namespace {

constexpr int MaxListLine = 255;

bool SameTextIgnoringCase(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

template <int N>
int FindExact(const Table<TName, N>& list, int count, const TName& name) {
  for (int k = 1; k <= count; ++k)
    if (list[k] == name) return k;
  return 0;
}

template <int N>
NameAdd AppendName(Table<TName, N>& list, int& count, const TName& name) {
  if (name.IsEmpty()) return NameAdd::Empty;
  if (count >= N) return NameAdd::ListFull;
  if (FindExact(list, count, name) > 0) return NameAdd::AlreadyListed;
  list[++count] = name;
  return NameAdd::Added;
}

template <int N>
void RemoveAt(Table<TName, N>& list, int& count, int position) {
  for (int k = position; k < count; ++k) list[k] = list[k + 1];
  --count;
}

// Codes first..last address list entries 1..; the entry at `removed` is gone.
void LowerCodesAbove(int first, int last, int removed) {
  const int removedCode = first + removed - 1;
  for (int z = 1; z <= ZEPCount; ++z) {
    int& code = ZEPLink[z].FuncCode;
    if (code == removedCode) code = 0;
    else if (code > removedCode && code <= last) --code;
  }
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

QByteArray Trimmed(const QByteArray& line) {
  qsizetype begin = 0;
  qsizetype end = line.size();
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  return line.mid(begin, end - begin);
}

bool LibraryHolds(const QByteArray& name) {
  for (int k = 1; k <= LibFuncCount; ++k)
    if (SameTextIgnoringCase(LibFuncName[k].Bytes(), name)) return true;
  return false;
}

}  // namespace

TName FuncNameOfFile(const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
  return dot < 0 ? TName() : TName(fileName.left(dot));
}

NameAdd AddLibFuncName(const TName& name) { return AppendName(LibFuncName, LibFuncCount, name); }

NameAdd AddUserFuncName(const TName& name) { return AppendName(UserFuncName, UserFuncCount, name); }

TListImport ImportLibFuncList(const QString& path) {
  QFile file(path);
  OpenForReading(file);
  QByteArray all = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
  // CR, LF and CR LF all end a line; the empty lines this gives between CR and LF are skipped.
  all.replace('\r', '\n');
  TListImport result;
  for (qsizetype start = 0, end = 0; start < all.size(); start = end + 1) {
    end = all.indexOf('\n', start);
    if (end < 0) end = all.size();
    const QByteArray line = all.sliced(start, std::min<qsizetype>(end - start, MaxListLine));
    if (line.isEmpty() || line[0] == '$') continue;
    // A line of blanks would give an empty name, which the network file cannot keep. A
    // long line is compared as it would be stored, so importing a file again adds nothing.
    const QByteArray name = Trimmed(line).left(TName::MaxLength);
    if (name.isEmpty() || LibraryHolds(name)) continue;
    if (LibFuncCount >= MaxLibFunc) {
      result.StoppedFull = true;
      break;
    }
    LibFuncName[++LibFuncCount] = name;
    ++result.Added;
  }
  return result;
}

QString FunctionNameOf(int funcCode) {
  if (funcCode >= 1 && funcCode <= std::min(LibFuncCount, MaxLibFunc)) return LibFuncName[funcCode];
  const long long user = static_cast<long long>(funcCode) - UserFuncBase;
  if (user >= 1 && user <= std::min(UserFuncCount, MaxUserFunc)) return UserFuncName[static_cast<int>(user)];
  return QString();
}

FuncCodeIndex::FuncCodeIndex() {
  user_.AddAll(UserFuncName, UserFuncCount);
  library_.AddAll(LibFuncName, LibFuncCount);
}

int FuncCodeIndex::CodeOf(const QByteArray& name) const {
  if (const int u = user_.Find(name)) return UserFuncBase + u;
  return library_.Find(name);
}

bool FuncNameInUse(const TName& name) {
  for (int z = 1; z <= ZEPCount; ++z)
    if (ZEPText[z].FuncName == name) return true;
  return false;
}

void ReleaseFuncName(const TName& name) {
  for (int z = 1; z <= ZEPCount; ++z) {
    if (!(ZEPText[z].FuncName == name)) continue;
    ZEPText[z].FuncName = "Non";
    ZEPLink[z].FuncCode = 0;
  }
}

bool RemoveFuncName(const TName& name) {
  if (const int u = FindExact(UserFuncName, UserFuncCount, name); u > 0) {
    RemoveAt(UserFuncName, UserFuncCount, u);
    LowerCodesAbove(UserFuncBase + 1, UserFuncBase + MaxUserFunc, u);
    return true;
  }
  if (const int j = FindExact(LibFuncName, LibFuncCount, name); j > 0) {
    RemoveAt(LibFuncName, LibFuncCount, j);
    LowerCodesAbove(1, MaxLibFunc, j);
    return true;
  }
  return false;
}

QStringList DeletableFuncNames() {
  QStringList names;
  for (int u = 1; u <= UserFuncCount; ++u) names.append(UserFuncName[u].Str());
  for (int j = 1; j <= LibFuncCount; ++j) names.append(LibFuncName[j].Str());
  return names;
}

QStringList OfferedFuncNames() {
  QStringList names;
  for (int j = 1; j <= LibFuncCount; ++j) names.append(LibFuncName[j].Str());
  for (int u = 1; u <= UserFuncCount; ++u) names.append(UserFuncName[u].Str());
  return names;
}
