// The recovery copy on disk: written all or nothing, private to its user, checked when it
// comes back, and claimed when the program that held it is gone.
#include <QDate>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "NetFileFixture.h"
#include "model/NetChange.h"
#include "netfile/NetWriter.h"
#include "netfile/RecoveryCopy.h"
#include "support/TempDir.h"
#include "support/TestNet.h"

namespace {

// A name as a file dialog may give it: any script, a line break, a "%".
const QString Origin = QStringLiteral("/home/u/Проект/two\nlines 100%.net");

class RecoveryCopyTest : public NetFileTest {
protected:
  void SetUp() override {
    NetFileTest::SetUp();
    savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.dir.path().toLocal8Bit());
    PutDot({10, 10});
    NetFileName = "two lines.net";
    NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  }
  void TearDown() override {
    NetSaved();
    qputenv("XDG_DATA_HOME", savedDataHome);
  }

  // Writes a copy as a program that then ends without removing it; its path.
  static QString LeaveCopy() {
    TRecoveryCopy copy([] { return Origin; });
    EXPECT_TRUE(copy.WriteNow());
    copy.Flush();
    return copy.CopyPath();
  }
  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }
  static void Backdate(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
  }

  TempDir data;
  QByteArray savedDataHome;
};

TEST_F(RecoveryCopyTest, ARestoreSeesWhetherTheCopyIsWhole) {
  const QString path = LeaveCopy();
  const QByteArray written = ReadBytes(path);
  EXPECT_EQ(written, RecoveryCopyText(Origin, "two lines.net", NetFileText(QDate::currentDate())));
  EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
  EXPECT_EQ(QFile::permissions(RecoveryFolder()),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);

  const qsizetype header = written.indexOf('\n') + 1;
  const QByteArray older = "$ Recovery of /nets/old.net\r\n$ File name old.net\r\n" + written.mid(written.indexOf("[FileType]"));
  QByteArray altered = written;
  altered[altered.size() - 3] = 'X';
  const struct {
    QByteArray bytes;
    TCopyCheck check;
    QString origin;
    QString warning;  // what the question says beyond "The net ... on DATE"
  } cases[] = {
      {written, TCopyCheck::Whole, Origin, ". Restore it?"},
      {written.left(written.size() - 100), TCopyCheck::Cut, Origin,
       QString(", but its recovery copy is incomplete: it holds %1 of the %2 bytes written, so the restored net may "
               "lack elements and comments. Restore it anyway?")
           .arg(written.size() - header - 100)
           .arg(written.size() - header)},
      {altered, TCopyCheck::Altered, Origin,
       ", but its recovery copy is damaged: it differs from what was written, so the restored net may differ from "
       "the one edited. Restore it anyway?"},
      {older, TCopyCheck::Unchecked, "/nets/old.net",
       ". Its recovery copy was written by an older Plexor, which kept no checksum, so whether it is whole cannot be "
       "checked. Restore it?"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteBytes(path, c.bytes));
    std::vector<TStaleCopy> copies = ClaimStaleCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].Check, c.check) << c.warning.toStdString();
    EXPECT_EQ(copies[0].Origin, c.origin);
    EXPECT_EQ(RecoveryQuestion(copies[0]),
              "The net " + c.origin + " was not saved when Plexor ended on " +
                  copies[0].Written.toString("yyyy/M/d hh:mm") + c.warning);
  }
}

TEST_F(RecoveryCopyTest, ABrokenLockIsStaleUnlessARunningProgramHoldsIt) {
  const QString path = LeaveCopy();
  const QString lock = path.chopped(4) + ".lock";
  const QString elsewhere = data.File("elsewhere");
  ASSERT_TRUE(WriteBytes(elsewhere, "keep me"));
  enum Make { Empty, Garbage, Link };
  const struct {
    Make make;
    bool old;   // written long enough ago
    bool held;  // a running program holds it
    bool stale;
  } cases[] = {
      {Empty, true, false, true},  {Garbage, true, false, true}, {Link, false, false, true},
      {Garbage, true, true, false},
      {Empty, false, false, false},  // its program may be writing it this moment
  };
  for (const auto& c : cases) {
    QFile::remove(lock);
    // A running program: the lock QLockFile holds, its contents then spoilt in place.
    QLockFile holder(lock);
    if (c.held) {
      ASSERT_TRUE(holder.tryLock(0));
    }
    if (c.make == Link) ASSERT_TRUE(QFile::link(elsewhere, lock));
    else ASSERT_TRUE(WriteBytes(lock, c.make == Garbage ? "\x01\xFFgarbage" : ""));
    if (c.old) Backdate(lock);
    EXPECT_EQ(ClaimStaleCopies().size(), c.stale ? 1u : 0u) << c.make << c.old << c.held;
  }
  EXPECT_EQ(ReadBytes(elsewhere), "keep me");  // a link goes, never what it leads to
}

TEST_F(RecoveryCopyTest, AWriteThatFailsKeepsTheOlderCopyAndIsToldOncePerRun) {
  TRecoveryCopy copy([] { return Origin; });
  QSignalSpy told(&copy, &TRecoveryCopy::CannotKeepCopy);
  ASSERT_TRUE(copy.WriteNow());
  copy.Flush();
  const QByteArray older = ReadBytes(copy.CopyPath());
  ASSERT_FALSE(older.isEmpty());

  // A disk that is full: no file may grow past a few bytes.
  PutComment("a comment long enough to be told apart", {20, 20});
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(copy.WriteNow());
    copy.Flush();
    QCoreApplication::processEvents();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_EQ(ReadBytes(copy.CopyPath()), older);
  EXPECT_EQ(Entries(RecoveryFolder()).size(), 2);  // the copy and its lock, no half-written file
  ASSERT_EQ(told.size(), 1);
  const QString message = told[0][0].toString();
  EXPECT_TRUE(message.startsWith("Plexor cannot keep a recovery copy of the unsaved changes, so a crash would lose "
                                 "them until the net is saved.\nCannot write file \"" + copy.CopyPath() + "\"."))
      << message.toStdString();
  copy.Remove();
}

TEST_F(RecoveryCopyTest, AFolderThatCannotBeMadeIsToldOncePerRun) {
  ASSERT_TRUE(WriteBytes(data.File("file"), ""));
  qputenv("XDG_DATA_HOME", data.File("file").toLocal8Bit());  // a file where a folder must be
  TRecoveryCopy copy([] { return Origin; });
  QSignalSpy told(&copy, &TRecoveryCopy::CannotKeepCopy);
  EXPECT_FALSE(copy.WriteNow());
  EXPECT_FALSE(copy.WriteNow());
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0][0].toString().endsWith("\nThe folder \"" + RecoveryFolder() + "\" cannot be made."));
}

}  // namespace
