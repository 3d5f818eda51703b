// plexor-net as a user runs it: its JSON, its files, its findings and its exit codes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "support/TempDir.h"

namespace {

const QString Tool = QStringLiteral(PLEXOR_BINARY_DIR "/tools/plexor-net/plexor-net");
const QString Examples = QStringLiteral(PLEXOR_SOURCE_DIR "/examples/");

const QByteArray NewExample =
    "$ Edited on 2024/3/7\r\n[FileType]\r\nNetwork = 0\r\n[ZEPList]\r\n[ZEP]\r\nNew = 8,8,3,Non,InPut1,Input2\r\n"
    "[InData]\r\nInput1 = 0,5\r\nInput2 = 0,11\r\n[OutData]\r\nNew = 12,8\r\n[Label]\r\n[Dot]\r\n[Connection]\r\n"
    "New-A = (5,5)(4,5)\r\nNew-B = (5,11)(4,11)\r\nNew = (11,8)(11,8)(12,8)\r\n";

struct ToolRun {
  int Exit = -1;
  QByteArray Out;
  QByteArray Err;
};

class PlexorNet : public ::testing::Test {
protected:
  // `setUp` may redirect the tool's output or limit it before it starts.
  ToolRun Start(const QStringList& args, const std::function<void(QProcess&)>& setUp = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.dir.path());
    return Start(args, env, setUp);
  }

