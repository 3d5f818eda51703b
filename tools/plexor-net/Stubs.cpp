// Subcommands not built yet.
#include "tools/plexor-net/NetCommands.h"

int RunDump(const QStringList&) { return ExitUsage; }
int RunSave(const QStringList&) { return ExitUsage; }
int RunCheck(const QStringList&) { return ExitUsage; }
int RunRender(const QStringList&) { return ExitUsage; }
