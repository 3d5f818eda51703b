// The File menu's New, Load and Save as the user drives them: the save questions, the file
// dialogs, the caption, the network folder in Net.ini, and what a failure leaves behind.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "app/ElementCommands.h"
#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "document/NetDocument.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/Guard.h"
#include "netfile/NetWriter.h"
#include "platform/ProfileFile.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/ShownTitle.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

const QByteArray NewExampleBody =
    "[FileType]\r\nNetwork = 0\r\n[ZEPList]\r\n[ZEP]\r\nNew = 8,8,3,Non,InPut1,Input2\r\n[InData]\r\n"
    "Input1 = 0,5\r\nInput2 = 0,11\r\n[OutData]\r\nNew = 12,8\r\n[Label]\r\n[Dot]\r\n[Connection]\r\n"
    "New-A = (5,5)(4,5)\r\nNew-B = (5,11)(4,11)\r\nNew = (11,8)(11,8)(12,8)\r\n";

QByteArray Dated(const QByteArray& body) { return "$ Edited on " + NetFileDate(QDate::currentDate()) + "\r\n" + body; }

class FilesCommands : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(app.Path(), &prompts);
    prompts.Shown.clear();
  }

  void Run(void (TFileCommands::*handler)()) { Guard(form->Ask(), [&] { (form->Files().*handler)(); }); }

  QString NetsFolder() const { return data.dir.path() + "/nets"; }
  QString NetPath(const QString& name) const { return NetsFolder() + "/" + name; }

  TempDir app;
  TempDir data;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
};

TEST_F(FilesCommands, LoadReadsTheChosenFileAndFollowsItsFolder) {
  ASSERT_TRUE(WriteBytes(NetPath("net.net"), Dated(NewExampleBody)));
  const QByteArray iniBefore = ReadBytes(app.File("Net.ini"));
  NetworkDataPath = app.Path();
  Picked = true;
  prompts.Files = {NetPath("net.net")};
  Run(&TFileCommands::LoadBtnClick);

  EXPECT_EQ(prompts.Shown, QStringList{"Open: *.net|" + app.Path()});
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + NetPath("net.net"));
  EXPECT_EQ(NetFileName, "net.net");
  EXPECT_EQ(NetworkDataPath.Str(), NetsFolder());
  EXPECT_EQ(ProfileFile(app.File("Net.ini")).ReadString("Network", "NetworkDataPath", ""), NetsFolder());
  EXPECT_NE(ReadBytes(app.File("Net.ini")), iniBefore);
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_EQ(ZEPLink[1], (TZEPLink{0, KindInput, 0, 1, KindInput, 0, 2, 1}));
  EXPECT_EQ(ConnCount, 3);
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
  EXPECT_TRUE(Probe(form).DrawOnPaper()->isEnabled());
  EXPECT_FALSE(Edited);
  EXPECT_FALSE(Picked);

  // From the folder already remembered (here with its trailing separator) Net.ini stays.
  NetworkDataPath = NetsFolder() + "/";
  const QByteArray iniAfter = ReadBytes(app.File("Net.ini"));
  ASSERT_TRUE(WriteBytes(app.File("Net.ini"), iniAfter + "; untouched\r\n"));
  prompts.Files = {NetPath("net.net")};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(ReadBytes(app.File("Net.ini")), iniAfter + "; untouched\r\n");
  EXPECT_EQ(NetworkDataPath.Str(), NetsFolder() + "/");
}

TEST_F(FilesCommands, LoadAsksAboutAnEditedNetFirst) {
  ASSERT_TRUE(WriteBytes(NetPath("net.net"), Dated(NewExampleBody)));
  const QString question = "YesNoCancel: Do you save the current net first ?";
  NetworkDataPath = NetsFolder();
  NetFileName = "old.net";

  // Cancel: nothing else happens.
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  prompts.Answers = {Answer::Cancel};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(prompts.Shown, QStringList{question});
  EXPECT_TRUE(Edited);
  EXPECT_EQ(ZEPCount, 0);

  // No, then the open dialog cancelled: nothing changes.
  prompts.Shown.clear();
  prompts.Answers = {Answer::No};
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(prompts.Shown, (QStringList{question, "Open: *.net|" + NetsFolder()}));
  EXPECT_TRUE(Edited);
  EXPECT_EQ(ZEPCount, 0);

  // Yes, with the save dialog cancelled: the load is abandoned as Cancel would.
  prompts.Shown.clear();
  prompts.Answers = {Answer::Yes};
  prompts.Files = {std::nullopt, NetPath("net.net")};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(prompts.Shown, (QStringList{question, "Save: old.net|" + NetsFolder()}));
  EXPECT_TRUE(Edited);
  EXPECT_EQ(ZEPCount, 0);
}

