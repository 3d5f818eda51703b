// The net checks: one small net per check, each read from its file text as a load reads it,
// giving exactly its finding; and the scan-order rules they and the painters share.
#include <QBuffer>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

#include "model/ElementSave.h"
#include "model/NetChecks.h"
#include "model/NetDef.h"
#include "model/NetRules.h"
#include "netfile/NetReader.h"
#include "support/ScriptedPrompts.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Sum is fed twice from In and feeds Twice, which feeds the Output: a clean net.
const QByteArray Clean =
    "[ZEPList]\r\nLibrary = Add\r\n"
    "[ZEP]\r\nSum = 10,10,3,Add,In,In\r\nTwice = 20,10,3,Add,Sum,Sum\r\n"
    "[InData]\r\nIn = 0,10\r\n"
    "[OutData]\r\nTwice = 30,10\r\n";

// Two ZEPs of one name feed the Output of that name.
const QByteArray TwoMixes =
    "[ZEPList]\r\nLibrary = Add\r\n"
    "[ZEP]\r\nMix = 10,10,3,Add,In,In\r\nMix = 20,10,3,Add,In,In\r\n"
    "[InData]\r\nIn = 0,10\r\n"
    "[OutData]\r\nMix = 30,10\r\n";

QStringList Lines(const QList<TFinding>& findings) {
  QStringList lines;
  for (const TFinding& f : findings) lines << FindingLine(f);
  return lines;
}

QStringList CheckText(const QByteArray& text, const std::function<void()>& edit = {}) {
  ResetNetDef();
  QByteArray bytes = text;
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  ScriptedPrompts prompts;
  LoadNet(in, prompts);
  if (edit) edit();
  return Lines(CheckNet(TCanvasSize{200, 200}));
}

QByteArray Changed(const char* from, const char* to) { return QByteArray(Clean).replace(from, to); }

// 256 ZEPs, each fed from In and from the ZEP before it, ask for 513 connections.
QByteArray OverfullNet() {
  QByteArray text = "[ZEPList]\r\nLibrary = Add\r\n[ZEP]\r\n";
  for (int k = 1; k <= MaxZEP; ++k)
    text += QStringLiteral("Z%1 = %2,%3,3,Add,In,%4\r\n")
                .arg(k)
                .arg(10 + (k - 1) % 16 * 10)
                .arg(10 + (k - 1) / 16 * 10)
                .arg(k == 1 ? QStringLiteral("In") : QStringLiteral("Z%1").arg(k - 1))
                .toLatin1();
  return text + "[InData]\r\nIn = 0,5\r\n[OutData]\r\nZ256 = 195,195\r\n";
}

