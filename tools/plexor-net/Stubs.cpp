// Subcommands not built yet.
#include "tools/plexor-net/NetCommands.h"

int RunRender(const QStringList&) { return ExitUsage; }
