#include <QFile>
#include <sys/stat.h>

#include "NetFileFixture.h"
#include "model/ZEPMove.h"
#include "model/LinkResolution.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace {

class NetReaderTest : public NetFileTest {
protected:
  // Reads `text` into the tables as the reader alone does, keeping what it read on an error.
  static void Read(QByteArray text) {
    QBuffer in(&text);
    in.open(QIODevice::ReadOnly);
    TCapacityCuts cuts;
    ReadNet(in, cuts);
  }
};

TEST_F(NetReaderTest, ReadsLinesBySectionRules) {
  struct Case {
    const char* what;
    QStringList lines;
    QStringList expected;
  };
  const Case cases[] = {
      {"blank, comment, header-less and unreadable lines are skipped; a nameless element is read",
       {"In = 1,2", "", "$ [InData]", "[InData]", "", "   ", "no equals", "= 3,4", "Key =", "$X = 5,6",
        " [OutData]", "A = 7,8", "[FileType]", "= 9", "[Connection]", " = (1,1)"},
       {"T 0", "I  3,4,4", "I A 7,8,4"}},
      {"hexadecimal and signs", {"[InData]", "H = $10, 0x1F,-3", "N = -5,+6"}, {"T 0", "I H 16,31,2", "I N -5,6,4"}},
      {"Input and Output lengths",
       {"[InData]", "A = 1,2", "B = 1,2,1", "C = 1,2,7", "[OutData]", "P = 3,4", "Q = 3,4,-5", "R = 3,4,6"},
       {"T 0", "I A 1,2,4", "I B 1,2,2", "I C 1,2,7", "O P 3,4,0", "O Q 3,4,0", "O R 3,4,6"}},
      {"ZEP lines with blanks after commas, extra pieces and few pieces",
       {"[ZEP]", "Z = 1, 2, 3, F, A-2, B", "Y = 4,5,6,G,A,X,Y,B", "  W   =   7, 8"},
       {"T 0", "Z Z 1,2,3 F|A|B", "Z Y 4,5,6 G|A|B", "Z W 7,0,0 ||8"}},
      {"function lists in pieces, blanks around commas, a comma after the last name",
       {"[ZEPList]", "Library = a , b ,c", "User = x,", "Other = q", "Library = ,", "Library = ,d,e", "User=y"},
       {"T 0", "L a", "L b", "L c", "L ,d,e", "U x", "U ", "U y"}},
      {"names are cut to 15 bytes and Comments to 127",
       {"[InData]", "ABCDEFGHIJKLMNOPQRST = 1,2", "ABCDEFGHIJKLMN PQ = 1,2", "[Label]",
        QString(130, 'c') + " = 1,2"},
       {"T 0", "I ABCDEFGHIJKLMNO 1,2,4", "I ABCDEFGHIJKLMN 1,2,4", "C " + QString(127, 'c') + " 1,2"}},
      {"a second header starts over at element 1 and overwrites",
       {"[InData]", "A = 1,1", "B = 2,2", "C = 3,3", "[InData]", "D = 4,4"},
       {"T 0", "I D 4,4,4", "I B 2,2,4", "I C 3,3,4"}},
      {"unknown headers and headers without ']' leave the section as it was",
       {"[Dot]", "* = 1,1", "[Dots]", "* = 2,2", "[zep]", "* = 3,3", "[Label", "* = 4,4"},
       {"T 0", "D 1,1", "D 2,2", "D 3,3", "D 4,4"}},
      {"a header name ends at the first ']'", {"[Dot]extra", "x = 1,2"}, {"T 0", "D 1,2"}},
      {"the file type, kept when the section is missing elsewhere",
       {"[FileType]", "Network = 7", "[Dot]", "* = 1,2"}, {"T 7", "D 1,2"}},
      {"another key in [FileType] ends the reading",
       {"[Dot]", "* = 1,2", "[FileType]", "Version = 2", "[Dot]", "* = 3,4"}, {"T 0", "D 1,2"}},
      {"connections: points, no points, and a header that clears them",
       {"[Connection]", "A = (1,2)(3,4)", "B = nothing", "C = ( 5,6)  (7,8)", "[Connection]", "X = (9,9)"},
       {"T 0", "K (9,9)", "K ", "K "}},
      {"Comments and terminals read at the last '='",
       {"[Label]", "a = b = 3,4", "[InData]", "x=y = 5,6", "[Dot]", "* = * = 7,8"},
       {"T 0", "I x=y 5,6,4", "C a = b 3,4", "D 7,8"}},
      {"a ZEP line keeps the '=' of its later items", {"[ZEP]", "Z = 1,2,3,F=G,A,B"}, {"T 0", "Z Z 1,2,3 F=G|A|B"}},
      {"a ZEP name holding '=' ends at the first '=' that a number follows",
       {"[ZEP]", "a=b = 1,2,3,F,A,B", "c = d = 4,5,6,F,A,B", "e=f=1 = 7,8,3,F=1,A,B"},
       {"T 0", "Z a=b 1,2,3 F|A|B", "Z c = d 4,5,6 F|A|B", "Z e=f=1 7,8,3 F=1|A|B"}},
  };
  for (const Case& c : cases) {
    SetUp();
    ScriptedPrompts prompts;
    EXPECT_NO_THROW(Load(Lines(c.lines), prompts)) << c.what;
    EXPECT_EQ(Describe(), c.expected) << c.what;
    EXPECT_TRUE(prompts.Shown.isEmpty()) << c.what;
  }
}