TEST(NetChecks, EachCheckGivesExactlyItsFinding) {
  ASSERT_EQ(CheckText(Clean), QStringList());
  struct Case {
    const char* what;
    QByteArray text;
    std::function<void()> edit;
    QStringList findings;
  };
  const Case cases[] = {
      {"source naming nothing", Changed("Sum,Sum", "Sum,Ghost"), {},
       {"error ZEP 2 Twice: input B source \"Ghost\" resolves to nothing"}},
      {"Input source naming only ZEPs", Clean, [] { ZEPLink[2].BKind = KindInput, ZEPLink[2].BIndex = 1; },
       {"error ZEP 2 Twice: input B Input source \"Sum\" names only ZEPs"}},
      {"a delay given to an Input", Changed("Sum,Sum", "Sum,In-2"), {},
       {"error ZEP 2 Twice: input B source \"In\" would reload from Input 1, not nothing as drawn"}},
      {"ambiguous source", Changed("In = 0,10", "In = 0,10\r\nin = 0,14"), [] { ZEPLink[1].BIndex = 2; },
       {"error ZEP 1 Sum: input B source \"In\" is borne by several elements: it would reload from Input 1, not "
        "Input 2 as drawn"}},
      {"ambiguous Output", Changed("Twice = 30,10", "Twice = 30,10\r\ntwice = 30,14"), [] { ZEPLink[2].OutIndex = 2; },
       {"error Output 1 Twice: would reload fed from ZEP 2, not no ZEP as drawn",
        "error Output 2 twice: name borne by several elements: it would reload fed from no ZEP, not ZEP 2 as drawn"}},
      {"Output naming no ZEP", Changed("Twice = 30,10", "Twice = 30,10\r\nNobody = 30,20"), {},
       {"error Output 2 Nobody: names no ZEP"}},
      {"no function", Changed("3,Add,In", "3,Non,In"), {}, {"error ZEP 1 Sum: has no function"}},
      {"unknown function", Changed("3,Add,In", "3,Sub,In"), {},
       {"error ZEP 1 Sum: function \"Sub\" is in neither list"}},
      {"delay beyond 7", Changed("Sum,Sum", "Sum-9,Sum"), {}, {"error ZEP 2 Twice: input A delay 9 is outside 0..7"}},
      {"delay of 7, the largest", Changed("Sum,Sum", "Sum-7,Sum"), {}, {}},
      {"Output of two same-named ZEPs, the first renamed", TwoMixes, [] { RenameZEP(1, "Mux"); },
       {"error Output 1 Mix: would reload fed from ZEP 2, not ZEP 1 as drawn"}},
      {"negative position", Changed("In = 0,10", "In = -2,10"), {},
       {"warning Input 1 In: stands at a negative position (-2,10)"}},
      {"outside the canvas", Changed("Twice = 20,10", "Twice = 20,250"), {},
       {"warning ZEP 2 Twice: lies outside the canvas (200*200) at (20,250)"}},
      {"one grid point", Clean + "[Dot]\r\n* = 10,10\r\n", {},
       {"warning Dot 1: stands on the same grid point (10,10) as ZEP 1"}},
      {"full connection table", OverfullNet(), {},
       {"error ZEP 256 Z256: the connection table is full (512): its connection to Output 1 is not laid"}},
      {"function in both lists", Changed("Library = Add", "Library = Add\r\nUser = add"), {},
       {"warning Function 1 add: is in both lists (library 1): a ZEP naming it computes the user function"}},
      {"output feeding nothing", Changed("[InData]", "Idle = 40,40,3,Add,In,In\r\n[InData]"), {},
       {"warning ZEP 3 Idle: its output feeds nothing"}},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckText(c.text, c.edit), c.findings) << c.what;
}

TEST(NetChecks, ErrorsComeFirstWithTheirElements) {
  CheckText(Changed("Twice = 20,10,3,Add", "Twice = -1,10,3,Non"));
  const QList<TFinding> findings = CheckNet(TCanvasSize{});
  ASSERT_EQ(findings.size(), 2);
  EXPECT_EQ(findings[0], (TFinding{Severity::Error, FindingKind::ZEP, 2, "Twice", "has no function"}));
  EXPECT_EQ(findings[1].Level, Severity::Warning);
}

// Kinds 2 and 3 are fed from a ZEP; a ZEP at the same or a later number adds a scan, also
// to a delay at the top of the Integers.
TEST(NetRules, FedFromAZEPAndTheExtraScan) {
  EXPECT_EQ((std::vector<bool>{FedFromZEP(KindNone), FedFromZEP(KindInput), FedFromZEP(KindZEP),
                               FedFromZEP(KindZEPNoDelay)}),
            (std::vector<bool>{false, false, true, true}));
  struct Case {
    int zep, kind, source, delay;
    long long scans;
  } cases[] = {{5, KindZEP, 4, 2, 2}, {5, KindZEP, 5, 2, 3}, {5, KindZEPNoDelay, 9, 0, 1},
               {5, KindInput, 9, 0, 0}, {1, KindZEP, 1, INT_MAX, INT_MAX + 1LL}};
  for (const Case& c : cases) {
    EXPECT_EQ(CarriesExtraScan(c.zep, c.kind, c.source), c.scans > c.delay) << c.zep << " " << c.source;
    EXPECT_EQ(ScansOfDelay(c.zep, c.kind, c.source, c.delay), c.scans) << c.zep << " " << c.source;
  }
}

}  // namespace
