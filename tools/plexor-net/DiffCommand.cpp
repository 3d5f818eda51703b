// plexor-net diff: what changed from one net to another, element by element, as lines or as
// JSON; also git's external diff command for ".net" files.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/NetCompare.h"
#include "netfile/NetReader.h"
#include "platform/Errors.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const DiffUsage = "usage: plexor-net diff OLD.net NEW.net [--json]\n";
const char* const DiffHelp =
    "usage: plexor-net diff OLD.net NEW.net [--json]\n"
    "Loads both nets as the editor does and prints what changed from OLD to NEW, one\n"
    "difference a line, by kind (file type, library names, user names, ZEPs, Inputs,\n"
    "Outputs, Comments, Dots), then by name:\n"
    "  added ZEP Mix\n"
    "  removed Input Gain\n"
    "  changed ZEP Mix: function Avg -> Blend; input A Sum-2 -> Sum-3; place (20,10) -> (24,10)\n"
    "  changed ZEP Mix: scan position 3 -> 5\n"
    "Elements are matched by kind and name, without regard to the case of ASCII letters;\n"
    "elements of a kind that share a name match in table order and are told apart as\n"
    "\"Mix #1\", \"Mix #2\". Comments are matched by their text, Dots by their place. A ZEP\n"
    "moved in the scan order is one change, not one for every ZEP it passed; so is an Input\n"
    "or Output given another number. Connections are laid from the rest, so they are\n"
    "reported, as \"connections differ (N routes)\", only when nothing else differs.\n"
    "  --json   print the differences as a JSON array of objects with change, kind, name,\n"
    "           occurrence, old and new (the numbers in either net), properties (each with\n"
    "           property, from and to) and, for the connections, routes\n"
    "Given the seven arguments of git's external diff command (PATH OLD-FILE OLD-HEX\n"
    "OLD-MODE NEW-FILE NEW-HEX NEW-MODE), it compares OLD-FILE with NEW-FILE under a line\n"
    "\"diff PATH\" and exits 0 whether or not they differ, as git expects; \"/dev/null\",\n"
    "which git names for a file one side lacks, is an empty net.\n"
    "Exit status: 0 the nets are equal, 1 they differ, 2 a file could not be loaded or the\n"
    "output not written, 64 wrong usage.\n";

constexpr int ExitDiffer = 1;
constexpr int ExitTrouble = 2;
// git's external diff command: PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE.
constexpr int GitArgCount = 7;

// A net read aside from its file, or null with the reason on stderr.
std::unique_ptr<TNetTables> LoadForCompare(const QString& path) {
  if (path == QLatin1String("/dev/null")) return std::make_unique<TNetTables>();
  try {
    const std::unique_ptr<QFile> file = OpenNetFile(path);
    TReadNet read = ReadNetAside(*file);
    for (const QString& line : CapacityCutLines(read.Cuts))
      PrintErrorLine(QStringLiteral("%1 holds more than %2; the rest was not read").arg(path, line));
    return std::move(read.Tables);
  } catch (const RuntimeError& error) {
    PrintErrorLine(error.Message());
    return nullptr;
  }
}

QJsonObject DifferenceObject(const TNetDifference& d) {
  QJsonObject object{{"change", ChangeWord(d.Change)}, {"kind", CompareKindWord(d.Kind)}};
  if (d.Kind == CompareKind::Connections) {
    object.insert("routes", d.Routes);
    return object;
  }
  if (d.Kind != CompareKind::FileType) object.insert("name", d.Name);
  if (d.Occurrence > 0) object.insert("occurrence", d.Occurrence);
  if (d.OldNumber > 0) object.insert("old", d.OldNumber);
  if (d.NewNumber > 0) object.insert("new", d.NewNumber);
  if (!d.Properties.isEmpty()) {
    QJsonArray properties;
    for (const TPropertyChange& p : d.Properties)
      properties.append(QJsonObject{{"property", p.Property}, {"from", p.From}, {"to", p.To}});
    object.insert("properties", properties);
  }
  return object;
}

QByteArray DifferencesJson(const QList<TNetDifference>& differences) {
  QJsonArray array;
  for (const TNetDifference& d : differences) array.append(DifferenceObject(d));
  return array.isEmpty() ? QByteArray("[]\n") : QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray DifferencesText(const QList<TNetDifference>& differences) {
  QByteArray text;
  for (const TNetDifference& d : differences) text += DifferenceLine(d).toUtf8() + '\n';
  return text;
}

// Prints the differences between two files; the exit status as diff(1) gives it.
int Compare(const QString& oldPath, const QString& newPath, const QByteArray& heading, bool json) {
  const std::unique_ptr<TNetTables> older = LoadForCompare(oldPath);
  if (!older) return ExitTrouble;
  const std::unique_ptr<TNetTables> newer = LoadForCompare(newPath);
  if (!newer) return ExitTrouble;
  const QList<TNetDifference> differences = CompareNets(*older, *newer);
  if (!PrintOut(heading + (json ? DifferencesJson(differences) : DifferencesText(differences)))) return ExitTrouble;
  return differences.isEmpty() ? 0 : ExitDiffer;
}

}  // namespace

int RunDiff(const QStringList& args) {
  if (args.size() == GitArgCount) {
    const int status = Compare(args[1], args[4], "diff " + args[0].toUtf8() + '\n', false);
    // git stops at an external diff that exits with anything but 0.
    return status == ExitDiffer ? 0 : status;
  }
  ToolArgs parsed;
  if (!ParseToolArgs(args, {QStringLiteral("--json")}, {}, 2, DiffUsage, parsed)) return ExitUsage;
  if (parsed.Help) {
    PrintHelp(DiffHelp);
    return 0;
  }
  return Compare(parsed.Positional[0], parsed.Positional[1], QByteArray(),
                 parsed.Flags.contains(QStringLiteral("--json")));
}
