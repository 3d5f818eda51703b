#pragma once
// The subcommands of plexor-net. Each takes the arguments after its name and returns the
// exit code: 0 done, 1 the file could not be loaded or written, 2 findings (check),
// 64 wrong usage; diff exits as diff(1) does: 0 equal, 1 different, 2 trouble.
#include <QStringList>

inline constexpr int ExitUsage = 64;

int RunDump(const QStringList& args);
int RunSave(const QStringList& args);
int RunCheck(const QStringList& args);
int RunRender(const QStringList& args);
int RunDiff(const QStringList& args);
