#include <QDate>

#include "NetFileFixture.h"
#include "drawing/Routing.h"
#include "netfile/NetWriter.h"
#include "netfile/NewNet.h"
#include "support/TestNet.h"

namespace {

class NetWriterTest : public NetFileTest {
protected:
  static QByteArray Text() { return NetFileText(QDate(2024, 3, 7)); }

  // The lines between a section header and the next one.
  static QList<QByteArray> Section(const QByteArray& header) {
    const QList<QByteArray> lines = Text().split('\n');
    QList<QByteArray> section;
    bool inside = false;
    for (QByteArray line : lines) {
      if (line.isEmpty()) continue;  // after the last line end
      line.chop(1);                  // the CR
      if (line.startsWith('[')) {
        if (inside) break;
        inside = line == header;
        continue;
      }
      if (inside) section << line;
    }
    return section;
  }
};

TEST_F(NetWriterTest, NewNetComesOutAsTheFormatsExample) {
  SetUpNewNet();
  RebuildRoutes();
  EXPECT_EQ(Text(),
            "$ Edited on 2024/3/7\r\n"
            "[FileType]\r\n"
            "Network = 0\r\n"
            "[ZEPList]\r\n"
            "[ZEP]\r\n"
            "New = 8,8,3,Non,InPut1,Input2\r\n"
            "[InData]\r\n"
            "Input1 = 0,5\r\n"
            "Input2 = 0,11\r\n"
            "[OutData]\r\n"
            "New = 12,8\r\n"
            "[Label]\r\n"
            "[Dot]\r\n"
            "[Connection]\r\n"
            "New-A = (5,5)(4,5)\r\n"
            "New-B = (5,11)(4,11)\r\n"
            "New = (11,8)(11,8)(12,8)\r\n");
}

TEST_F(NetWriterTest, DatesHaveNoLeadingZeros) {
  EXPECT_EQ(NetFileDate(QDate(2024, 12, 31)), "2024/12/31");
  EXPECT_EQ(NetFileDate(QDate(2025, 1, 5)), "2025/1/5");
  EXPECT_EQ(NetFileDate(QDate(987, 10, 1)), "0987/10/1");
}

TEST_F(NetWriterTest, FunctionNamesGoInLinesOfEight) {
  struct Case {
    int library, user;
    QList<QByteArray> lines;
  };
  const Case cases[] = {
      {0, 0, {}},
      {3, 0, {"Library = L1,L2,L3"}},
      {8, 1, {"Library = L1,L2,L3,L4,L5,L6,L7,L8", "User = U1"}},
      {16, 0, {"Library = L1,L2,L3,L4,L5,L6,L7,L8", "Library = L9,L10,L11,L12,L13,L14,L15,L16"}},
      {17, 0, {"Library = L1,L2,L3,L4,L5,L6,L7,L8", "Library = L9,L10,L11,L12,L13,L14,L15,L16", "Library = L17"}},
  };
  for (const Case& c : cases) {
    for (int i = 1; i <= c.library; ++i) LibFuncName[i] = QStringLiteral("L%1").arg(i);
    for (int i = 1; i <= c.user; ++i) UserFuncName[i] = QStringLiteral("U%1").arg(i);
    LibFuncCount = c.library;
    UserFuncCount = c.user;
    EXPECT_EQ(Section("[ZEPList]"), c.lines) << c.library << " library names";
  }
}

TEST_F(NetWriterTest, ElementLinesLeaveOutUsualLengthsAndZeroDelays) {
  PutZEP({"Z1", "F", "In", "Z2"}, {-4, 5, 22}, {0, KindInput, 0, 1, KindZEP, 3, 2, 0});
  PutZEP({"Z2", "Non", "Z1", "Z1"}, {0, 0, 0}, {0, KindZEPNoDelay, 0, 1, KindZEP, -2, 1, 0});
  PutInput("In", {0, 5, 4});
  PutInput("Wide", {0, 7, 9});
  PutOutput("Z1", {40, 5, 0});
  PutOutput("Z2", {40, 9, 3});
  PutComment("a = b, c", {2, 30});
  PutDot({7, -1});
  EXPECT_EQ(Section("[ZEP]"), (QList<QByteArray>{"Z1 = -4,5,22,F,In,Z2-3", "Z2 = 0,0,0,Non,Z1,Z1--2"}));
  EXPECT_EQ(Section("[InData]"), (QList<QByteArray>{"In = 0,5", "Wide = 0,7,9"}));
  EXPECT_EQ(Section("[OutData]"), (QList<QByteArray>{"Z1 = 40,5", "Z2 = 40,9,3"}));
  EXPECT_EQ(Section("[Label]"), (QList<QByteArray>{"a = b, c = 2,30"}));
  EXPECT_EQ(Section("[Dot]"), (QList<QByteArray>{"* = 7,-1"}));
}

TEST_F(NetWriterTest, SourcesAreWrittenSoTheyReadBackToTheSameLink) {
  InputCount = 2;
  InputName[1] = "Fb";
  InputName[2] = "Q";
  ZEPCount = 3;
  ZEPText[1] = {"Fb", "Non", "Non", "Non"};
  ZEPText[2] = {"Use", "Non", "fb", "Fb"};  // the ZEP Fb without delay; the Input Fb
  ZEPLink[2] = {0, KindZEP, 0, 1, KindInput, 0, 1, 0};
  ZEPText[3] = {"Odd", "Non", "Q", "Non"};    // resolved to nothing, as "Q-3" once did
  ZEPLink[3] = {};
  EXPECT_EQ(Section("[ZEP]"), (QList<QByteArray>{"Fb = 0,0,0,Non,Non,Non", "Use = 0,0,0,Non,fb-0,Fb",
                                                 "Odd = 0,0,0,Non,Q-0,Non"}));
  const TZEPLink use = ZEPLink[2];
  ScriptedPrompts prompts;
  Load(Text(), prompts);
  EXPECT_EQ(ZEPLink[2], use);
  EXPECT_EQ(ZEPLink[3], TZEPLink{});
}

TEST_F(NetWriterTest, KeysThatWouldReadAsCommentOrHeaderAreWrittenAfterABlank) {
  InputCount = 1;
  InputName[1] = "$in";
  OutputCount = 1;
  OutputName[1] = "[Dot]";
  CommentCount = 1;
  CommentText[1] = "[draft]";
  EXPECT_EQ(Section("[InData]"), (QList<QByteArray>{" $in = 0,0,0"}));
  EXPECT_EQ(Section("[OutData]"), (QList<QByteArray>{" [Dot] = 0,0"}));
  EXPECT_EQ(Section("[Label]"), (QList<QByteArray>{" [draft] = 0,0"}));

  ScriptedPrompts prompts;
  Load(Text(), prompts);
  EXPECT_EQ(Describe(), (QStringList{"T 0", "I $in 0,0,2", "O [Dot] 0,0,0", "C [draft] 0,0"}));
}

TEST_F(NetWriterTest, ConnectionKeysNameTheRoutedDestinationOrWhatTheFileSaid) {
  ZEPCount = 1;
  ZEPText[1].Name = "Z";
  OutputCount = 1;
  OutputName[1] = "Out";
  ConnCount = 6;
  const TRouteRequest requests[] = {{1, 1, 1, 1}, {2, 1, 1, 2}, {0, 1, 1, 0}, {0, 1, 2, 0}, {1, 1, 0, 1}, {1, 1, 1, 7}};
  for (int k = 1; k <= ConnCount; ++k) {
    RouteRequest[k] = requests[k - 1];
    ConnPointCount[k] = 1;
    ConnPoint[k][1] = {k, -k};
  }
  ConnPointCount[6] = 0;
  EXPECT_EQ(Section("[Connection]"), (QList<QByteArray>{"Z-A = (1,-1)", "Z-B = (2,-2)", "Out = (3,-3)", "? = (4,-4)",
                                                         "? = (5,-5)", "? = ()"}));

  // A loaded net keeps its file's keys until its routes are rebuilt; a key too long for the
  // line is shortened.
  ConnKeysFromFile = true;
  ConnCount = 2;
  ConnKeyRead[1] = "$from file";
  ConnKeyRead[2] = QByteArray(200, 'k');
  ConnPointCount[2] = MaxConnPoint;
  for (int p = 1; p <= MaxConnPoint; ++p) ConnPoint[2][p] = {-2000000000, -2000000000};
  const QList<QByteArray> lines = Section("[Connection]");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], " $from file = (1,-1)");
  EXPECT_EQ(lines[1].size(), 255);
  EXPECT_TRUE(lines[1].startsWith(QByteArray(77, 'k') + " = (-2000000000,-2000000000)"));
}

}  // namespace
