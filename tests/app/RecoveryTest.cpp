// The recovery copy as the user meets it: kept while the net holds unsaved changes, gone
// once it is saved, and offered at the next start when its program was killed, but never
// while that program still runs.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include "app/FileCommands.h"
#include "app/ElementCommands.h"
#include "app/NetHome.h"
#include "document/NetDocument.h"
#include "model/NetDef.h"
#include "netfile/NetWriter.h"
#include "platform/Guard.h"
#include "netfile/RecoveryCopy.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/ShownTitle.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

const QString Example = QStringLiteral(PLEXOR_SOURCE_DIR "/examples/all-kinds.net");

class Recovery : public ::testing::Test {
protected:
  void SetUp() override {
    qputenv("XDG_DATA_HOME", data.dir.path().toLocal8Bit());
    ResetNetDef();
    form = CreatedForm(app.Path(), &prompts);
    form->setEnabled(true);
  }

  void Run(const std::function<void()>& handler) { Guard(form->Ask(), handler); }
  void LoadExample() {
    prompts.Files = {Example};
    if (Edited) prompts.Answers = {Answer::No};  // the edits are dropped
    Run([&] { form->Files().LoadClick(); });
  }
  static QStringList FilesInFolder() { return QDir(RecoveryFolder()).entryList(QDir::Files, QDir::Name); }
  static QStringList Copies() { return QDir(RecoveryFolder()).entryList({"*.net"}, QDir::Files); }

  TempDir data;
  TempDir app;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(Recovery, CopyIsKeptWhileTheNetIsUnsaved) {
  LoadExample();
  Run([&] { form->Elements().AddDotClick(); });
  ASSERT_TRUE(QTest::qWaitFor([] { return Copies().size() == 1; }, 5000));
  const QString copy = form->Document().Recovery().CopyPath();
  EXPECT_EQ(QFileInfo(copy).path(), RecoveryFolder());
  EXPECT_EQ(ReadBytes(copy), RecoveryCopyText(Example, "all-kinds.net", NetFileText(QDate::currentDate())));
  EXPECT_EQ(FilesInFolder().size(), 2);  // the copy and the lock this program holds

  prompts.Files = {app.File("saved.net")};
  Run([&] { form->Files().SaveClick(); });
  EXPECT_TRUE(FilesInFolder().isEmpty());

  // An undo back to the saved state leaves nothing unsaved either.
  Run([&] { form->Elements().AddDotClick(); });
  ASSERT_TRUE(QTest::qWaitFor([] { return Copies().size() == 1; }, 5000));
  Run([&] { form->Files().UndoClick(); });
  EXPECT_TRUE(FilesInFolder().isEmpty());
}

TEST_F(Recovery, CopyOfAKilledProgramIsOfferedAndRestoredButNotWhileItRuns) {
  // What the other program will hold: the example with one Dot appended.
  LoadExample();
  Run([&] { form->Elements().AddDotClick(); });
  const QByteArray edited = NetFileText(QDate::currentDate());
  LoadExample();  // unedited again: this program keeps no copy
  prompts.Shown.clear();

  QProcess other;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_HOME", data.dir.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  other.setProcessEnvironment(environment);
  TempDir otherApp;
  other.start(QStringLiteral(CRASH_HELPER), {Example, otherApp.Path()});
  ASSERT_TRUE(other.waitForStarted());
  ASSERT_TRUE(QTest::qWaitFor([] { return Copies().size() == 1; }, 10000));

  Run([&] { form->Files().OfferRecoveryCopies(); });
  EXPECT_TRUE(prompts.Shown.isEmpty());  // held by a running program

  other.kill();  // SIGKILL: a crash
  ASSERT_TRUE(other.waitForFinished());
  const QString copy = RecoveryFolder() + "/" + Copies().first();
  const QString written = QFileInfo(copy).lastModified().toString("yyyy/M/d hh:mm");
  prompts.Answers = {Answer::Yes};
  Run([&] { form->Files().OfferRecoveryCopies(); });
  EXPECT_EQ(prompts.Shown,
            QStringList{"YesNo: The net " + Example + " was not saved when Plexor ended on " + written + ". Restore it?"});
  EXPECT_EQ(NetFileText(QDate::currentDate()), edited);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + Example + "*");  // unsaved, and marked so
  EXPECT_EQ(NetFileName, "all-kinds.net");
  EXPECT_TRUE(Edited);
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
  // The killed program's copy is gone; this program keeps its own of the restored net.
  EXPECT_EQ(Copies(), QStringList{QFileInfo(form->Document().Recovery().CopyPath()).fileName()});

