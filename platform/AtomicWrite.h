#pragma once
// Replacing a file so that nothing the user had is lost on the way.
#include <QByteArray>
#include <QString>

// Writes `bytes` as the file at `path` through a temporary file in the same folder, which
// replaces the file only when every byte was written. A link to a file writes that file.
// A file that is replaced keeps its mode bits (setuid, setgid and sticky too) and, where
// the process may set them, its owner, group, access list and user extended attributes; an
// access list that cannot be carried over never leaves the group more access than it gave.
// A target that is not a regular file (a folder, a FIFO, a device) is refused, and so is a
// file in a folder this process cannot write to. Raises EInOutError "Cannot write file
// "PATH". REASON", PATH as given; the file at `path` then stays as it was and no temporary
// file is left.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);
