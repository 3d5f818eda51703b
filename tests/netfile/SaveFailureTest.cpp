#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "NetFileFixture.h"
#include "netfile/NetWriter.h"
#include "netfile/NewNet.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace {

const QByteArray OldBytes = "$ Edited on 2020/1/1\r\n[FileType]\r\nNetwork = 5\r\n";

class SaveFailureTest : public NetFileTest {
protected:
  void SetUp() override {
    NetFileTest::SetUp();
    SetUpNewNet();
  }

  static void WriteOld(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(OldBytes);
  }

  // Saves and expects the input/output error naming the file; gives its message.
  static QString ExpectSaveFails(const QString& path) {
    try {
      WriteNetFile(path, QDate(2024, 3, 7));
      ADD_FAILURE() << "saved " << path.toStdString();
    } catch (const EInOutError& error) {
      EXPECT_TRUE(error.Message().startsWith("Cannot write file \"" + path + "\"")) << error.Message().toStdString();
      return error.Message();
    }
    return {};
  }

  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }
};

// Root writes into any folder; the check runs with the rights of an ordinary user.
class Unprivileged {
public:
  Unprivileged() : root_(geteuid() == 0) {
    if (root_) {
      EXPECT_EQ(seteuid(65534), 0);
    }
  }
  ~Unprivileged() {
    if (root_) {
      EXPECT_EQ(seteuid(0), 0);
    }
  }

private:
  bool root_;
};

TEST_F(SaveFailureTest, NoSuchFolder) {
  TempDir temp;
  ExpectSaveFails(temp.File("missing/New.net"));
  EXPECT_TRUE(Entries(temp.Path()).isEmpty());
}

TEST_F(SaveFailureTest, ReadOnlyFolderKeepsTheOldFile) {
  TempDir temp;
  const QString folder = temp.File("locked");
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString path = folder + "/net.net";
  WriteOld(path);
  const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::ExeOther;
  QFile::setPermissions(temp.dir.path(), readable | QFile::WriteOwner);
  QFile::setPermissions(folder, readable);
  {
    Unprivileged user;
    EXPECT_EQ(ExpectSaveFails(path), "Cannot write file \"" + path + "\". The folder \"" + folder +
                                         "\" cannot be written, so the file cannot be replaced safely.");
  }
  EXPECT_EQ(Bytes(path), OldBytes);
  EXPECT_EQ(Entries(folder), QStringList{"net.net"});
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SaveFailureTest, FullFileSystemKeepsTheOldFile) {
  TempDir temp;
  const QString path = temp.File("net.net");
  WriteOld(path);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;  // the new file needs about 300 bytes
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ExpectSaveFails(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(Bytes(path), OldBytes);
  EXPECT_EQ(Entries(temp.Path()), QStringList{"net.net"});
}

TEST_F(SaveFailureTest, ASuccessfulSaveReplacesTheFileAndKeepsNoTemporaryFile) {
  TempDir temp;
  const QString path = temp.File("net.net");
  WriteOld(path);
  WriteNetFile(path, QDate(2024, 3, 7));
  EXPECT_EQ(Bytes(path), NetFileText(QDate(2024, 3, 7)));
  EXPECT_EQ(Entries(temp.Path()), QStringList{"net.net"});
}

// A replaced file keeps what the user set on it: every mode bit, its owner and group where
// the process may set them, and a link to it stays a link.
TEST_F(SaveFailureTest, AReplacedFileKeepsItsModeOwnerAndLink) {
  TempDir temp;
  const QString path = temp.File("net.net");
  WriteOld(path);
  const QByteArray name = QFile::encodeName(path);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(name.constData(), 65534, 65534), 0);  // before the mode: it clears setuid
  }
  ASSERT_EQ(chmod(name.constData(), 07640), 0);
  struct stat before{};
  ASSERT_EQ(stat(name.constData(), &before), 0);
  const QString link = temp.File("link.net");
  ASSERT_TRUE(QFile::link(path, link));

  WriteNetFile(link, QDate(2024, 3, 7));
  struct stat after{};
  ASSERT_EQ(stat(name.constData(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 07640u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(Bytes(path), NetFileText(QDate(2024, 3, 7)));
  EXPECT_EQ(Entries(temp.Path()), (QStringList{"link.net", "net.net"}));
}

// An access list as the kernel keeps it: a version word, then entries of tag, permissions
// and id. Here the owner rw-, user nobody rw-, the owning group r--, mask rw-, others r--.
QByteArray AccessList() {
  const auto word16 = [](QByteArray& out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
  const auto word32 = [&](QByteArray& out, quint32 v) { word16(out, v & 0xFFFF), word16(out, v >> 16); };
  QByteArray list;
  word32(list, 2);
  const struct {
    quint16 tag, permissions;
    quint32 id;
  } entries[] = {{0x01, 6, ~0u}, {0x02, 6, 65534}, {0x04, 4, ~0u}, {0x10, 6, ~0u}, {0x20, 4, ~0u}};
  for (const auto& e : entries) word16(list, e.tag), word16(list, e.permissions), word32(list, e.id);
  return list;
}

QByteArray Attribute(const QByteArray& file, const char* name) {
  char value[256];
  const ssize_t size = getxattr(file.constData(), name, value, sizeof value);
  return size < 0 ? QByteArray("<none>") : QByteArray(value, size);
}

// Without its access list the file's mode (664, the mask in the group bits) would let its
// group write to it.
TEST_F(SaveFailureTest, AReplacedFileKeepsItsAccessListAndUserAttributes) {
  TempDir temp;
  const QString path = temp.File("net.net");
  WriteOld(path);
  const QByteArray name = QFile::encodeName(path);
  const QByteArray list = AccessList();
  if (setxattr(name.constData(), "system.posix_acl_access", list.constData(), list.size(), 0) != 0 ||
      setxattr(name.constData(), "user.origin", "lab", 3, 0) != 0)
    GTEST_SKIP() << "the file system of " << temp.Path().toStdString() << " keeps no access lists or user attributes";

  WriteNetFile(path, QDate(2024, 3, 7));
  EXPECT_EQ(Bytes(path), NetFileText(QDate(2024, 3, 7)));
  EXPECT_EQ(Attribute(name, "system.posix_acl_access"), list);
  EXPECT_EQ(Attribute(name, "user.origin"), "lab");
  struct stat after{};
  ASSERT_EQ(stat(name.constData(), &after), 0);
  EXPECT_EQ(after.st_mode & 0777, 0664u);
}

}  // namespace
