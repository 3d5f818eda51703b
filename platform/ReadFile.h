#pragma once
// Opening a file the user named for reading, so that no kind of file can stop the program.
#include <QFile>

// Opens `file` read-only. What is not a regular file (a FIFO, a device, a socket, a folder)
// is refused before it is opened: opening a FIFO waits for a writer for ever, and a device
// may never end. Raises EInOutError "Cannot open file "PATH". REASON", PATH as the file's
// name was given.
void OpenForReading(QFile& file);
