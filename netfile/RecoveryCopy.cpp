#include "netfile/RecoveryCopy.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

constexpr const char* CheckLine = "$ Plexor recovery copy: ";
constexpr const char* OriginLine = "$ Recovery of ";
constexpr const char* FileNameLine = "$ File name ";
constexpr const char* SetAsideFolder = "set aside";

constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFile::ExeOwner;

// A lock file younger than this may be one that its program is still writing.
constexpr qint64 LockWritingMs = 2000;

// A running program holds its lock for hours: only a dead program makes a lock stale.
std::unique_ptr<QLockFile> LockFor(const QString& base) {
  auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  return lock;
}

QString BaseOf(const QString& copyPath) { return copyPath.chopped(4); }

bool MakePrivateFolder(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  QFile::setPermissions(folder, OwnerOnlyFolder);  // also a folder made by an older Plexor
  return true;
}

// A header value: UTF-8, with control characters and "%" written as %XX.
QByteArray Escaped(const QString& text) {
  QByteArray out;
  for (const char c : text.toUtf8()) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '%') out += '%' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
    else out += c;
  }
  return out;
}

QByteArray Sha256(QByteArrayView bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The line at `from` without its line end; `from` moves past it.
QByteArray TakeLine(const QByteArray& bytes, qsizetype& from) {
  qsizetype end = bytes.indexOf('\n', from);
  if (end < 0) end = bytes.size();
  QByteArray line = bytes.mid(from, end - from);
  from = end + 1;
  if (line.endsWith('\r')) line.chop(1);
  return line;
}

// The header value after `prefix`; empty when the line is another.
QString ValueAfter(const QByteArray& line, const char* prefix, bool escaped) {
  if (!line.startsWith(prefix)) return QString();
  const QByteArray value = line.mid(qsizetype(qstrlen(prefix)));
  return QString::fromUtf8(escaped ? QByteArray::fromPercentEncoding(value) : value.trimmed());
}

// Reads the header into `copy` and checks the bytes after its first line against it.
void ReadHeader(const QByteArray& bytes, TStaleCopy& copy) {
  qsizetype at = 0;
  const QByteArray first = TakeLine(bytes, at);
  if (first.startsWith(OriginLine)) {
    // Written by an older Plexor: unescaped names, nothing to check against.
    copy.Check = TCopyCheck::Unchecked;
    copy.Origin = ValueAfter(first, OriginLine, false);
    copy.FileName = ValueAfter(TakeLine(bytes, at), FileNameLine, false);
    return;
  }
  copy.Check = TCopyCheck::Altered;
  if (!first.startsWith(CheckLine)) return;
  // "N bytes follow, SHA-256 HEX"
  const QList<QByteArray> words = first.mid(qsizetype(qstrlen(CheckLine))).split(' ');
  if (words.size() != 5) return;
  bool number = false;
  copy.Expected = words[0].toLongLong(&number);
  copy.Held = std::max<qint64>(0, bytes.size() - at);
  const QByteArrayView rest = QByteArrayView(bytes).sliced(std::min(at, bytes.size()));
  if (number && copy.Held == copy.Expected && Sha256(rest) == words[4]) copy.Check = TCopyCheck::Whole;
  else if (number && copy.Held < copy.Expected) copy.Check = TCopyCheck::Cut;
  copy.Origin = ValueAfter(TakeLine(bytes, at), OriginLine, true);
  copy.FileName = ValueAfter(TakeLine(bytes, at), FileNameLine, true);
}

// True when a running program holds the lock file, as QLockFile does with flock().
bool HeldByRunningProgram(const QString& lockPath) {
#ifdef Q_OS_UNIX
  const int handle = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (handle < 0) return false;
  const bool held = ::flock(handle, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(handle);
  return held;
#else
  Q_UNUSED(lockPath);
  return true;  // no way to tell: the copy waits
#endif
}

// A lock file that names no program (empty, garbage) or is a link cannot be judged by its
// contents, so QLockFile never calls it stale: it is removed when no running program
// holds it. True when it was removed.
bool RemoveBrokenLock(QLockFile& lock, const QString& lockPath) {
  const QFileInfo info(lockPath);
  if (!info.isSymLink()) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application)) return false;  // QLockFile judged it held
    if (qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) < LockWritingMs) return false;
    if (HeldByRunningProgram(lockPath)) return false;
  }
  return QFile::remove(lockPath);
}

