// Nets opened without the Load dialog: named on the command line, dropped on the window,
// chosen under "Recent Nets"; and the list of recent nets kept in Net.ini.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "app/NetStart.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/ProfileFile.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/ShownTitle.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

const QByteArray SmallNet =
    "[FileType]\r\nNetwork = 0\r\n[ZEP]\r\nNew = 8,8,3,Non,InPut1,Input2\r\n[InData]\r\nInput1 = 0,5\r\n"
    "Input2 = 0,11\r\n[OutData]\r\nNew = 12,8\r\n";

class OpenFromOutside : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(app.Path(), &prompts);
    startUp = std::make_unique<TNetStartUp>(form.get());
    form->SetStartUp(startUp.get());
  }

  QString Net(const QString& name, const QByteArray& bytes = SmallNet) {
    EXPECT_TRUE(WriteBytes(data.File(name), bytes));
    return data.File(name);
  }

  QStringList RecentItems() {
    form->Files().RefreshRecentNets();
    QStringList items;
    for (QAction* item : Probe(form).RecentNets()->actions())
      items.append((item->isEnabled() ? "" : "(grey) ") + item->text());
    return items;
  }

  QString IniRecent(int place) const {
    return ProfileFile(app.File("Net.ini")).ReadString("Recent", QStringLiteral("File%1").arg(place), "-");
  }

  TempDir app;
  TempDir data;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  std::unique_ptr<TNetStartUp> startUp;
};

}  // namespace

TEST_F(OpenFromOutside, ANetNamedAtStartLoadsWhenStartIsPressed) {
  form->Files().OpenNetAtStart(Net("start.net"));
  form->show();
  EXPECT_EQ(ZEPCount, 0);  // the start-up screen comes first
  startUp->StartBtnClick();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + data.File("start.net"));
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_EQ(InputCount, 2);
  EXPECT_EQ(ZEPLink[1].OutIndex, 1);
  EXPECT_TRUE(Probe(form).Save()->isEnabled());
  EXPECT_TRUE(prompts.Shown.isEmpty()) << prompts.Shown.join('\n').toStdString();
  EXPECT_EQ(IniRecent(1), data.File("start.net"));

  // Restart does not load it again.
  ZEPCount = 0;
  form->ExitClick();
  startUp->StartBtnClick();
  EXPECT_EQ(ZEPCount, 0);
}

TEST_F(OpenFromOutside, ANetThatCannotBeLoadedGivesTheErrorAndTheProgramGoesOn) {
  form->Files().OpenNetAtStart(data.File("missing.net"));
  form->show();
  startUp->StartBtnClick();
  ASSERT_EQ(prompts.Shown.size(), 1);
  EXPECT_TRUE(prompts.Shown[0].startsWith("Error: Cannot open file \"" + data.File("missing.net") + "\""))
      << prompts.Shown[0].toStdString();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(ShownTitle(*form), "Plexor - no File is Loaded");
  EXPECT_EQ(IniRecent(1), "-");

  // The next Load asks its dialog again, where it would have before: the failed load left
  // the network folder as it was (none yet, at a first start).
  prompts.Files = {std::nullopt};
  form->Files().LoadClick();
  EXPECT_TRUE(NetworkDataPath.IsEmpty());
  EXPECT_EQ(prompts.Shown.last(), "Open: *.net|" + QDir::currentPath());

  // A FIFO named on the command line is refused at once, never waited on.
  const QString fifo = data.File("pipe.net");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  form->Files().OpenNetAtStart(fifo);
  form->Files().OpenNetNamedAtStart();
  EXPECT_EQ(prompts.Shown.last(), "Error: Cannot open file \"" + fifo + "\". It is not a regular file.");
  EXPECT_TRUE(form->isEnabled());
}

TEST_F(OpenFromOutside, RecentNetsKeepsTheLastEightNewestFirst) {
  EXPECT_FALSE(Probe(form).RecentNets()->isEnabled());
  EXPECT_EQ(Probe(form).RecentNets()->title(), "Recent Nets");
  QStringList paths;
  for (int i = 1; i <= 9; ++i) paths.append(Net(QStringLiteral("net%1.net").arg(i)));
  for (const QString& path : paths) form->Files().OpenNet(path);
  form->Files().OpenNet(paths[4]);  // loaded again: moves to the top, once
  prompts.Files = {data.File("saved.net")};
  form->Files().SaveClick();

  const QStringList expected = {data.File("saved.net"), paths[4], paths[8], paths[7],
                                paths[6],               paths[5], paths[3], paths[2]};
  for (int place = 1; place <= 8; ++place) EXPECT_EQ(IniRecent(place), expected.value(place - 1)) << place;
  EXPECT_EQ(IniRecent(9), "-");
  ASSERT_TRUE(QFile::remove(paths[7]));
  QStringList shown = expected;
  shown[3] = "(grey) " + shown[3];
  ASSERT_EQ(RecentItems(), shown);
  EXPECT_TRUE(Probe(form).RecentNets()->isEnabled());

  // Choosing an item loads it as Load does, the save question included.
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  prompts.Answers = {Answer::No};
  Probe(form).RecentNets()->actions()[2]->trigger();  // the list above is whole
  EXPECT_EQ(prompts.Shown.last(), "YesNoCancel: Do you save the current net first ?");
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + paths[8]);
  EXPECT_FALSE(Edited);
  EXPECT_EQ(IniRecent(1), paths[8]);
}

TEST_F(OpenFromOutside, AFileDroppedOnTheWindowLoadsAfterTheSaveQuestion) {
  const QString path = Net("dropped.net");
  form->show();
  startUp->StartBtnClick();
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  prompts.Answers = {Answer::Cancel, Answer::No};
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  for (int attempt = 0; attempt < 2; ++attempt) {
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
  }
  EXPECT_EQ(prompts.Shown.size(), 2);
  EXPECT_EQ(ShownTitle(*form), "Plexor -- " + path);
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_FALSE(Edited);
}
