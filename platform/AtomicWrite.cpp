#include "platform/AtomicWrite.h"

#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include "platform/Errors.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

const char* const AccessListAttribute = "system.posix_acl_access";

struct Attribute {
  QByteArray Name;
  QByteArray Value;
};

struct KeptFile {
  bool Exists = false;
  struct stat Status {};
  // The user's extended attributes and the access list, as the old file had them.
  QList<Attribute> UserAttributes;
  QByteArray AccessList;
};

QByteArray AttributeValue(const QByteArray& file, const char* name) {
  const ssize_t size = ::getxattr(file.constData(), name, nullptr, 0);
  if (size <= 0) return {};
  QByteArray value(size, '\0');
  const ssize_t got = ::getxattr(file.constData(), name, value.data(), static_cast<size_t>(size));
  return got < 0 ? QByteArray() : value.left(got);
}

void ReadAttributes(const QByteArray& file, KeptFile& kept) {
  const ssize_t size = ::listxattr(file.constData(), nullptr, 0);
  if (size <= 0) return;
  QByteArray names(size, '\0');
  const ssize_t got = ::listxattr(file.constData(), names.data(), static_cast<size_t>(size));
  if (got <= 0) return;
  for (const QByteArray& name : names.left(got).split('\0')) {
    if (name.startsWith("user.")) kept.UserAttributes.append({name, AttributeValue(file, name.constData())});
    else if (name == AccessListAttribute) kept.AccessList = AttributeValue(file, AccessListAttribute);
  }
}

// The old file's status; `path`, as the user gave it, names the file in a refusal.
KeptFile StatusOf(const QString& target, const QString& path) {
  KeptFile kept;
  const QByteArray file = QFile::encodeName(target);
  kept.Exists = ::stat(file.constData(), &kept.Status) == 0;
  if (kept.Exists && !S_ISREG(kept.Status.st_mode)) CannotWrite(path, QStringLiteral("It is not a regular file."));
  if (kept.Exists) ReadAttributes(file, kept);
  return kept;
}

// The mode for a file whose access list could not be carried over: the group gets no more
// than the old list's owning-group entry and mask left it, the others no more than theirs.
// Entries of named users and groups are lost, which only narrows the access.
mode_t NarrowedMode(mode_t mode, const QByteArray& accessList) {
  constexpr int Header = 4;
  constexpr int Entry = 8;
  constexpr quint16 GroupObject = 0x04;
  constexpr quint16 Mask = 0x10;
  mode_t group = (mode >> 3) & 07;
  for (qsizetype at = Header; at + Entry <= accessList.size(); at += Entry) {
    const auto byte = [&](qsizetype k) { return static_cast<quint16>(static_cast<unsigned char>(accessList[at + k])); };
    const quint16 tag = byte(0) | byte(1) << 8;
    const quint16 permissions = byte(2) | byte(3) << 8;
    if (tag == GroupObject || tag == Mask) group &= permissions & 07;
  }
  return (mode & ~mode_t{070}) | group << 3;
}

// Gives the new file the old one's attributes, owner, group, mode and access list before
// it takes its place. The attributes first, while the file may still be written to; then
// the owner, since changing it clears the setuid and setgid bits, which the mode then
// restores; the access list last, as it sets the group bits of the mode itself. What the
// process may not give is left as the new file has it, except that a lost access list
// never leaves the group more than it had.
void KeepOwnerAndMode(int handle, const KeptFile& kept) {
  if (!kept.Exists || handle < 0) return;
  for (const Attribute& attribute : kept.UserAttributes)
    (void)::fsetxattr(handle, attribute.Name.constData(), attribute.Value.constData(),
                      static_cast<size_t>(attribute.Value.size()), 0);
  if (::fchown(handle, kept.Status.st_uid, kept.Status.st_gid) != 0)
    (void)!::fchown(handle, static_cast<uid_t>(-1), kept.Status.st_gid);
  (void)::fchmod(handle, kept.Status.st_mode & 07777);
  if (kept.AccessList.isEmpty()) return;
  if (::fsetxattr(handle, AccessListAttribute, kept.AccessList.constData(),
                  static_cast<size_t>(kept.AccessList.size()), 0) != 0)
    (void)::fchmod(handle, NarrowedMode(kept.Status.st_mode & 07777, kept.AccessList));
}

// The temporary file beside the target needs a folder this process may write to; without
// it the file could only be overwritten in place, where a failure would leave it cut. A
// folder that does not exist is not one that refuses.
bool FolderRefusesWriting(const QString& folder) {
  if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0) return false;
  return errno == EACCES || errno == EPERM || errno == EROFS;
}

#else

struct KeptFile {
  bool Exists = false;
};

KeptFile StatusOf(const QString& target, const QString& path) {
  const QFileInfo info(target);
  if (info.exists() && !info.isFile()) CannotWrite(path, QStringLiteral("It is not a regular file."));
  return {info.exists()};
}

void KeepOwnerAndMode(int, const KeptFile&) {}

bool FolderRefusesWriting(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && !info.isWritable();
}

#endif

QString UnwritableFolderReason(const QString& folder, bool exists) {
  return QStringLiteral("The folder \"%1\" cannot be written, so the file cannot be %2.")
      .arg(folder, exists ? QStringLiteral("replaced safely") : QStringLiteral("created"));
}

}  // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  const QString target = FileBehindLinks(path);
  const KeptFile kept = StatusOf(target, path);
  QSaveFile file(target);
  const auto fail = [&] {
    const QString reason = file.errorString();
    file.cancelWriting();
    CannotWrite(path, reason);
  };
  // Unbuffered, so that a short write (a full disk, a file size limit) is seen here; a
  // buffered write would report every byte written and commit the cut file.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    const QString folder = QFileInfo(target).absolutePath();
    if (FolderRefusesWriting(folder)) CannotWrite(path, UnwritableFolderReason(folder, kept.Exists));
    fail();
  }
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) fail();
    done += written;
  }
  // After the writes, which clear the setuid bit of the file written to.
  KeepOwnerAndMode(file.handle(), kept);
  if (!file.commit()) fail();
}