TEST_F(NetReaderTest, LineEndsAndLongLines) {
  ScriptedPrompts prompts;
  // LF alone, CR LF, no line end at the end of the file, and a line cut at 255 bytes: the
  // cut drops the Input's third number.
  const QByteArray longLine = "Long = 1,2" + QByteArray(245, ' ') + ",9";
  Load("[InData]\nA = 1,2\r\nB = 3,4,5\r\n" + longLine + "\r\nLast = 6,7", prompts);
  EXPECT_EQ(Describe(), (QStringList{"T 0", "I A 1,2,4", "I B 3,4,5", "I Long 1,2,4", "I Last 6,7,4"}));

  // A line of exactly 255 bytes before its CR LF is read whole.
  const QByteArray exact = "Edge = 1,2," + QByteArray(244 - 1, ' ') + "9";
  ASSERT_EQ(exact.size(), 255);
  Load("[InData]\r\n" + exact + "\r\n", prompts);
  EXPECT_EQ(Describe(), (QStringList{"T 0", "I Edge 1,2,9"}));

  // A line of many megabytes costs no more than its first 255 bytes.
  QByteArray huge = "[Dot]\n* = 3,4\n* = 5,6";
  huge += QByteArray(8 << 20, '9');
  huge += "\n* = 7,8\n";
  EXPECT_THROW(Read(huge), EConvertError) << "the cut leaves a number too large";
  EXPECT_EQ(DotCount, 2);
}

TEST_F(NetReaderTest, ALoneCROrLFEndsALineAsCRLFDoes) {
  QFile file(QStringLiteral(PLEXOR_SOURCE_DIR "/examples/all-kinds.net"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray crlf = file.readAll();
  ASSERT_TRUE(crlf.contains("\r\n"));
  ScriptedPrompts prompts;
  Load(crlf, prompts);
  const TNetTables twin = NetTables;
  ASSERT_GT(ZEPCount, 1);

  QByteArray mixed = crlf;
  for (qsizetype at = 0, n = 0; (at = mixed.indexOf("\r\n", at)) >= 0; ++n)
    mixed.remove(n % 2 ? at : at + 1, 1);  // every other line ends in CR, the rest in LF
  for (const QByteArray& text : {QByteArray(crlf).replace("\r\n", "\r"), QByteArray(crlf).replace("\r\n", "\n"), mixed}) {
    ResetNetDef();
    Load(text, prompts);
    EXPECT_TRUE(NetTables == twin) << text.left(80).toStdString();
  }
  EXPECT_TRUE(prompts.Shown.isEmpty());

  // A file with no section of a net is none; an empty file is an empty net.
  try {
    Load("\r\n$ only a comment\rnor a section\n", prompts);
    ADD_FAILURE() << "loaded";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "The file holds no net");
  }
  EXPECT_TRUE(NetTables == twin);
  Load("", prompts);
  EXPECT_EQ(ZEPCount, 0);
}

TEST_F(NetReaderTest, ANumberThatIsNoIntegerEndsTheLoadAtItsLine) {
  struct Case {
    QString line;
    QString message;
    QStringList read;
  };
  const Case cases[] = {
      {"Z = 1 ,2,3,F,A,B", "'1 ' is not a valid integer value", {"T 0", "Z Z 0,0,0 ||", "I In 0,0,4"}},
      {"Z = 1,2,x,F,A,B", "'x' is not a valid integer value", {"T 0", "Z Z 1,2,0 ||", "I In 0,0,4"}},
      {"[InData]|In2 = 5", "'' is not a valid integer value", {"T 0", "I In2 0,0,4"}},
      {"[OutData]|Out = 1,2 ,3", "'2 ' is not a valid integer value", {"T 0", "I In 0,0,4", "O Out 1,0,0"}},
      {"[Dot]|* = 1,", "'' is not a valid integer value", {"T 0", "I In 0,0,4", "D 1,0"}},
      {"[Connection]|K = (1,2)(3,4", "'' is not a valid integer value", {"T 0", "I In 0,0,4", "K "}},
      {"[FileType]|Network = zero", "'zero' is not a valid integer value", {"T 0", "I In 0,0,4"}},
  };
  for (const Case& c : cases) {
    SetUp();
    ScriptedPrompts prompts;
    QStringList lines{"[InData]", "In = 0,0", "[ZEP]"};
    lines += c.line.split('|');
    lines += {"[Dot]", "* = 9,9"};
    try {
      Read(Lines(lines));
      ADD_FAILURE() << "no error for " << c.line.toStdString();
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), c.message + "\nin line " + QString::number(lines.size() - 2)) << c.line.toStdString();
    }
    EXPECT_EQ(Describe(), c.read) << c.line.toStdString();
  }
}