  ToolRun Start(const QStringList& args, const QProcessEnvironment& env,
                const std::function<void(QProcess&)>& setUp = {}) {
    QProcess process;
    if (setUp) setUp(process);
    process.setProcessEnvironment(env);
    process.start(Tool, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << args.join(' ').toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    QFile f(temp.File(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return temp.File(name);
  }

  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  static QJsonObject Json(const ToolRun& run) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(run.Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    return doc.object();
  }

  TempDir temp;
  TempDir runtime;
};

TEST_F(PlexorNet, DumpPrintsTheLoadedTablesAsJson) {
  const ToolRun run = Start({"dump", Write("new.net", NewExample)});
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Err, "");
  const QJsonObject net = Json(run);
  EXPECT_EQ(net.keys(), (QStringList{"Comment", "Connection", "Dot", "Input", "LibFuncName", "NetFileType", "Output",
                                     "UserFuncName", "ZEP"}));
  EXPECT_EQ(net["NetFileType"].toInt(), 0);
  const QJsonObject zep = net["ZEP"].toArray()[0].toObject();
  EXPECT_EQ(zep, (QJsonObject{{"Name", "New"}, {"FuncName", "Non"}, {"SourceA", "InPut1"}, {"SourceB", "Input2"},
                              {"X", 8}, {"Y", 8}, {"OutLength", 3}, {"FuncCode", 0}, {"AKind", 1}, {"ADelay", 0},
                              {"AIndex", 1}, {"BKind", 1}, {"BDelay", 0}, {"BIndex", 2}, {"OutIndex", 1}}));
  EXPECT_EQ(net["Input"].toArray()[1].toObject(), (QJsonObject{{"Name", "Input2"}, {"X", 0}, {"Y", 11}, {"Length", 4}}));
  EXPECT_EQ(net["Output"].toArray()[0].toObject(), (QJsonObject{{"Name", "New"}, {"X", 12}, {"Y", 8}, {"Length", 0}}));
  const QJsonArray connections = net["Connection"].toArray();
  ASSERT_EQ(connections.size(), 3);
  EXPECT_EQ(connections[2].toObject(),
            (QJsonObject{{"Points", QJsonArray{QJsonArray{11, 8}, QJsonArray{11, 8}, QJsonArray{12, 8}}}}));

  const QJsonArray rebuilt = Json(Start({"dump", temp.File("new.net"), "--rebuild"}))["Connection"].toArray();
  ASSERT_EQ(rebuilt.size(), 3);
  EXPECT_EQ(rebuilt[0].toObject()["Request"].toArray(), (QJsonArray{1, 1, 1, 1}));
  EXPECT_EQ(rebuilt[2].toObject()["Request"].toArray(), (QJsonArray{0, 1, 1, 0}));
}

TEST_F(PlexorNet, DumpDecodesLatinOneAndShowsEveryKind) {
  const QString path = Write("kinds.net", "[ZEPList]\r\nLibrary = Add\r\nUser = Mine\r\n[Label]\r\nCaf\xe9 = 1,2\r\n"
                                          "[Dot]\r\n* = 3,4\r\n");
  const QJsonObject net = Json(Start({"dump", path}));
  EXPECT_EQ(net["LibFuncName"].toArray(), QJsonArray{"Add"});
  EXPECT_EQ(net["UserFuncName"].toArray(), QJsonArray{"Mine"});
  EXPECT_EQ(net["Comment"].toArray(), (QJsonArray{QJsonObject{{"Text", QString::fromLatin1("Caf\xe9")}, {"X", 1}, {"Y", 2}}}));
  EXPECT_EQ(net["Dot"].toArray(), (QJsonArray{QJsonObject{{"X", 3}, {"Y", 4}}}));
}

TEST_F(PlexorNet, LoadErrorsAndCapacityCuts) {
  const ToolRun missing = Start({"dump", temp.File("missing.net")});
  EXPECT_EQ(missing.Exit, 1);
  EXPECT_EQ(missing.Out, "");
  EXPECT_TRUE(missing.Err.startsWith("Cannot open file \"" + temp.File("missing.net").toLatin1() + "\"")) << missing.Err.toStdString();

  const ToolRun bad = Start({"dump", Write("bad.net", "[Dot]\r\n* = 1,x\r\n")});
  EXPECT_EQ(bad.Exit, 1);
  EXPECT_EQ(bad.Out, "");
  EXPECT_EQ(bad.Err, "'x' is not a valid integer value\nin line 2 of " + temp.File("bad.net").toLatin1() + "\n");

  // Text whose lines end in a lone CR reads as its CR LF twin; text of no net is refused.
  const ToolRun cr = Start({"dump", Write("cr.net", QByteArray(NewExample).replace("\r\n", "\r"))});
  EXPECT_EQ(cr.Out, Start({"dump", Write("new.net", NewExample)}).Out);
  const QString notes = Write("notes.net", "Meeting notes, no net.\r\n");
  for (const QStringList& args : {QStringList{"dump", notes}, {"check", notes}, {"save", notes, notes}}) {
    const ToolRun none = Start(args);
    EXPECT_EQ(none.Exit, 1) << args.join(' ').toStdString();
    EXPECT_EQ(none.Err, notes.toLatin1() + " holds no net\n");
  }
  EXPECT_EQ(Read(notes), "Meeting notes, no net.\r\n");

  QByteArray many = "[Dot]\r\n";
  for (int i = 1; i <= 65; ++i) many += "* = " + QByteArray::number(i) + ",1\r\n";
  const ToolRun cut = Start({"dump", Write("many.net", many)});
  EXPECT_EQ(cut.Exit, 0);
  EXPECT_EQ(cut.Err, "Sorry! The file holds more than the system can keep.\nOnly these were read:\n64 Dots\n"
                     "Saving this net drops the rest !\n");
  EXPECT_EQ(Json(cut)["Dot"].toArray().size(), 64);
  // Clean but overfilled: not clean to a script, as a save would drop a Dot.
  const ToolRun checked = Start({"check", temp.File("many.net")});
  EXPECT_EQ(checked.Exit, 2);
  EXPECT_EQ(checked.Out, "");
  EXPECT_EQ(checked.Err, "the file holds more than 64 Dots; the rest was not read\n");
}

TEST_F(PlexorNet, SaveWritesWithTheEditorsWriter) {
  for (const QString name : {"filter-chain.net", "feedback-loop.net", "all-kinds.net"}) {
    const ToolRun run = Start({"save", Examples + name, temp.File(name), "--date", "2024/3/7"});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(Read(temp.File(name)), Read(Examples + name)) << name.toStdString();
  }
  // Connections laid afresh are named after their destinations.
  const QString in = Write("in.net", QByteArray(NewExample).replace("New-A = ", "whatever = "));
  EXPECT_EQ(Start({"save", in, temp.File("keys.net"), "--date", "2024/3/7"}).Exit, 0);
  EXPECT_TRUE(Read(temp.File("keys.net")).contains("\r\nwhatever = (5,5)(4,5)\r\n"));
  EXPECT_EQ(Start({"save", in, temp.File("rebuilt.net"), "--rebuild", "--date", "2024/3/7"}).Exit, 0);
  EXPECT_EQ(Read(temp.File("rebuilt.net")), NewExample);

  const ToolRun unwritable = Start({"save", in, temp.File("no/such/folder.net")});
  EXPECT_EQ(unwritable.Exit, 1);
  EXPECT_TRUE(unwritable.Err.startsWith("Cannot write file")) << unwritable.Err.toStdString();
  EXPECT_EQ(Start({"save", temp.File("missing.net"), temp.File("out.net")}).Exit, 1);
  EXPECT_FALSE(QFile::exists(temp.File("out.net")));

  // A file may hold a name that a save cannot write back: check names it, save refuses.
  const QString odd = Write("odd.net", "[ZEPList]\r\nLibrary = ,b\r\nLibrary = y\r\n");
  const ToolRun checked = Start({"check", odd});
  EXPECT_EQ(checked.Exit, 2);
  EXPECT_EQ(checked.Out, "error Function 1 ,b: library name holds \",\", which the file reads as a separator: a save "
                         "would not carry it back\n");
  const ToolRun refused = Start({"save", odd, temp.File("out.net")});
  EXPECT_EQ(refused.Exit, 1);
  EXPECT_EQ(refused.Err, "The saved net would reload differently:\n2 library names would reload as 1\n"
                         "library name 1 \",b\" would reload as \",b,y\"\nSave anyway? No\n"
                         "plexor-net save: \"" + temp.File("out.net").toLatin1() + "\" was not written\n");
  EXPECT_FALSE(QFile::exists(temp.File("out.net")));
}

TEST_F(PlexorNet, CheckPrintsTheNetChecksAsLinesOrJson) {
  const ToolRun clean = Start({"check", Examples + "filter-chain.net"});
  EXPECT_EQ(clean.Exit, 0);
  EXPECT_EQ(clean.Out, "");
  EXPECT_EQ(Start({"check", Examples + "filter-chain.net", "--json"}).Out, "[]\n");

  QByteArray text = "[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\n"
                    "Mix = 10,10,3,Add,Ghost,Late-2\r\n"
                    "Late = 20,10,3,Sub,In,Mix\r\n"
                    "mix = 30,10,3,Non,Non,Late\r\n"
                    "[InData]\r\nIn = 0,0\r\nIN = 0,5\r\n"
                    "[OutData]\r\nMix = 40,10\r\nNobody = 40,20\r\n[Dot]\r\n";
  for (int i = 1; i <= 65; ++i) text += "* = " + QByteArray::number(i) + ",1\r\n";
  const QString path = Write("doubtful.net", text);
  const ToolRun run = Start({"check", path});
  EXPECT_EQ(run.Exit, 2);
  EXPECT_EQ(run.Out,
            "error ZEP 1 Mix: input A source \"Ghost\" resolves to nothing\n"
            "error ZEP 2 Late: function \"Sub\" is in neither list\n"
            "error ZEP 3 mix: has no function\n"
            "error Output 2 Nobody: names no ZEP\n");
  EXPECT_EQ(run.Err, "the file holds more than 64 Dots; the rest was not read\n");

  const ToolRun json = Start({"check", path, "--json"});
  EXPECT_EQ(json.Exit, 2);
  const QJsonArray findings = QJsonDocument::fromJson(json.Out).array();
  ASSERT_EQ(findings.size(), 4);
  EXPECT_EQ(findings[3].toObject(), (QJsonObject{{"severity", "error"}, {"kind", "Output"}, {"number", 2},
                                                 {"name", "Nobody"}, {"message", "names no ZEP"}}));
  EXPECT_EQ(Start({"check", temp.File("missing.net")}).Exit, 1);

  // A name's control characters reach the terminal escaped, in the findings and in errors.
  const ToolRun escaped = Start({"check", Write("esc.net", "[OutData]\r\nRed\x1b[31m = 1,1\r\n")});
  EXPECT_EQ(escaped.Out, "error Output 1 Red\\x1B[31m: names no ZEP\n");
  const ToolRun badItem = Start({"check", Write("escx.net", "[Dot]\r\n* = 1,2\x1b[2J\r\n")});
  EXPECT_EQ(badItem.Err, "'2\\x1B[2J' is not a valid integer value\nin line 2 of " + temp.File("escx.net").toLatin1() + "\n");
}

// A file size limit fails every write of the tool's output, whoever runs it.
void LimitFileSize() {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit small{};
  getrlimit(RLIMIT_FSIZE, &small);
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
}

TEST_F(PlexorNet, OutputThatCannotBeWrittenFailsAndLeavesTheOldOutput) {
  const struct {
    const char* name;
    const char* magic;
  } outputs[] = {{"out.png", "\x89PNG"}, {"out.svg", "<?xml"}, {"out.pdf", "%PDF"}};
  for (const auto& output : outputs) {
    const QString out = Write(output.name, "old output");
    const ToolRun failed = Start({"render", Examples + "all-kinds.net", out},
                                 [](QProcess& p) { p.setChildProcessModifier(LimitFileSize); });
    EXPECT_EQ(failed.Exit, 1) << output.name;
    EXPECT_TRUE(failed.Err.startsWith("Cannot write file \"" + out.toLatin1() + "\"")) << failed.Err.toStdString();
    EXPECT_EQ(Read(out), "old output");
    const ToolRun done = Start({"render", Examples + "all-kinds.net", out});
    EXPECT_EQ(done.Exit, 0) << done.Err.toStdString();
    EXPECT_TRUE(Read(out).startsWith(output.magic)) << output.name;
  }
  EXPECT_EQ(QDir(temp.Path()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "no temporary file is left";

  // A FIFO or a folder is no file to save or render onto; the FIFO stays one.
  const QString fifo = temp.File("pipe.net");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  for (const QStringList& args : {QStringList{"save", Examples + "all-kinds.net", fifo},
                                  {"render", Examples + "all-kinds.net", fifo + ".svg"},
                                  {"save", Examples + "all-kinds.net", temp.Path()}}) {
    if (args[0] == "render") {
      ASSERT_EQ(mkfifo(QFile::encodeName(args[2]).constData(), 0644), 0);
    }
    const ToolRun refused = Start(args);
    EXPECT_EQ(refused.Exit, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(refused.Err.contains("It is not a regular file.")) << refused.Err.toStdString();
  }
  EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
  // The refusal names the file as the user typed it, also when a link leads to the folder.
  ASSERT_TRUE(QDir(temp.Path()).mkdir("adir"));
  ASSERT_TRUE(QFile::link(temp.File("adir"), temp.File("alink")));
  for (const QByteArray typed : {"adir", "alink"}) {
    const ToolRun run = Start({"save", Examples + "all-kinds.net", typed},
                              [&](QProcess& p) { p.setWorkingDirectory(temp.Path()); });
    EXPECT_EQ(run.Exit, 1) << typed.toStdString();
    EXPECT_EQ(run.Err, "Cannot write file \"" + typed + "\". It is not a regular file.\n");
  }
  // Nor is a FIFO a net to check: refused at once, never waited on.
  const ToolRun piped = Start({"check", fifo});
  EXPECT_EQ(piped.Exit, 1);
  EXPECT_EQ(piped.Err, "Cannot open file \"" + fifo.toLatin1() + "\". It is not a regular file.\n");

  // Standard output that cannot take the dump or the findings.
  const auto full = [](QProcess& p) { p.setStandardOutputFile("/dev/full"); };
  for (const QStringList& args : {QStringList{"dump", Examples + "all-kinds.net"},
                                  {"check", Write("doubtful.net", "[OutData]\r\nNobody = 1,1\r\n")}}) {
    const ToolRun run = Start(args, full);
    EXPECT_EQ(run.Exit, 1) << args.join(' ').toStdString();
    EXPECT_EQ(run.Err, "plexor-net: cannot write the standard output: No space left on device\n");
  }
}

TEST_F(PlexorNet, RenderPrintsNothingButItsOwnWithOrWithoutADisplay) {
  // As a user's shell starts it: no runtime folder, no platform chosen, a display or none.
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(name);
  QProcessEnvironment withDisplay = bare;
  withDisplay.insert("DISPLAY", ":97");  // whether or not a server answers there
  withDisplay.insert("QT_QPA_PLATFORM", "xcb");
  const QString in = Write("new.net", NewExample);
  for (const QProcessEnvironment& env : {bare, withDisplay}) {
    for (const QString out : {"net.png", "net.svg", "net.pdf"}) {
      const ToolRun run = Start({"render", in, temp.File(out), "--rebuild"}, env);
      EXPECT_EQ(run.Exit, 0) << out.toStdString();
      EXPECT_EQ(run.Out, "") << out.toStdString();
      EXPECT_EQ(run.Err, "") << out.toStdString();
    }
    EXPECT_EQ(Start({"dump", in}, env).Err, "");
  }
  // The SVG states the PNG's pixel size exactly.
  const QImage png(temp.File("net.png"));
  ASSERT_FALSE(png.isNull());
  const QString svgSize = QStringLiteral("<svg width=\"%1\" height=\"%2\"\n").arg(png.width()).arg(png.height());
  EXPECT_TRUE(Read(temp.File("net.svg")).contains(svgSize.toLatin1())) << Read(temp.File("net.svg")).left(200).toStdString();

  // A canvas of another width than height, at the smallest scale (5 pixels a unit): 1500 by
  // 500 pixels, in each kind of output (a PDF page at 96 pixels an inch in points).
  for (const QString out : {"wide.png", "wide.svg", "wide.pdf"})
    ASSERT_EQ(Start({"render", in, temp.File(out), "--scale", "6", "--size", "300,100"}).Exit, 0) << out.toStdString();
  EXPECT_EQ(QImage(temp.File("wide.png")).size(), QSize(1500, 500));
  EXPECT_TRUE(Read(temp.File("wide.svg")).contains("<svg width=\"1500\" height=\"500\"\n"));
  EXPECT_TRUE(Read(temp.File("wide.pdf")).contains("/MediaBox [0 0 1125.000000 375.000000]"));

  // A page beyond 200 inches is drawn smaller to fit, with a notice: 20000 pixels at 96 per inch.
  const ToolRun big = Start({"render", in, temp.File("big.pdf"), "--scale", "1", "--size", "1000,1000"});
  EXPECT_EQ(big.Exit, 0);
  EXPECT_EQ(big.Err, "plexor-net render: the page would exceed 200 inches; drawn at 96.0 %\n");
  EXPECT_TRUE(Read(temp.File("big.pdf")).contains("/MediaBox [0 0 14400.000000 14400.000000]"));
}

// --fit cuts the picture to the net with 2 units around it: at 16 pixels a unit the Inputs'
// texts start 3 pixels right of the canvas's left edge, the ZEP's name 5 units down, and
// Input2's number ends 12 units down; the Output's line reaches 16 units right.
TEST_F(PlexorNet, RenderFitDrawsOnlyTheNetWithTwoUnitsAround) {
  const QString in = Write("new.net", NewExample);
  const ToolRun run = Start({"render", in, temp.File("fit.png"), "--fit"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QImage fit(temp.File("fit.png"));
  EXPECT_EQ(fit.size(), QSize(21 * 16, 12 * 16));
  ASSERT_EQ(Start({"render", in, temp.File("whole.png"), "--size", "30,20"}).Exit, 0);
  const QImage whole(temp.File("whole.png"));
  // The same drawing, moved: canvas pixel (x, y) is fit pixel (x + 32, y - 32).
  EXPECT_EQ(fit.copy(32, 0, 19 * 16, 12 * 16), whole.copy(0, 32, 19 * 16, 12 * 16));
  for (int y = 0; y < fit.height(); ++y) ASSERT_EQ(fit.pixel(5, y), qRgb(255, 255, 255)) << y;

  EXPECT_EQ(Start({"render", in, temp.File("fit.svg"), "--fit", "--size", "30,20"}).Exit, 64);
}

TEST_F(PlexorNet, UsageAndHelp) {
  struct Case {
    QStringList args;
    int exit;
    const char* stdoutStart;
    const char* stderrStart;
  };
  const Case cases[] = {
      {{}, 64, "", "usage: plexor-net COMMAND"},
      {{"explode"}, 64, "", "plexor-net: unknown command 'explode'"},
      {{"dump"}, 64, "", "plexor-net: expected 1 file argument(s), got 0"},
      {{"dump", "a.net", "--fast"}, 64, "", "plexor-net: unknown option '--fast'"},
      {{"save", "a.net"}, 64, "", "plexor-net: expected 2 file argument(s), got 1"},
      {{"save", "a.net", "b.net", "--date"}, 64, "", "plexor-net: --date needs a value"},
      {{"save", Examples + "all-kinds.net", "b.net", "--date", "2024/13/1"}, 64, "",
       "plexor-net: '2024/13/1' is no date of the form yyyy/m/d"},
      {{"check", "a.net", "b.net"}, 64, "", "plexor-net: expected 1 file argument(s), got 2"},
      {{"--help"}, 0, "usage: plexor-net COMMAND", ""},
      {{"dump", "--help"}, 0, "usage: plexor-net dump FILE.net [--rebuild]", ""},
      {{"save", "--help"}, 0, "usage: plexor-net save IN.net OUT.net", ""},
      {{"check", "--help"}, 0, "usage: plexor-net check FILE.net [--json]", ""},
      {{"render", "a.net", "b.gif"}, 64, "", "plexor-net render: the output must end in .png, .svg or .pdf"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Start(c.args);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(run.Exit, c.exit) << what;
    EXPECT_TRUE(run.Out.startsWith(c.stdoutStart)) << what << ": " << run.Out.toStdString();
    EXPECT_TRUE(run.Err.startsWith(c.stderrStart)) << what << ": " << run.Err.toStdString();
    if (QByteArray(c.stdoutStart).isEmpty()) {
      EXPECT_EQ(run.Out, "") << what;
    }
  }
}

}  // namespace
