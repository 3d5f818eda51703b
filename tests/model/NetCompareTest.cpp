// The differences between two nets: one small pair per kind of difference, each read from
// its file text as a load reads it and giving exactly its lines.
#include <QBuffer>
#include <gtest/gtest.h>

#include "model/NetCompare.h"
#include "netfile/NetReader.h"

void PrintTo(const QString& text, std::ostream* out);

namespace {

// Sum feeds Mix, Mix feeds Tail, Tail shows on an Output.
const QByteArray Base =
    "[FileType]\r\nNetwork = 0\r\n[ZEPList]\r\nLibrary = Add,Avg\r\n"
    "[ZEP]\r\nSum = 10,10,3,Add,In,Gain\r\nMix = 20,10,3,Avg,Sum,In\r\nTail = 30,10,3,Add,Mix-1,Mix\r\n"
    "[InData]\r\nIn = 0,10\r\nGain = 0,14\r\n[OutData]\r\nTail = 40,10\r\n"
    "[Label]\r\nFilter = 5,30\r\n[Dot]\r\n* = 15,12\r\n[Connection]\r\nTail = (33,10)(40,10)\r\n";

std::unique_ptr<TNetTables> Read(QByteArray text) {
  QBuffer in(&text);
  in.open(QIODevice::ReadOnly);
  return ReadNetAside(in).Tables;
}

QStringList Lines(const QByteArray& older, const QByteArray& newer) {
  QStringList lines;
  for (const TNetDifference& d : CompareNets(*Read(older), *Read(newer))) lines << DifferenceLine(d);
  return lines;
}

QByteArray Edited(QByteArray text, const char* from, const char* to) {
  const qsizetype at = text.indexOf(from);
  EXPECT_GE(at, 0) << from;
  return text.replace(at, qsizetype(strlen(from)), to);
}

TEST(NetCompare, EachPairGivesExactlyItsLines) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> edits;  // Base into the newer net
    QStringList lines;
  };
  const Case cases[] = {
      {"equal", {}, {}},
      {"added ZEP", {{"[InData]", "Aux = 50,50,3,Add,In,In\r\n[InData]"}}, {"added ZEP Aux"}},
      {"removed Input", {{"Gain = 0,14\r\n", ""}}, {"removed Input Gain"}},
      {"changed ZEP", {{"Mix = 20,10,3,Avg,Sum,In", "Mix = 24,10,3,Add,Sum-2,In"}},
       {"changed ZEP Mix: function Avg -> Add; input A Sum -> Sum-2; place (20,10) -> (24,10)"}},
      {"renumbered ZEP",
       {{"Sum = 10,10,3,Add,In,Gain\r\n", ""}, {"[InData]", "Sum = 10,10,3,Add,In,Gain\r\n[InData]"}},
       {"changed ZEP Sum: scan position 1 -> 3"}},
      {"name in other case", {{"Tail = 30,10,3,Add", "TAIL = 30,10,3,Add"}}, {"changed ZEP TAIL: name Tail -> TAIL"}},
      {"renumbered Input", {{"In = 0,10\r\nGain = 0,14", "Gain = 0,14\r\nIn = 0,10"}}, {"changed Input In: number 1 -> 2"}},
      {"changed Output", {{"Tail = 40,10\r\n", "Tail = 40,10,2\r\n"}}, {"changed Output Tail: line length 0 -> 2"}},
      {"moved Comment", {{"Filter = 5,30", "Filter = 6,31"}}, {"changed Comment Filter: place (5,30) -> (6,31)"}},
      {"Comment text", {{"Filter = 5,30", "Filters = 5,30"}}, {"removed Comment Filter", "added Comment Filters"}},
      {"moved Dot", {{"* = 15,12", "* = 15,13"}}, {"removed Dot (15,12)", "added Dot (15,13)"}},
      {"library name", {{"Library = Add,Avg", "Library = Add,Avg,Clip"}}, {"added library name Clip"}},
      {"file type", {{"Network = 0", "Network = 3"}}, {"changed file type: network 0 -> 3"}},
      {"shared name", {{"Gain = 0,14\r\n", "Gain = 0,14\r\nIn = 0,20\r\n"}}, {"added Input In #2"}},
      {"kinds, then names", {{"Gain = 0,14\r\n[OutData]", "[OutData]\r\nAux = 60,10"}},
       {"removed Input Gain", "added Output Aux"}},
      {"routes only", {{"(33,10)(40,10)", "(33,10)(36,10)(40,10)"}}, {"connections differ (1 route)"}},
      {"routes and more",
       {{"[ZEPList]", "[ZEPList]\r\nUser = Mine"}, {"(40,10)\r\n", "(40,11)\r\n"}},
       {"added user name Mine"}},
  };
  for (const Case& c : cases) {
    QByteArray newer = Base;
    for (const auto& [from, to] : c.edits) newer = Edited(newer, from, to);
    EXPECT_EQ(Lines(Base, newer), c.lines) << c.what;
  }
}

// Two Inputs share a name: the first matches the first and the second the second, and each
// line tells which one it means.
TEST(NetCompare, ElementsSharingANameMatchInTableOrder) {
  const QByteArray older = Edited(Base, "Gain = 0,14", "In = 0,20");
  EXPECT_EQ(Lines(older, Edited(older, "In = 0,20", "In = 0,22")), QStringList{"changed Input In #2: place (0,20) -> (0,22)"});
  const QList<TNetDifference> removed = CompareNets(*Read(older), *Read(Edited(older, "In = 0,10\r\n", "")));
  ASSERT_EQ(removed.size(), 2);
  EXPECT_EQ(DifferenceLine(removed[0]), "changed Input In #1: place (0,10) -> (0,20)");
  EXPECT_EQ(DifferenceLine(removed[1]), "removed Input In #2");
  EXPECT_EQ(removed[1].OldNumber, 2);
  EXPECT_EQ(removed[1].NewNumber, 0);
}

}  // namespace
