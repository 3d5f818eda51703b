// plexor-net: loads, checks, converts and renders ".net" files without a display.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tools/plexor-net/NetCommands.h"

namespace {

const char* const Usage =
    "usage: plexor-net COMMAND [ARGS]\n"
    "  dump FILE.net [--rebuild]                     print the tables as JSON\n"
    "  save IN.net OUT.net [--rebuild] [--date D]    load and write again\n"
    "  check FILE.net                                report doubtful references\n"
    "  diff OLD.net NEW.net [--json]                 what changed, element by element\n"
    "  render FILE.net OUT.png|OUT.svg|OUT.pdf [--scale 1..6] [--mono] [--size W,H] [--fit]\n"
    "         [--rebuild] [--against OLD.net]\n"
    "Each command takes --help.\n";

// The toolkit's own notes (a missing runtime folder, a platform plugin, fonts) are no
// business of the tool's user: its output is its own results and messages only.
void DropToolkitMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a GUI application, and only render draws; the other commands run on a core
  // application, which keeps their error output free of the platform's messages.
  qInstallMessageHandler(DropToolkitMessages);
  std::unique_ptr<QCoreApplication> app;
  if (argc > 1 && std::strcmp(argv[1], "render") == 0) {
    // The offscreen platform draws the same with or without a display, and needs none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) {
    std::fputs(Usage, stderr);
    return ExitUsage;
  }
  const QString command = args.takeFirst();
  if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (command == QLatin1String("dump")) return RunDump(args);
  if (command == QLatin1String("save")) return RunSave(args);
  if (command == QLatin1String("check")) return RunCheck(args);
  if (command == QLatin1String("render")) return RunRender(args);
  if (command == QLatin1String("diff")) return RunDiff(args);
  std::fprintf(stderr, "plexor-net: unknown command '%s'\n%s", qPrintable(command), Usage);
  return ExitUsage;
}
