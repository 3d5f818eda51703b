#include "platform/AtomicWrite.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/Errors.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

[[noreturn]] void CannotWrite(const QString& path, const QString& reason) {
  throw EInOutError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
}

// The file a link leads to, so that the link stays a link; the path itself otherwise.
QString FileBehindLinks(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return path;
  const QString target = info.canonicalFilePath();
  return target.isEmpty() ? path : target;
}

#ifdef Q_OS_UNIX

struct KeptFile {
  bool Exists = false;
  struct stat Status {};
};

KeptFile StatusOf(const QString& path) {
  KeptFile kept;
  kept.Exists = ::stat(QFile::encodeName(path).constData(), &kept.Status) == 0;
  if (kept.Exists && !S_ISREG(kept.Status.st_mode)) CannotWrite(path, QStringLiteral("It is not a regular file."));
  return kept;
}

// Gives the new file the old one's owner, group and mode before it takes its place. The
// owner first: changing it clears the setuid and setgid bits, which the mode then restores.
// An owner or group the process may not give is left as the new file has it.
void KeepOwnerAndMode(int handle, const KeptFile& kept) {
  if (!kept.Exists || handle < 0) return;
  if (::fchown(handle, kept.Status.st_uid, kept.Status.st_gid) != 0)
    (void)!::fchown(handle, static_cast<uid_t>(-1), kept.Status.st_gid);
  (void)::fchmod(handle, kept.Status.st_mode & 07777);
}

#else

struct KeptFile {};

KeptFile StatusOf(const QString& path) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) CannotWrite(path, QStringLiteral("It is not a regular file."));
  return {};
}

void KeepOwnerAndMode(int, const KeptFile&) {}

#endif

}  // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  const QString target = FileBehindLinks(path);
  const KeptFile kept = StatusOf(target);
  QSaveFile file(target);
  const auto fail = [&] {
    const QString reason = file.errorString();
    file.cancelWriting();
    CannotWrite(path, reason);
  };
  // Unbuffered, so that a short write (a full disk, a file size limit) is seen here; a
  // buffered write would report every byte written and commit the cut file.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail();
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) fail();
    done += written;
  }
  // After the writes, which clear the setuid bit of the file written to.
  KeepOwnerAndMode(file.handle(), kept);
  if (!file.commit()) fail();
}
