// plexor-net diff as a user and as git run it: its lines, its JSON, its exit codes, and git
// set up as the user guide says.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

const QString ToolDir = QStringLiteral(PLEXOR_BINARY_DIR "/tools/plexor-net");
const QString Guide = QStringLiteral(PLEXOR_SOURCE_DIR "/docs/guide.md");

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray Older = ReadFile(QStringLiteral(PLEXOR_SOURCE_DIR "/examples/filter-chain.net"));

// The example with Smooth given another function and moved, Scale first in the scan order,
// and an Input added.
QByteArray Newer() {
  return QByteArray(Older)
      .replace("Smooth = 20,8,3,Avg,", "Smooth = 22,8,3,Mul,")
      .replace("Scale = 30,10,3,Mul,Smooth,Gain\r\n", "")
      .replace("[ZEP]\r\n", "[ZEP]\r\nScale = 30,10,3,Mul,Smooth,Gain\r\n")
      .replace("[OutData]", "Bias = 0,20\r\n[OutData]");
}

const QByteArray NewerLines =
    "changed ZEP Scale: scan position 3 -> 1\n"
    "changed ZEP Smooth: function Avg -> Mul; place (20,8) -> (22,8)\n"
    "added Input Bias\n";

struct ProcessRun {
  int Exit = -1;
  QByteArray Out;
  QByteArray Err;
};

class DiffCommand : public ::testing::Test {
protected:
  ProcessRun Start(const QString& program, const QStringList& args, const QString& folder = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // git as a fresh user has it: no settings beyond the repository's, the tool on the path.
    env.insert("PATH", ToolDir + ":" + env.value("PATH"));
    env.insert("HOME", home.Path());
    env.insert("GIT_CONFIG_NOSYSTEM", "1");
    for (const char* who : {"GIT_AUTHOR", "GIT_COMMITTER"}) {
      env.insert(QString(who) + "_NAME", "Tester");
      env.insert(QString(who) + "_EMAIL", "tester@example.org");
    }
    process.setProcessEnvironment(env);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << args.join(' ').toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
  }
  ProcessRun Diff(const QStringList& args) { return Start(ToolDir + "/plexor-net", QStringList{"diff"} + args); }

