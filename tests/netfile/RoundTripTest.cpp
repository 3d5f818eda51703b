#include <QDir>
#include <QFile>
#include <functional>

#include "NetFileFixture.h"
#include "drawing/Routing.h"
#include "fuzz/RoundTripCheck.h"
#include "model/ElementSave.h"
#include "model/FuncNames.h"
#include "model/LinkResolution.h"
#include "model/NetChecks.h"
#include "netfile/CheckedSave.h"
#include "netfile/NetWriter.h"
#include "netfile/NewNet.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace {

class RoundTripTest : public NetFileTest {
protected:
  static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }
  static void LoadFile(const QString& path, ScriptedPrompts& prompts) {
    const std::unique_ptr<QFile> file = OpenNetFile(path);
    LoadNet(*file, prompts);
  }
};

TEST_F(RoundTripTest, ExamplesLoadSaveAndLoadToTheSameBytesAndTables) {
  const QString folder = QStringLiteral(PLEXOR_SOURCE_DIR "/examples/");
  const QStringList names{"filter-chain.net", "feedback-loop.net", "all-kinds.net"};
  ASSERT_EQ(QDir(folder).entryList({"*.net"}, QDir::Files, QDir::Name).size(), names.size());
  TempDir temp;
  for (const QString& name : names) {
    SetUp();
    ScriptedPrompts prompts;
    LoadFile(folder + name, prompts);
    EXPECT_TRUE(prompts.Shown.isEmpty()) << name.toStdString();
    const QStringList tables = roundtrip::Snapshot(true);
    WriteNetFile(temp.File(name), QDate(2024, 3, 7));
    EXPECT_EQ(ReadAll(temp.File(name)), ReadAll(folder + name)) << name.toStdString();
    SetUp();
    LoadFile(temp.File(name), prompts);
    EXPECT_EQ(roundtrip::Snapshot(true), tables) << name.toStdString();
  }
}

QStringList FindingLines() {
  QStringList lines;
  for (const TFinding& finding : CheckNet(LargestCanvas)) lines << FindingLine(finding);
  return lines;
}

// A save reads its own text back first: a net that would reload otherwise is written only
// when the user says so, and the checks name the text at fault.
TEST_F(RoundTripTest, ASaveWritesOnlyANetThatReloadsAsItIs) {
  TempDir temp;
  const QString path = temp.File("net.net");
  const QDate date(2024, 3, 7);
  SetUpNewNet();
  ScriptedPrompts clean;
  EXPECT_EQ(SaveNetFile(path, date, clean), SaveOutcome::Saved);
  EXPECT_TRUE(clean.Shown.isEmpty()) << clean.Shown.join('\n').toStdString();
  struct Case {
    const char* what;
    std::function<void()> edit;
    QString difference;
    QString finding;
  } const cases[] = {
      {"a ZEP name holding \"-\", fed through a delay",
       [] {
         RenameZEP(1, "Lo-1");
         ZEPText[1].SourceB = "Lo-1";
         ZEPLink[1].BKind = KindZEP, ZEPLink[1].BDelay = 1, ZEPLink[1].BIndex = 1;
       },
       "it would not load: '1-1' is not a valid integer value in line 6",
       "error ZEP 1 Lo-1: input B source \"Lo-1\" would be saved as \"Lo-1-1\", which does not load"},
      {"an Input name ending with a blank", [] { RenameInput(1, "Input1 "); },
       "Input 1 \"Input1 \": name would reload as \"Input1\"",
       "error Input 1 Input1 : name ends with a blank: a save would not carry it back"},
      {"a ZEP name beginning with a tab", [] { RenameZEP(1, "\tNew"); },
       "ZEP 1 \"\\x09New\": name would reload as \"New\"",
       "error ZEP 1 \\x09New: name begins with the control character \\x09: a save would not carry it back"},
      {"a function name holding \",\"",
       [] {
         AddUserFuncName("f,g");
         ZEPText[1].FuncName = "f,g";
       },
       "ZEP 1 \"New\": function would reload as \"f\"",
       "error ZEP 1 New: function \"f,g\" holds \",\", which the file reads as a separator: a save would not carry "
       "it back"},
  };
  for (const Case& c : cases) {
    SetUp();
    SetUpNewNet();
    c.edit();
    const QByteArray old = ReadAll(path);
    ScriptedPrompts no;
    no.Answers = {Answer::No};
    EXPECT_EQ(SaveNetFile(path, date, no), SaveOutcome::NotSaved) << c.what;
    EXPECT_EQ(ReadAll(path), old) << c.what;
    ASSERT_EQ(no.Shown.size(), 1) << c.what;
    const QStringList question = no.Shown[0].split('\n');
    EXPECT_EQ(question.first(), "YesNo: The saved net would reload differently:") << c.what;
    EXPECT_TRUE(question.contains(c.difference)) << no.Shown[0].toStdString();
    EXPECT_EQ(question.last(), "Save anyway?") << c.what;
    EXPECT_TRUE(FindingLines().contains(c.finding)) << FindingLines().join('\n').toStdString();
    ScriptedPrompts yes;
    yes.Answers = {Answer::Yes};
    EXPECT_EQ(SaveNetFile(path, date, yes), SaveOutcome::SavedDespiteDifferences) << c.what;
    EXPECT_EQ(ReadAll(path), NetFileText(date)) << c.what;
  }
}

