#pragma once
// The nets loaded or saved last, newest first, kept in section [Recent] of "Net.ini" as
// File1 .. File8.
#include <QStringList>

inline constexpr int RecentNetsKept = 8;

// The remembered nets, newest first; empty entries are left out.
QStringList ReadRecentNets();

// Puts `path` first, dropping its earlier mention and whatever falls beyond the eighth.
// Raises EInOutError when "Net.ini" cannot be written.
void RememberRecentNet(const QString& path);
