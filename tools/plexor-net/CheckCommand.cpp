// plexor-net check: the editor's net checks on a file, as lines or as JSON.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/NetChecks.h"
#include "netfile/NetReader.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const CheckUsage = "usage: plexor-net check FILE.net [--json]\n";
const char* const CheckHelp =
    "usage: plexor-net check FILE.net [--json]\n"
    "Loads the net as the editor does and runs the editor's net checks, one finding a line:\n"
    "  error|warning KIND NUMBER NAME: message\n"
    "Errors: a source that resolves to nothing or to the wrong kind, a source or Output that\n"
    "would reload linked to another element of the same name, an Output naming no ZEP, a ZEP\n"
    "without a function or with one in neither list, a delay outside 0..7, a full connection\n"
    "table. Warnings: an element at a negative position or outside the largest canvas, two\n"
    "elements on one grid point, a function name in both lists, a ZEP whose output feeds\n"
    "nothing. A table the file overfilled is reported on stderr.\n"
    "Control characters in names are printed escaped, as \\x1B.\n"
    "  --json   print the findings as a JSON array of objects with severity, kind, number,\n"
    "           name and message\n"
    "Exit status: 0 clean, 2 findings, 1 the file could not be loaded or the findings not\n"
    "written, 64 wrong usage.\n";

constexpr int ExitFindings = 2;

QByteArray FindingsJson(const QList<TFinding>& findings) {
  QJsonArray array;
  for (const TFinding& f : findings)
    array.append(QJsonObject{{"severity", SeverityWord(f.Level)},
                             {"kind", FindingKindWord(f.Kind)},
                             {"number", f.Number},
                             {"name", f.Name},
                             {"message", f.Message}});
  return array.isEmpty() ? QByteArray("[]\n") : QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray FindingsText(const QList<TFinding>& findings) {
  QByteArray text;
  for (const TFinding& f : findings) text += FindingLine(f).toUtf8() + '\n';
  return text;
}

}  // namespace

int RunCheck(const QStringList& args) {
  ToolArgs parsed;
  if (!ParseToolArgs(args, {QStringLiteral("--json")}, {}, 1, CheckUsage, parsed)) return ExitUsage;
  if (parsed.Help) {
    PrintHelp(CheckHelp);
    return 0;
  }
  // Loaded as the editor loads; what was cut is told below, among the findings.
  TCapacityCuts cuts;
  RefusingPrompts quiet;
  if (!LoadNetFile(parsed.Positional[0], quiet, &cuts)) return 1;
  for (const QString& line : CapacityCutLines(cuts))
    PrintErrorLine(QStringLiteral("the file holds more than %1; the rest was not read").arg(line));
  const QList<TFinding> findings = CheckNet(LargestCanvas);
  const bool json = parsed.Flags.contains(QStringLiteral("--json"));
  if (!PrintOut(json ? FindingsJson(findings) : FindingsText(findings))) return 1;
  return findings.isEmpty() && !cuts.Any() ? 0 : ExitFindings;
}
