#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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

  // Saves and expects the input/output error naming the file.
  static void ExpectSaveFails(const QString& path, const std::function<void()>& during = {}) {
    try {
      if (during) during();
      WriteNetFile(path, QDate(2024, 3, 7));
      ADD_FAILURE() << "saved " << path.toStdString();
    } catch (const EInOutError& error) {
      EXPECT_TRUE(error.Message().startsWith("Cannot write file \"" + path + "\"")) << error.Message().toStdString();
    }
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
  QFile::setPermissions(temp.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                             QFile::ExeOther);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  {
    Unprivileged user;
    ExpectSaveFails(path);
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

}  // namespace
