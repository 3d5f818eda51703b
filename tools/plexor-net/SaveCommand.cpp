// plexor-net save: loads a net and writes it again with the editor's writer.
#include <QDate>

#include "drawing/Routing.h"
#include "netfile/CheckedSave.h"
#include "platform/Errors.h"
#include "tools/plexor-net/NetCommands.h"
#include "tools/plexor-net/ToolSupport.h"

namespace {

const char* const SaveUsage = "usage: plexor-net save IN.net OUT.net [--rebuild] [--date yyyy/m/d]\n";
const char* const SaveHelp =
    "usage: plexor-net save IN.net OUT.net [--rebuild] [--date yyyy/m/d]\n"
    "Loads IN.net as the editor does and writes it to OUT.net as the editor's Save does.\n"
    "OUT.net is replaced only when every byte was written, and only with a net that reloads\n"
    "as it is: the text is read back first, and a net that would reload differently (a name\n"
    "the file cannot carry back, a source that would find another element) is not written;\n"
    "the differences go to stderr and the exit status is 1.\n"
    "  --rebuild          lay the connections again from the ZEP links first\n"
    "  --date yyyy/m/d    the date of the first line (default: today)\n"
    "Exit status: 0 done, 1 IN.net could not be loaded or OUT.net not written, 64 wrong usage.\n";

}  // namespace

int RunSave(const QStringList& args) {
  ToolArgs parsed;
  if (!ParseToolArgs(args, {QStringLiteral("--rebuild")}, {QStringLiteral("--date")}, 2, SaveUsage, parsed))
    return ExitUsage;
  if (parsed.Help) {
    PrintHelp(SaveHelp);
    return 0;
  }
  QDate date = QDate::currentDate();
  if (parsed.Values.contains(QStringLiteral("--date"))) {
    const QString text = parsed.Values.value(QStringLiteral("--date"));
    date = QDate::fromString(text, QStringLiteral("yyyy/M/d"));
    if (!date.isValid()) {
      PrintErrorLine(QStringLiteral("plexor-net: '%1' is no date of the form yyyy/m/d").arg(text));
      return ExitUsage;
    }
  }
  ConsolePrompts prompts;
  if (!LoadNetFile(parsed.Positional[0], prompts)) return 1;
  if (parsed.Flags.contains(QStringLiteral("--rebuild"))) RebuildRoutes();
  try {
    // The question of a net that would reload differently is answered No, on stderr.
    if (SaveNetFile(parsed.Positional[1], date, prompts) == SaveOutcome::NotSaved) {
      PrintErrorLine(QStringLiteral("plexor-net save: \"%1\" was not written").arg(parsed.Positional[1]));
      return 1;
    }
  } catch (const RuntimeError& error) {
    PrintErrorLine(error.Message());
    return 1;
  }
  return 0;
}