TEST_F(FilesCommands, AFailedLoadKeepsTheNetItWouldReplaceWhole) {
  ASSERT_TRUE(WriteBytes(NetPath("net.net"), Dated(NewExampleBody)));
  NetworkDataPath = NetsFolder();
  prompts.Files = {NetPath("net.net")};
  Run(&TFileCommands::LoadClick);
  ASSERT_EQ(ZEPCount, 1);
  // Edited since, with elements current, and the links of an earlier net left in records
  // beyond the counts, which a partial load would bring back.
  InputPos[1].X = 3;
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  CurZEP = 1;
  CurInput = 2;
  ZEPText[2] = {"Stale", "Non", "Gone-3", "Non"};
  ZEPLink[2].AKind = KindZEP;
  const TNetTables before = NetTables;
  const QString title = form->windowTitle();
  const QByteArray ini = ReadBytes(app.File("Net.ini"));

  const struct {
    const char* name;
    QByteArray bytes;
    QString error;
  } failures[] = {
      {"missing.net", {}, "Error: Cannot open file \"" + NetPath("missing.net") + "\""},
      {"bad.net", "[InData]\r\nA = 1,2\r\nB = x,3\r\nC = 4,5\r\n",
       "Error: 'x' is not a valid integer value\nin line 3 of " + NetPath("bad.net")},
      {"delay.net", "[ZEP]\r\nA = 1,1,3,Non,Non,Non\r\nB = 1,1,3,Non,A-O,Non\r\n[InData]\r\n",
       "Error: 'O' is not a valid integer value\nin line 3 of " + NetPath("delay.net")},
      {"notes.txt", "These are no nets.\r\n$ nor is this\r\n",
       "Error: " + NetPath("notes.txt") + " holds no net"},
      {"../elsewhere/bad.net", "[Dot]\r\nA = 1,x\r\n",
       "Error: 'x' is not a valid integer value\nin line 2 of " + NetPath("../elsewhere/bad.net")},
  };
  for (const auto& failure : failures) {
    if (!failure.bytes.isEmpty()) {
      ASSERT_TRUE(WriteBytes(NetPath(failure.name), failure.bytes));
    }
    prompts.Shown.clear();
    prompts.Answers = {Answer::No};
    prompts.Files = {NetPath(failure.name)};
    Run(&TFileCommands::LoadClick);
    ASSERT_EQ(prompts.Shown.size(), 3) << failure.name;
    EXPECT_TRUE(prompts.Shown[2].startsWith(failure.error)) << prompts.Shown[2].toStdString();
    EXPECT_TRUE(NetTables == before) << failure.name;
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_EQ(NetworkDataPath.Str(), NetsFolder());
    EXPECT_EQ(ReadBytes(app.File("Net.ini")), ini) << failure.name;
    EXPECT_EQ(NetFileName, "net.net");
    EXPECT_TRUE(Edited);
    EXPECT_TRUE(Probe(form).Save()->isEnabled());
    EXPECT_EQ(CurZEP, 1);
    EXPECT_EQ(CurInput, 2);
  }

  // Saved now, the dialog proposes the net's own file, which still gets the whole net.
  prompts.Shown.clear();
  prompts.Files = {NetPath("net.net")};
  Run(&TFileCommands::SaveClick);
  EXPECT_EQ(prompts.Shown, QStringList{"Save: net.net|" + NetsFolder()});
  EXPECT_EQ(ReadBytes(NetPath("net.net")), Dated(QByteArray(NewExampleBody).replace("Input1 = 0,5", "Input1 = 3,5")));
}

