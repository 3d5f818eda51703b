// The net as a document, without a window: the tests run under a QGuiApplication, where
// making any widget would abort.
#include <QDate>
#include <gtest/gtest.h>

#include "document/NetDocument.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"
#include "netfile/NetWriter.h"
#include "netfile/RecoveryCopy.h"
#include "platform/ProfileFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace {

const QByteArray SmallNet =
    "[ZEP]\r\nNew = 8,8,3,Non,InPut1,Input2\r\n[InData]\r\nInput1 = 0,5\r\nInput2 = 0,11\r\n"
    "[OutData]\r\nNew = 12,8\r\n";

class NetDocument : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    AppDir = app.Path();
    document = std::make_unique<TNetDocument>(&prompts);
  }

  // A move of Input 1 as the pointer makes it.
  static void MoveInput() {
    ++InputPos[1].X;
    NetChanged(NetChangeKind::Place, QStringLiteral("Move Input Input1"));
  }

  TempDir app;
  TempDir data;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetDocument> document;
};

}  // namespace

TEST_F(NetDocument, KeepsItsFileWholeAndIsEditedWhileItDiffersFromTheSavedState) {
  const QString folder = data.Path() + QStringLiteral("Проект");
  const QString path = folder + QStringLiteral("/сеть.net");
  ASSERT_TRUE(WriteBytes(path, SmallNet));
  EXPECT_EQ(document->Caption(), "Plexor - no File is Loaded");
  EXPECT_FALSE(document->HasNet());

  ASSERT_TRUE(document->Load(path));
  EXPECT_EQ(document->FilePath(), path);
  EXPECT_EQ(document->Caption(), "Plexor -- " + path);
  EXPECT_EQ(NetworkDataPath.Str(), folder);
  EXPECT_EQ(ProfileFile(app.File("Net.ini")).ReadString("Network", "NetworkDataPath", ""), folder);
  EXPECT_EQ(document->RecentNets(), QStringList{path});
  EXPECT_FALSE(Edited);

  // Edited follows the history: a change, its undo back to the saved state, its redo.
  MoveInput();
  EXPECT_TRUE(Edited);
  ASSERT_TRUE(document->Undo());
  EXPECT_FALSE(Edited);
  ASSERT_TRUE(document->Redo());
  EXPECT_TRUE(Edited);

  // Yes to the question before New, then the save dialog cancelled: New is abandoned.
  prompts.Answers = {Answer::Yes};
  prompts.Files = {std::nullopt};
  EXPECT_FALSE(document->New());
  EXPECT_EQ(prompts.Shown, (QStringList{"YesNoCancel: Do you save the current net first ?",
                                        QStringLiteral("Save: сеть.net|") + folder}));
  EXPECT_EQ(document->FilePath(), path);
  EXPECT_EQ(InputPos[1].X, 1);
  EXPECT_TRUE(Edited);

  // Saved, the state saved is the one Edited compares against.
  prompts.Files = {path};
  ASSERT_TRUE(document->Save());
  EXPECT_FALSE(Edited);
  ASSERT_TRUE(document->Undo());
  EXPECT_TRUE(Edited);
}

TEST_F(NetDocument, ARestoredCopyStaysEditedAndIsSavedUnderItsOrigin) {
  const QString origin = data.File("kept.net");
  const QString copyPath = data.File("copy.net");
  ASSERT_TRUE(WriteBytes(copyPath, SmallNet));
  TStaleCopy copy{copyPath, origin, QStringLiteral("kept.net"), {}, {}};

  document->Restore(copy);
  EXPECT_TRUE(document->HasNet());
  EXPECT_EQ(document->Caption(), "Plexor -- " + origin);
  EXPECT_EQ(document->Origin(), origin);
  EXPECT_EQ(ZEPCount, 1);
  EXPECT_TRUE(Edited);
  // Undone back to the restored state, the net still holds what no file has.
  MoveInput();
  ASSERT_TRUE(document->Undo());
  EXPECT_TRUE(Edited);

  prompts.Files = {std::nullopt};
  EXPECT_FALSE(document->Save());
  EXPECT_EQ(prompts.Shown, QStringList{"Save: kept.net|" + data.dir.path()});
  document->Recovery().Remove();
}
