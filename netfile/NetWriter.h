#pragma once
// Writes the net in the tables as a ".net" file.
#include <QByteArray>
#include <QDate>
#include <QString>

// The date line's text, "yyyy/m/d": four-digit year, month and day without leading zeros.
QByteArray NetFileDate(const QDate& date);

// The whole file for the net in the tables, every line ended by CR LF, dated `saved`.
QByteArray NetFileText(const QDate& saved);

// Writes the file atomically, as WriteFileAtomically does: a replaced file keeps its mode,
// owner and group, a target that is no regular file is refused. Raises EInOutError naming
// the file; the file at `path` then stays as it was and no temporary file is left.
void WriteNetFile(const QString& path, const QDate& saved);
