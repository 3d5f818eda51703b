// Subcommands not built yet.
#include "tools/plexor-net/NetCommands.h"