TEST_F(RoundTripTest, ExamplesShowWhatTheyAreMadeFor) {
  const QString folder = QStringLiteral(PLEXOR_SOURCE_DIR "/examples/");
  ScriptedPrompts prompts;

  LoadFile(folder + "filter-chain.net", prompts);
  EXPECT_EQ(ZEPCount, 3);
  for (int i = 2; i <= ZEPCount; ++i) EXPECT_EQ(ZEPLink[i].AIndex, i - 1) << "each stage feeds the next";

  SetUp();
  LoadFile(folder + "feedback-loop.net", prompts);
  EXPECT_EQ(ZEPLink[1].BKind, KindZEP);
  EXPECT_EQ(ZEPLink[1].BIndex, 2) << "fed from a later ZEP";
  EXPECT_EQ(ZEPLink[1].BDelay, 1);
  EXPECT_EQ(ZEPLink[2].AIndex, 1) << "which is fed back";

  SetUp();
  LoadFile(folder + "all-kinds.net", prompts);
  EXPECT_GT(LibFuncCount, 8);
  EXPECT_GT(UserFuncCount, 0);
  EXPECT_NE(NetFileType, 0);
  EXPECT_GT(ZEPCount * InputCount * OutputCount * CommentCount * DotCount * ConnCount, 0);
  bool library = false, user = false;
  for (int i = 1; i <= ZEPCount; ++i) {
    library |= ZEPLink[i].FuncCode >= 1 && ZEPLink[i].FuncCode <= 64;
    user |= ZEPLink[i].FuncCode > 100;
  }
  EXPECT_TRUE(library && user);
}

TEST_F(RoundTripTest, AFullLengthNameFeedsThroughADelayAfterSaveAndLoad) {
  ZEPCount = 2;
  ZEPText[1] = {"LowpassFilter12", "Non", "Non", "Non"};
  ZEPText[2] = {"Consumer", "Non", "LowpassFilter12", "LowpassFilt-x"};
  ZEPLink[2] = {0, KindZEP, 3, 1, KindZEP, 12, 1, 0};
  const QByteArray saved = NetFileText(QDate(2024, 3, 7));
  ASSERT_TRUE(saved.contains("Consumer = 0,0,0,Non,LowpassFilter12-3,LowpassFilt-x-12\r\n"));

  SetUp();
  ScriptedPrompts prompts;
  QByteArray text = saved;
  text.replace("LowpassFilt-x-12", "LowpassFilter12-7");
  Load(text, prompts);
  EXPECT_EQ(ZEPLink[2], (TZEPLink{0, KindZEP, 3, 1, KindZEP, 7, 1, 0}));
  EXPECT_EQ(ZEPText[2].SourceA, "LowpassFilter12");
  EXPECT_EQ(NetFileText(QDate(2024, 3, 7)), text);

  // A suffix that is no number stops the load, which leaves the tables as they were:
  // nothing is left to a later resolution of names typed since.
  text.replace("LowpassFilter12-7", "LowpassFilter12-q");
  const TNetTables before = NetTables;
  EXPECT_THROW(Load(text, prompts), EConvertError);
  EXPECT_TRUE(NetTables == before);
}

// The properties dialog stores an empty Input, Output or Comment text, and a ZEP name of
// blanks; each element comes back from the file, nameless.
TEST_F(RoundTripTest, ElementsWithoutANameComeBackFromTheirFile) {
  SetUpNewNet();
  RebuildRoutes();
  ZEPText[1].Name = "  ";
  InputName[2] = "";
  OutputName[1] = "";
  CommentCount = 1;
  CommentText[1] = "";
  CommentPos[1] = {3, 4};
  const QByteArray saved = NetFileText(QDate(2024, 3, 7));
  ASSERT_TRUE(saved.contains("\r\n = 0,11\r\n")) << saved.toStdString();

  SetUp();
  ScriptedPrompts prompts;
  Load(saved, prompts);
  EXPECT_EQ(Describe(), (QStringList{"T 0", "Z  8,8,3 Non|InPut1|Input2", "I Input1 0,5,4", "I  0,11,4", "O  12,8,0",
                                     "C  3,4", "K (5,5)(4,5)", "K (5,11)(4,11)", "K (11,8)(11,8)(12,8)"}));
}

// Every input the fuzzer found wanting is kept here and must now pass.
TEST_F(RoundTripTest, FuzzFindingsStayMended) {
  const QDir folder(QStringLiteral(PLEXOR_SOURCE_DIR "/tests/fuzz/regressions"));
  const QStringList files = folder.entryList(QDir::Files, QDir::Name);
  for (const QString& name : files) {
    if (name.endsWith(".md")) continue;
    EXPECT_EQ(roundtrip::CheckRoundTrip(ReadAll(folder.filePath(name))).toStdString(), "") << name.toStdString();
  }
}

}  // namespace
