#pragma once
// The library and user function name lists: names taken from chosen file names, library
// names read from list files, and the removal of a name with the renumbering of the ZEPs'
// function codes.
#include <QString>
#include <QStringList>

#include "model/LinkResolution.h"
#include "model/NetDef.h"

inline const QString LibraryFullMessage = QStringLiteral("Sorry! The system cannot append any more Library !");
inline const QString FunctionFullMessage = QStringLiteral("Sorry! The system cannot append any more Funtion !");
inline const QString NameInUseQuestion = QStringLiteral("This Name is on use !!\n\rDo you Delete it ?");

enum class NameAdd { Added, AlreadyListed, Empty, ListFull };

// The function name a file gives: its file name without folder, up to its first ".", at
// most 15 characters. A file name without "." gives no name (empty).
TName FuncNameOfFile(const QString& path);

// Appends a name unless the list already holds it (exact, case counting). An empty name is
// never listed: it would not survive the network file's comma-separated lists.
NameAdd AddLibFuncName(const TName& name);
NameAdd AddUserFuncName(const TName& name);

struct TListImport {
  int Added = 0;
  bool StoppedFull = false;  // a name was left out because the library list holds 64
};

// Appends the names of a list file to the library list: one name per line, lines that are
// empty or start with "$" skipped, blanks and control characters trimmed, names already
// listed (letter case ignored) skipped. Reading stops at the first new name that no longer
// fits. Raises EInOutError when the file cannot be opened or read; names appended before
// a read failure stay.
TListImport ImportLibFuncList(const QString& path);

// The function name for a function code: library name n for 1..64, user name n for
// UserFuncBase + n, nothing for 0 or for a code whose name is not (or no longer) in its list.
QString FunctionNameOf(int funcCode);

// The function code a ZEP's function name resolves to, as loading resolves it: the user
// list first, then the library list, letter case ignored, the first entry winning; 0 when
// neither list holds it. Built once per pass over the ZEPs.
class FuncCodeIndex {
public:
  FuncCodeIndex();
  int CodeOf(const QByteArray& name) const;

private:
  NameIndex user_;
  NameIndex library_;
};

// True when some ZEP's FuncName is exactly the name.
bool FuncNameInUse(const TName& name);
// Every ZEP using the name gets the function "Non" with code 0.
void ReleaseFuncName(const TName& name);
// Removes the first entry equal to the name, from the user list if it is there, else from
// the library list, closing the gap and lowering the function codes above it. A ZEP whose
// code pointed at the removed entry is left with code 0. False when neither list holds it.
bool RemoveFuncName(const TName& name);

// The entries of the deletion list: user names, then library names.
QStringList DeletableFuncNames();
// The names offered for a ZEP's function: library names, then user names.
QStringList OfferedFuncNames();