  QString Write(const QString& name, const QByteArray& bytes) {
    QFile f(temp.File(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return temp.File(name);
  }

  TempDir temp;
  TempDir home;
};

TEST_F(DiffCommand, PrintsLinesOrJsonAndExitsAsDiffDoes) {
  const QString older = Write("older.net", Older);
  const QString newer = Write("newer.net", Newer());
  const ProcessRun same = Diff({older, Write("copy.net", QByteArray(Older).replace("2024/3/7", "2025/1/1"))});
  EXPECT_EQ(same.Exit, 0);
  EXPECT_EQ(same.Out, "");

  const ProcessRun lines = Diff({older, newer});
  EXPECT_EQ(lines.Exit, 1);
  EXPECT_EQ(lines.Out, NewerLines);
  EXPECT_EQ(lines.Err, "");

  const ProcessRun json = Diff({older, newer, "--json"});
  EXPECT_EQ(json.Exit, 1);
  QJsonParseError error{};
  const QJsonArray array = QJsonDocument::fromJson(json.Out, &error).array();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.Out.toStdString();
  ASSERT_EQ(array.size(), 3);
  EXPECT_EQ(array[0].toObject(),
            (QJsonObject{{"change", "changed"}, {"kind", "ZEP"}, {"name", "Scale"}, {"old", 3}, {"new", 1},
                         {"properties", QJsonArray{QJsonObject{{"property", "scan position"}, {"from", "3"}, {"to", "1"}}}}}));
  EXPECT_EQ(array[2].toObject(), (QJsonObject{{"change", "added"}, {"kind", "Input"}, {"name", "Bias"}, {"new", 4}}));
  EXPECT_EQ(Diff({older, older, "--json"}).Out, "[]\n");

  const ProcessRun missing = Diff({older, temp.File("missing.net")});
  EXPECT_EQ(missing.Exit, 2);
  EXPECT_EQ(missing.Out, "");
  EXPECT_TRUE(missing.Err.startsWith("Cannot open file")) << missing.Err.toStdString();
}

// git names the path, then each side's file, hash and mode; a side that lacks the file is
// /dev/null. git stops at an external diff that exits with anything but 0.
TEST_F(DiffCommand, SevenArgumentsAreGitsExternalDiff) {
  const QString older = Write("older.net", Older);
  const QString newer = Write("newer.net", Newer());
  const ProcessRun changed = Diff({"nets/filter.net", older, "1111111", "100644", newer, "2222222", "100644"});
  EXPECT_EQ(changed.Exit, 0);
  EXPECT_EQ(changed.Out, "diff nets/filter.net\n" + NewerLines);

  const ProcessRun added = Diff({"nets/filter.net", "/dev/null", ".", ".", newer, "2222222", "100644"});
  EXPECT_EQ(added.Exit, 0);
  EXPECT_TRUE(added.Out.startsWith("diff nets/filter.net\nadded library name Avg\n")) << added.Out.toStdString();
  EXPECT_EQ(Diff({"x.net", older, ".", ".", temp.File("gone.net"), ".", "."}).Exit, 2);
}

// The lines of the guide's version-control block, run in a fresh repository, make git diff
// and git log show what plexor-net diff says.
TEST_F(DiffCommand, GitShowsTheNetsDifferenceSetUpAsTheGuideSays) {
  const QByteArray guide = ReadFile(Guide);
  const qsizetype section = guide.indexOf("## Nets under version control");
  ASSERT_GE(section, 0);
  const qsizetype start = guide.indexOf("```sh\n", section) + 6;
  const QByteArray setup = guide.mid(start, guide.indexOf("```", start) - start);
  ASSERT_TRUE(setup.contains("git config")) << setup.toStdString();

  const QString repo = temp.File("repo");
  ASSERT_TRUE(QDir().mkpath(repo + "/nets"));
  ASSERT_EQ(Start("git", {"init", "-q", "."}, repo).Exit, 0);
  const ProcessRun configured = Start("sh", {"-e", "-c", QString::fromUtf8(setup)}, repo);
  ASSERT_EQ(configured.Exit, 0) << configured.Err.toStdString();
  Write("repo/nets/filter.net", Older);
  ASSERT_EQ(Start("git", {"add", "-A"}, repo).Exit, 0);
  ASSERT_EQ(Start("git", {"commit", "-q", "-m", "First"}, repo).Exit, 0);
  Write("repo/nets/filter.net", Newer());

  const ProcessRun diff = Start("git", {"diff"}, repo);
  EXPECT_EQ(diff.Exit, 0) << diff.Err.toStdString();
  EXPECT_EQ(diff.Out, "diff nets/filter.net\n" + NewerLines);

  ASSERT_EQ(Start("git", {"commit", "-q", "-a", "-m", "Second"}, repo).Exit, 0);
  const ProcessRun log = Start("git", {"log", "-p", "--ext-diff", "-1", "--format=%s"}, repo);
  EXPECT_EQ(log.Exit, 0) << log.Err.toStdString();
  EXPECT_EQ(log.Out, "Second\n\ndiff nets/filter.net\n" + NewerLines);
}

// The picture of the changes: Keep stays black, Gone is drawn where it stood, in red, and
// New in green; the legend takes the top right corner.
TEST_F(DiffCommand, RenderAgainstDrawsTheAddedInGreenAndTheRemovedInRed) {
  const QByteArray head = "[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\nKeep = 10,10,3,Add,Non,Non\r\n";
  const QString older = Write("older.net", head + "Gone = 10,30,3,Add,Non,Non\r\n");
  const QString newer = Write("newer.net", head + "New = 40,30,3,Add,Non,Non\r\n");
  const QString png = temp.File("changes.png");
  const ProcessRun run = Start(ToolDir + "/plexor-net", {"render", newer, png, "--against", older});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QImage image(png);
  ASSERT_EQ(image.size(), QSize(1600, 1600));  // 100 units at 16 pixels
  // The pixels of one colour in the square of a ZEP's circle (radius 32 around its centre).
  const auto count = [&](int x, int y, QRgb color) {
    int found = 0;
    for (int py = 16 * y - 34; py <= 16 * y + 34; ++py)
      for (int px = 16 * x - 34; px <= 16 * x + 34; ++px) found += image.pixel(px, py) == color;
    return found;
  };
  const QRgb green = qRgb(0, 160, 0);
  const QRgb red = qRgb(255, 0, 0);
  const QRgb black = qRgb(0, 0, 0);
  EXPECT_GT(count(40, 30, green), 300);
  EXPECT_EQ(count(40, 30, red), 0);
  EXPECT_GT(count(10, 30, red), 150);
  EXPECT_EQ(count(10, 30, green), 0);
  EXPECT_GT(count(10, 10, black), 300);
  EXPECT_EQ(count(10, 10, green) + count(10, 10, red), 0);
  int legend = 0;
  for (int py = 0; py < 100; ++py)
    for (int px = 1450; px < 1600; ++px) legend += image.pixel(px, py) == green;
  EXPECT_GT(legend, 20);
}

}  // namespace