TEST_F(FilesCommands, WithNoDataFolderTheDialogsStartInTheWorkingFolder) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(data.Path()));
  const QString working = QDir::currentPath();
  NetworkDataPath = "";
  NetFileName = "New.net";
  prompts.Files = {"audit.net"};
  Run(&TFileCommands::SaveClick);
  EXPECT_EQ(prompts.Shown, QStringList{"Save: New.net|" + working});
  EXPECT_TRUE(QFile::exists(working + "/audit.net"));
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + working + "/audit.net");

  prompts.Shown.clear();
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(prompts.Shown, QStringList{"Open: *.net|" + working});
  QDir::setCurrent(before);
}

TEST_F(FilesCommands, NewSetsUpTheStartingNetAndOffersToSaveItInTheProgramFolder) {
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  Scale = 4;
  CommentCount = 1;
  CommentText[1] = "kept";
  CommentPos[1] = {1, 2};
  prompts.Answers = {Answer::No};
  prompts.Files = {app.File("first.net")};
  Run(&TFileCommands::NewClick);

  EXPECT_EQ(prompts.Shown, (QStringList{"YesNoCancel: Do you save the current net first ?",
                                        "Save: New.net|" + app.Path()}));
  EXPECT_EQ(Scale, 1);
  EXPECT_EQ(NetworkDataPath.Str(), app.Path());
  EXPECT_EQ(ReadBytes(app.File("first.net")),
            Dated(QByteArray(NewExampleBody).replace("[Label]\r\n", "[Label]\r\nkept = 1,2\r\n")));
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + app.File("first.net"));
  EXPECT_EQ(NetFileName, "first.net");
  EXPECT_FALSE(Edited);
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
  EXPECT_TRUE(Probe(form).DrawOnPaper()->isEnabled());

  // With the save dialog cancelled the net stays, named "New".
  prompts.Shown.clear();
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::NewClick);
  EXPECT_EQ(prompts.Shown, QStringList{"Save: New.net|" + app.Path()});
  EXPECT_EQ(ShownTitle(*form), "Plexor -- New");

  // While the properties dialog is open New does nothing.
  prompts.Shown.clear();
  EditDialogOpen = true;
  ZEPCount = 0;
  Run(&TFileCommands::NewClick);
  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_EQ(ZEPCount, 0);
}

TEST_F(FilesCommands, AFailedSaveKeepsTheOldFileTheNamesAndTheEditedFlag) {
  const QString path = NetPath("kept.net");
  ASSERT_TRUE(WriteBytes(path, "old bytes\r\n"));
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::NewClick);
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  const QString title = form->windowTitle();

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &small);
  prompts.Shown.clear();
  prompts.Files = {path};
  Run(&TFileCommands::SaveClick);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  ASSERT_EQ(prompts.Shown.size(), 2);
  EXPECT_TRUE(prompts.Shown[1].startsWith("Error: Cannot write file \"" + path + "\"")) << prompts.Shown[1].toStdString();
  EXPECT_EQ(ReadBytes(path), "old bytes\r\n");
  EXPECT_EQ(QDir(NetsFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.net"});
  EXPECT_TRUE(Edited);
  EXPECT_EQ(form->windowTitle(), title);
  EXPECT_EQ(NetFileName, "New.net");

  // Once the disk takes it, the same save names the file; the network folder stays.
  prompts.Files = {path};
  Run(&TFileCommands::SaveBtnClick);
  EXPECT_EQ(ReadBytes(path), Dated(NewExampleBody));
  EXPECT_FALSE(Edited);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path);
  EXPECT_EQ(NetFileName, "kept.net");
  EXPECT_EQ(NetworkDataPath.Str(), app.Path());
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved

  // The question before a load: a save that fails ends the load, so nothing is lost.
  setrlimit(RLIMIT_FSIZE, &small);
  std::signal(SIGXFSZ, SIG_IGN);
  prompts.Shown.clear();
  prompts.Answers = {Answer::Yes};
  prompts.Files = {path, NetPath("other.net")};
  Run(&TFileCommands::LoadClick);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(prompts.Shown.size(), 3);
  EXPECT_TRUE(Edited);
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_EQ(prompts.Files.size(), 1u) << "the open dialog was not shown";
}