  // Undo of a later step still leaves the restored net unsaved; a second start that
  // answers No deletes the copy.
  Run([&] { form->Elements().AddDotClick(); });
  Run([&] { form->Files().UndoClick(); });
  EXPECT_TRUE(Edited);
  form.reset();  // the program is gone; its copy stays
  form = CreatedForm(app.Path(), &prompts);
  prompts.Shown.clear();
  prompts.Answers = {Answer::No};
  Run([&] { form->Files().OfferRecoveryCopies(); });
  EXPECT_EQ(prompts.Shown.size(), 1);
  EXPECT_TRUE(FilesInFolder().isEmpty());
}

TEST_F(Recovery, ManyCopiesGiveOneQuestionAndOneThatCannotBeRestoredIsToldOnce) {
  // Three programs ended without saving; the newest copy holds no net that can be read.
  const QByteArray net = NetFileText(QDate::currentDate());
  const struct {
    const char* name;
    const char* origin;
    QByteArray text;
  } left[] = {{"1-1", "/nets/a.net", net}, {"2-2", "/nets/b.net", net}, {"3-3", "/nets/c.net", "[InData]\r\nIn2 = 5\r\n"}};
  QStringList ended;
  for (const auto& copy : left) {
    const QString path = RecoveryFolder() + "/" + copy.name + ".net";
    ASSERT_TRUE(WriteBytes(path, RecoveryCopyText(copy.origin, "x.net", copy.text)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QDateTime written = QDateTime::currentDateTime().addSecs(-600 + 60 * int(ended.size()));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    ended << written.toString("yyyy/M/d hh:mm");
  }

  prompts.Answers = {Answer::Cancel};
  Run([&] { form->Files().OfferRecoveryCopies(); });
  ASSERT_EQ(prompts.Shown.size(), 2) << prompts.Shown.join("\n").toStdString();
  const QString aside = RecoveryFolder() + "/set aside/3-3.net";
  EXPECT_TRUE(prompts.Shown[0].startsWith("Warning: The net /nets/c.net was not saved when Plexor ended on " + ended[2] +
                                          ", and its recovery copy cannot be restored:\n'' is not a valid integer value"))
      << prompts.Shown[0].toStdString();
  EXPECT_TRUE(prompts.Shown[0].endsWith("\nThe copy was moved to \"" + aside + "\"."));
  EXPECT_EQ(prompts.Shown[1], "YesNoCancel: The net /nets/b.net was not saved when Plexor ended on " + ended[1] +
                                  ". Restore it?\n\n1 older recovery copy waits as well. Yes restores this net and keeps "
                                  "the older copy for the next start; No discards all 2 copies; Cancel keeps them all.");
  EXPECT_EQ(Copies(), (QStringList{"1-1.net", "2-2.net"}));
  EXPECT_TRUE(QFileInfo::exists(aside));

  // The next start asks the same one question, and the copy set aside is not told again.
  prompts.Shown.clear();
  prompts.Answers = {Answer::No};
  Run([&] { form->Files().OfferRecoveryCopies(); });
  EXPECT_EQ(prompts.Shown.size(), 1);
  EXPECT_TRUE(FilesInFolder().isEmpty());
  EXPECT_FALSE(Edited);
}

}  // namespace