TEST_F(NetReaderTest, AFileBeyondTheTablesIsReadUpToCapacityWithOneWarning) {
  QStringList lines{"[ZEPList]"};
  for (int i = 1; i <= 70; ++i) lines << QStringLiteral("Library = L%1").arg(i);
  lines << "[ZEP]";
  for (int i = 1; i <= 300; ++i) lines << QStringLiteral("Z%1 = %1,1,3,Non,Non,Non").arg(i);
  lines << "[InData]";
  for (int i = 1; i <= 600; ++i) lines << QStringLiteral("I%1 = 0,%1").arg(i);
  lines << "[Dot]";
  for (int i = 1; i <= 65; ++i) lines << QStringLiteral("* = %1,0").arg(i);
  lines << "[Connection]" << "K = (1,1)(2,2)(3,3)(4,4)(5,5)(6,6)(7,7)(8,8)(x,9)";
  ScriptedPrompts prompts;
  Load(Lines(lines), prompts);

  EXPECT_EQ(LibFuncCount, MaxLibFunc);
  EXPECT_EQ(ZEPCount, MaxZEP);
  EXPECT_EQ(ZEPText[MaxZEP].Name, "Z256");
  EXPECT_EQ(InputCount, MaxInput);
  EXPECT_EQ(InputName[MaxInput], "I512");
  EXPECT_EQ(DotCount, MaxDot);
  EXPECT_EQ(ConnPointCount[1], MaxConnPoint);
  EXPECT_EQ(ConnPoint[1][7], (TGridPoint{7, 7}));
  EXPECT_EQ(prompts.Shown, (QStringList{
                               "Warning: Sorry! The file holds more than the system can keep.\n"
                               "Only these were read:\n"
                               "64 library names\n256 ZEPs\n512 Inputs\n64 Dots\n7 points of a connection\n"
                               "Saving this net drops the rest !"}));
}

TEST_F(NetReaderTest, LoadingResolvesTheLinksAndKeepsTheConnectionKeys) {
  ScriptedPrompts prompts;
  Load(Lines({"$ Edited on 2024/3/7", "[FileType]", "Network = 0", "[ZEPList]", "[ZEP]",
              "New = 8,8,3,Non,InPut1,Input2", "[InData]", "Input1 = 0,5", "Input2 = 0,11", "[OutData]",
              "New = 12,8", "[Label]", "[Dot]", "[Connection]", "New-A = (5,5)(4,5)", "New-B = (5,11)(4,11)",
              "New = (11,8)(11,8)(12,8)"}),
       prompts);
  EXPECT_EQ(ZEPLink[1], (TZEPLink{0, KindInput, 0, 1, KindInput, 0, 2, 1}));
  EXPECT_TRUE(ConnKeysFromFile);
  EXPECT_EQ(ConnKeyRead[3], "New");
  EXPECT_EQ(ConnKeyRead[1], "New-A");
}

// A source longer than its field keeps its rest with the ZEP it belongs to, moved or not,
// until the links are resolved; a reset forgets it.
TEST_F(NetReaderTest, TheRestOfALongSourceMovesWithItsZEP) {
  const QByteArray text = "[ZEP]\r\nConsumer = 0,0,3,Non,LowpassFilter12-3,Non\r\nLowpassFilter12 = 5,5,3,Non,Non,Non\r\n";
  Read(text);
  ASSERT_EQ(SourceRest[1].A, "-3");
  MoveZEP(1, 2);
  EXPECT_EQ(ZEPText[2].Name, "Consumer");
  EXPECT_EQ(ZEPLink[2], (TZEPLink{0, KindZEP, 3, 1, KindNone, 0, 0, 0}));
  EXPECT_EQ(ZEPLink[1].AKind, KindNone);
  EXPECT_TRUE(SourceRest[2].A.IsEmpty());

  Read(text);
  ResetNetDef();
  EXPECT_TRUE(SourceRest[1].A.IsEmpty());
  EXPECT_FALSE(ConnKeysFromFile);
}

TEST_F(NetReaderTest, AFileThatCannotBeOpenedIsAnInputOutputError) {
  // A FIFO would block the open for ever and a device might never end: refused unopened.
  TempDir temp;
  const QString fifo = temp.File("pipe.net");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const QString link = temp.File("link.net");
  ASSERT_TRUE(QFile::link(fifo, link));
  const struct {
    QString path;
    QString reason;
  } cases[] = {{QStringLiteral("/no/such/folder/x.net"), QStringLiteral("No such file or directory")},
               {QStringLiteral("/dev/zero"), QStringLiteral("It is not a regular file.")},
               {temp.Path(), QStringLiteral("It is not a regular file.")},
               {fifo, QStringLiteral("It is not a regular file.")},
               {link, QStringLiteral("It is not a regular file.")}};
  for (const auto& c : cases) {
    try {
      OpenNetFile(c.path);
      ADD_FAILURE() << "opened " << c.path.toStdString();
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.Message(), "Cannot open file \"" + c.path + "\". " + c.reason);
    }
  }
}

}  // namespace