TEST_F(FilesCommands, PathsStayWholeInAnyScriptAndSaveProposesTheNetsOwnFile) {
  const QString folder = data.Path() + QStringLiteral("Проект");
  const QString path = folder + QStringLiteral("/сеть.net");
  ASSERT_TRUE(WriteBytes(path, Dated(NewExampleBody)));
  prompts.Files = {path};
  Run(&TFileCommands::LoadClick);
  const ProfileFile ini(app.File("Net.ini"));
  EXPECT_EQ(ini.ReadString("Network", "NetworkDataPath", ""), folder);
  EXPECT_EQ(ini.ReadString("Recent", "File1", ""), path);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path);

  prompts.Shown.clear();
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::SaveClick);
  EXPECT_EQ(prompts.Shown, QStringList{QStringLiteral("Save: сеть.net|") + folder});

  // A new net saved into another folder: its next save proposes that file, not the
  // program folder.
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::NewClick);
  ASSERT_TRUE(QDir().mkpath(NetsFolder()));
  prompts.Files = {NetPath("first.net")};
  Run(&TFileCommands::SaveClick);
  prompts.Shown.clear();
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::SaveClick);
  EXPECT_EQ(prompts.Shown, QStringList{"Save: first.net|" + NetsFolder()});
}

TEST_F(FilesCommands, LoadWarnsOnceAboutWhatDidNotFit) {
  QByteArray text = "[Dot]\r\n";
  for (int i = 0; i < 70; ++i) text += "* = 1,1\r\n";
  text += "[Label]\r\n";
  for (int i = 0; i < 40; ++i) text += "c = 1,1\r\n";
  ASSERT_TRUE(WriteBytes(NetPath("big.net"), text));
  NetworkDataPath = NetsFolder();
  prompts.Files = {NetPath("big.net")};
  Run(&TFileCommands::LoadClick);
  EXPECT_EQ(prompts.Shown, (QStringList{"Open: *.net|" + NetsFolder(),
                                        "Warning: Sorry! The file holds more than the system can keep.\n"
                                        "Only these were read:\n32 Comments\n64 Dots\n"
                                        "Saving this net drops the rest !"}));
  EXPECT_EQ(DotCount, 64);
  EXPECT_EQ(CommentCount, 32);
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
}

TEST_F(FilesCommands, SaveInPlaceWritesWhatSaveWritesWithoutTheDialog) {
  form->setEnabled(true);  // as after "Start": the window takes its keys
  const auto ctrlS = [&] { QTest::keyClick(Probe(form).ScrollBox(), Qt::Key_S, Qt::ControlModifier); };
  prompts.Files = {std::nullopt};
  Run(&TFileCommands::NewClick);

  // A new net has no file yet: Ctrl+S asks for one, as Save does. The name holds the
  // caption's own placeholder, which shows as it is.
  ASSERT_TRUE(QDir().mkpath(NetsFolder()));
  const QString path = NetPath("first[*].net");
  prompts.Shown.clear();
  prompts.Files = {path};
  ctrlS();
  EXPECT_EQ(prompts.Shown, QStringList{"Save: New.net|" + app.Path()});
  EXPECT_EQ(ReadBytes(path), Dated(NewExampleBody));
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path);

  // Edited, the net goes back to its file with no dialog, and the mark goes.
  Guard(form->Ask(), [&] { form->Elements().AddComClick(); });
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path + "*");
  prompts.Shown.clear();
  ctrlS();
  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_FALSE(Edited);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path);
  EXPECT_NE(ReadBytes(path), Dated(NewExampleBody));
  EXPECT_EQ(QDir(NetsFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"first[*].net"});
  EXPECT_EQ(form->Document().RecentNets().first(), path);

  // Save (F2) still asks, proposing that file, and writes the same bytes elsewhere.
  prompts.Files = {NetPath("other.net")};
  QTest::keyClick(Probe(form).ScrollBox(), Qt::Key_F2);
  EXPECT_EQ(prompts.Shown, QStringList{"Save: first[*].net|" + NetsFolder()});
  EXPECT_EQ(ReadBytes(NetPath("other.net")), ReadBytes(path));
}

}  // namespace
