#include "netfile/RecoveryCopy.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "model/NetChange.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"

namespace {

// The copy begins with two comment lines, which a reader of ".net" files skips.
constexpr const char* OriginLine = "$ Recovery of ";
constexpr const char* FileNameLine = "$ File name ";

// A running program holds its lock for hours: only a dead program makes a lock stale.
std::unique_ptr<QLockFile> LockFor(const QString& base) {
  auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  return lock;
}

QString BaseOf(const QString& copyPath) { return copyPath.chopped(4); }

// The comment line's text after `prefix`; empty when the line is another.
QString LineAfter(const QByteArray& line, const char* prefix) {
  if (!line.startsWith(prefix)) return QString();
  return QString::fromUtf8(line.mid(qsizetype(qstrlen(prefix))).trimmed());
}

}  // namespace

QString RecoveryFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
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

bool TRecoveryCopy::WriteNow() {
  timer_.stop();
  if (!Edited) return true;
  if (!lock_) {
    const QString folder = RecoveryFolder();
    if (!QDir().mkpath(folder)) return false;
    // Unique per run, so that programs running at once each keep their own.
    base_ = QStringLiteral("%1/%2-%3")
                .arg(folder)
                .arg(QCoreApplication::applicationPid())
                .arg(QDateTime::currentMSecsSinceEpoch());
    lock_ = LockFor(base_);
    if (!lock_->tryLock(0)) {
      lock_.reset();
      base_.clear();
      return false;
    }
  }
  QByteArray text = OriginLine + origin_().toUtf8() + "\r\n";
  text += FileNameLine + NetFileName.Str().toUtf8() + "\r\n";
  text += NetFileText(QDate::currentDate());
  const std::lock_guard<std::mutex> guard(mutex_);
  pending_ = std::move(text);
  if (!writing_) {
    writing_ = true;
    writer_.start([this] { WritePending(); });
  }
  return true;
}

void TRecoveryCopy::WritePending() {
  const QString path = CopyPath();
  for (;;) {
    QByteArray text;
    {
      const std::lock_guard<std::mutex> guard(mutex_);
      if (!pending_) {
        writing_ = false;
        return;
      }
      text = std::move(*pending_);
      pending_.reset();
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(text);
      file.commit();
    }
  }
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
    std::shared_ptr<QLockFile> lock = LockFor(BaseOf(info.absoluteFilePath()));
    if (!lock->tryLock(0)) continue;  // its program is running
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString origin = LineAfter(file.readLine(), OriginLine);
    const QString fileName = LineAfter(file.readLine(), FileNameLine);
    copies.push_back({info.absoluteFilePath(), origin, fileName, info.lastModified(), lock});
  }
  return copies;
}

QString RecoveryQuestion(const TStaleCopy& copy) {
  // A net that was never saved has no path: its file name stands for it.
  const bool hasPath = copy.Origin.contains(QLatin1Char('/')) || copy.Origin.contains(QLatin1Char('\\'));
  const QString net = hasPath ? copy.Origin : copy.FileName;
  return QStringLiteral("The net %1 was not saved when Plexor ended on %2. Restore it?")
      .arg(net, copy.Written.toString(QStringLiteral("yyyy/M/d hh:mm")));
}

void DiscardStaleCopy(TStaleCopy& copy) {
  QFile::remove(copy.CopyPath);
  if (copy.Lock) copy.Lock->unlock();  // unlocking removes the lock file
  copy.Lock.reset();
}