// The lock of a copy whose program is gone; null while a running program holds it.
std::shared_ptr<QLockFile> ClaimLock(const QString& base) {
  std::shared_ptr<QLockFile> lock = LockFor(base);
  if (lock->tryLock(0)) return lock;
  if (lock->error() != QLockFile::LockFailedError) return nullptr;
  if (!RemoveBrokenLock(*lock, base + QStringLiteral(".lock")) || !lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace

QString RecoveryFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

QByteArray RecoveryCopyText(const QString& origin, const QString& fileName, const QByteArray& netText) {
  const QByteArray rest = OriginLine + Escaped(origin) + "\r\n" + FileNameLine + Escaped(fileName) + "\r\n" + netText;
  return CheckLine + QByteArray::number(rest.size()) + " bytes follow, SHA-256 " + Sha256(rest) + "\r\n" + rest;
}

TRecoveryCopy::TRecoveryCopy(std::function<QString()> origin, QObject* parent)
    : QObject(parent), origin_(std::move(origin)) {
  writer_.setMaxThreadCount(1);
  timer_.setSingleShot(true);
  timer_.setInterval(WriteDelayMs);
  connect(&timer_, &QTimer::timeout, this, &TRecoveryCopy::WriteNow);
}

TRecoveryCopy::~TRecoveryCopy() { Flush(); }

QString TRecoveryCopy::CopyPath() const { return base_.isEmpty() ? QString() : base_ + QStringLiteral(".net"); }

void TRecoveryCopy::NetChangedOn() {
  // Load, New and an undo back to the saved state leave nothing unsaved.
  if (!Edited) Remove();
  else if (!timer_.isActive()) timer_.start();
}

bool TRecoveryCopy::TakePlace() {
  const QString folder = RecoveryFolder();
  if (!MakePrivateFolder(folder)) {
    Failed(QStringLiteral("The folder \"%1\" cannot be made.").arg(folder));
    return false;
  }
  // Unique per run, so that programs running at once each keep their own.
  base_ = QStringLiteral("%1/%2-%3")
              .arg(folder)
              .arg(QCoreApplication::applicationPid())
              .arg(QDateTime::currentMSecsSinceEpoch());
  lock_ = LockFor(base_);
  if (!lock_->tryLock(0)) {
    lock_.reset();
    base_.clear();
    Failed(QStringLiteral("The folder \"%1\" cannot be written.").arg(folder));
    return false;
  }
  return true;
}

bool TRecoveryCopy::WriteNow() {
  timer_.stop();
  if (!Edited) return true;
  if (!lock_ && !TakePlace()) return false;
  TParts parts{origin_(), NetFileName.Str(), NetFileText(QDate::currentDate())};
  const std::lock_guard<std::mutex> guard(mutex_);
  pending_ = std::move(parts);
  if (!writing_) {
    writing_ = true;
    writer_.start([this] { WritePending(); });
  }
  return true;
}

void TRecoveryCopy::WritePending() {
  const QString path = CopyPath();
  for (;;) {
    TParts parts;
    {
      const std::lock_guard<std::mutex> guard(mutex_);
      if (!pending_) {
        writing_ = false;
        return;
      }
      parts = std::move(*pending_);
      pending_.reset();
    }
    try {
      WriteFileAtomically(path, RecoveryCopyText(parts.Origin, parts.FileName, parts.NetText));
      QFile::setPermissions(path, OwnerOnlyFile);
    } catch (const RuntimeError& error) {
      // Told on the object's own thread; dropped when the object is gone by then.
      QMetaObject::invokeMethod(this, [this, reason = error.Message()] { Failed(reason); }, Qt::QueuedConnection);
    }
  }
}

void TRecoveryCopy::Failed(const QString& reason) {
  if (told_) return;
  told_ = true;
  emit CannotKeepCopy(QStringLiteral("Plexor cannot keep a recovery copy of the unsaved changes, so a crash "
                                     "would lose them until the net is saved.\n%1")
                          .arg(reason));
}

void TRecoveryCopy::Flush() { writer_.waitForDone(); }

void TRecoveryCopy::Remove() {
  timer_.stop();
  {
    const std::lock_guard<std::mutex> guard(mutex_);
    pending_.reset();
  }
  Flush();
  if (!lock_) return;
  QFile::remove(CopyPath());
  lock_.reset();  // unlocking removes the lock file
  base_.clear();
}

std::vector<TStaleCopy> ClaimStaleCopies() {
  std::vector<TStaleCopy> copies;
  const QDir folder(RecoveryFolder());
  const QFileInfoList files = folder.entryInfoList({QStringLiteral("*.net")}, QDir::Files, QDir::Time);
  for (const QFileInfo& info : files) {
    std::shared_ptr<QLockFile> lock = ClaimLock(BaseOf(info.absoluteFilePath()));
    if (!lock) continue;  // its program is running
    TStaleCopy copy{info.absoluteFilePath(), {}, {}, info.lastModified(), lock};
    QFile file(copy.CopyPath);
    // One that cannot be read stays Altered: the restore tells why.
    if (file.open(QIODevice::ReadOnly)) ReadHeader(file.readAll(), copy);
    else copy.Check = TCopyCheck::Altered;
    copies.push_back(std::move(copy));
  }
  return copies;
}

QString UnsavedNetText(const TStaleCopy& copy) {
  // A net that was never saved has no path: its file name stands for it.
  const bool hasPath = copy.Origin.contains(QLatin1Char('/')) || copy.Origin.contains(QLatin1Char('\\'));
  QString net = hasPath ? copy.Origin : copy.FileName;
  if (net.isEmpty()) net = QStringLiteral("of unknown name");  // a copy without its header
  return QStringLiteral("The net %1 was not saved when Plexor ended on %2")
      .arg(net, copy.Written.toString(QStringLiteral("yyyy/M/d hh:mm")));
}

QString RecoveryQuestion(const TStaleCopy& copy) {
  const QString ended = UnsavedNetText(copy);
  switch (copy.Check) {
    case TCopyCheck::Whole: break;
    case TCopyCheck::Cut:
      return ended + QStringLiteral(", but its recovery copy is incomplete: it holds %1 of the %2 bytes written, so "
                                    "the restored net may lack elements and comments. Restore it anyway?")
                         .arg(copy.Held)
                         .arg(copy.Expected);
    case TCopyCheck::Altered:
      return ended + QStringLiteral(", but its recovery copy is damaged: it differs from what was written, so the "
                                    "restored net may differ from the one edited. Restore it anyway?");
    case TCopyCheck::Unchecked:
      return ended + QStringLiteral(". Its recovery copy was written by an older Plexor, which kept no checksum, so "
                                    "whether it is whole cannot be checked. Restore it?");
  }
  return ended + QStringLiteral(". Restore it?");
}

void DiscardStaleCopy(TStaleCopy& copy) {
  QFile::remove(copy.CopyPath);
  if (copy.Lock) copy.Lock->unlock();  // unlocking removes the lock file
  copy.Lock.reset();
}

QString SetStaleCopyAside(TStaleCopy& copy) {
  const QString folder = RecoveryFolder() + QLatin1Char('/') + QLatin1String(SetAsideFolder);
  const QString aside = folder + QLatin1Char('/') + QFileInfo(copy.CopyPath).fileName();
  const bool moved = MakePrivateFolder(folder) && QFile::rename(copy.CopyPath, aside);
  if (copy.Lock) copy.Lock->unlock();
  copy.Lock.reset();
  return moved ? aside : copy.CopyPath;
}
