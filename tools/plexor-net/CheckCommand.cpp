// plexor-net check: reports the doubtful references of a net, one line per finding.
#include <QFile>

#include "model/LinkResolution.h"
#include "model/NetDef.h"
#include "netfile/NetReader.h"
#include "platform/Errors.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const CheckUsage = "usage: plexor-net check FILE.net\n";
const char* const CheckHelp =
    "usage: plexor-net check FILE.net\n"
    "Loads the net as the editor does and reports, one line per finding:\n"
    "  an input source that resolves to nothing, a name borne by two elements of one kind,\n"
    "  a ZEP input that carries an extra scan of delay, an Output that names no ZEP,\n"
    "  a function name found in neither list, and a table the file overfilled.\n"
    "Exit status: 0 clean, 2 findings, 1 the file could not be loaded or the findings not\n"
    "written, 64 wrong usage.\n";

constexpr int ExitFindings = 2;

QString Element(const char* kind, int number, const QString& name) {
  return QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(kind)).arg(number).arg(name);
}

// "Non" is how a ZEP says it has no function or no source.
bool IsNone(const TName& name) { return UpperAscii(name.Bytes()) == "NON"; }

class NetChecker {
public:
  QStringList Findings(const TCapacityCuts& cuts) {
    for (const QString& line : CapacityCutLines(cuts))
      Add(QStringLiteral("Capacity: the file holds more than %1; the rest was not read").arg(line));
    NameIndex zepNames;
    for (int i = 1; i <= ZEPCount; ++i) zepNames.Add(ZEPText[i].Name.Bytes(), i);
    for (int i = 1; i <= ZEPCount; ++i) CheckZEP(i, zepNames);
    NameIndex inputNames;
    for (int i = 1; i <= InputCount; ++i) {
      CheckUnique("Input", i, InputName[i], inputNames);
    }
    NameIndex outputNames;
    for (int i = 1; i <= OutputCount; ++i) {
      CheckUnique("Output", i, OutputName[i], outputNames);
      if (zepNames.Find(OutputName[i].Bytes()) == 0)
        Add(Element("Output", i, OutputName[i]) + QStringLiteral(": names no ZEP"));
    }
    return findings_;
  }

private:
  void Add(const QString& finding) { findings_.append(finding); }

  void CheckUnique(const char* kind, int i, const TName& name, NameIndex& seen) {
    const int first = seen.Find(name.Bytes());
    if (first == 0) seen.Add(name.Bytes(), i);
    else Add(Element(kind, i, name) + QStringLiteral(": name also borne by %1 %2").arg(QLatin1String(kind)).arg(first));
  }

  void CheckZEP(int i, const NameIndex& zepNames) {
    const TZEPText& text = ZEPText[i];
    const TZEPLink& link = ZEPLink[i];
    const QString self = Element("ZEP", i, text.Name);
    const int first = zepNames.Find(text.Name.Bytes());
    if (first != i) Add(self + QStringLiteral(": name also borne by ZEP %1").arg(first));
    if (link.FuncCode == 0 && !IsNone(text.FuncName))
      Add(self + QStringLiteral(": function \"%1\" found in neither list").arg(text.FuncName.Str()));
    CheckInput(self, i, 'A', text.SourceA, link.AKind, link.ADelay, link.AIndex);
    CheckInput(self, i, 'B', text.SourceB, link.BKind, link.BDelay, link.BIndex);
  }

  void CheckInput(const QString& self, int i, char port, const TName& source, int kind, int delay, int index) {
    const QString input = QStringLiteral(": input %1").arg(QLatin1Char(port));
    if (kind == KindNone && !IsNone(source))
      Add(self + input + QStringLiteral(" source \"%1\" resolves to nothing").arg(source.Str()));
    if (kind >= KindZEP && index >= i)
      Add(self + input +
          QStringLiteral(" from ZEP %1 \"%2\" carries an extra scan of delay (%3 in all)")
              .arg(index)
              .arg(ZEPText[index].Name.Str())
              .arg(delay + 1));
  }

  QStringList findings_;
};

// Loads as the editor does, keeping what was cut for the findings.
bool LoadForCheck(const QString& path, TCapacityCuts& cuts) {
  try {
    const std::unique_ptr<QFile> file = OpenNetFile(path);
    ReadNet(*file, cuts);
    file->close();
    ResolveLinks();
    return true;
  } catch (const RuntimeError& error) {
    PrintErrorLine(error.Message());
    return false;
  }
}

}  // namespace

int RunCheck(const QStringList& args) {
  ToolArgs parsed;
  if (!ParseToolArgs(args, {}, {}, 1, CheckUsage, parsed)) return ExitUsage;
  if (parsed.Help) {
    PrintHelp(CheckHelp);
    return 0;
  }
  TCapacityCuts cuts;
  if (!LoadForCheck(parsed.Positional[0], cuts)) return 1;
  const QStringList findings = NetChecker().Findings(cuts);
  if (findings.isEmpty()) return 0;
  if (!PrintOut((findings.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8())) return 1;
  return ExitFindings;
}
