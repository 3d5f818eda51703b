#pragma once
// Reads a ".net" file into the network tables, line by line and section by section.
#include <QString>
#include <memory>

#include "model/NetDef.h"

class QFile;
class QIODevice;
class Prompts;

// What a file held beyond the capacity of a table; that much was not read.
struct TCapacityCuts {
  bool ZEP = false;
  bool Input = false;
  bool Output = false;
  bool Comment = false;
  bool Dot = false;
  bool Connection = false;
  bool ConnPoint = false;
  bool LibFunc = false;
  bool UserFunc = false;
  bool Any() const;
};

// The lines of the warning about a cut, one per kind, such as "256 ZEPs".
QStringList CapacityCutLines(const TCapacityCuts& cuts);
// The warning box text naming every kind that was cut.
QString CapacityWarning(const TCapacityCuts& cuts);

// Resets the counts and reads the net from `in` until its end or a line that ends the
// reading. CR, LF and CR LF all end a line. Nothing is stored beyond a table's capacity;
// `cuts` tells what was left out. Raises EConvertError on an item that is no integer and
// EInOutError when the device fails, each with a line "in line N of PATH" under the
// runtime's message (the tables then keep what was read), and EInOutError "PATH holds no
// net" for a file that is not empty but has no section of a net. PATH is the file's name
// when `in` is a file.
void ReadNet(QIODevice& in, TCapacityCuts& cuts);

// Opens a net file for reading as OpenForReading does: what is not a regular file is
// refused unopened. Raises EInOutError naming the file.
std::unique_ptr<QFile> OpenNetFile(const QString& path);

// A net read from a file aside from the tables in use, its links resolved.
struct TReadNet {
  std::unique_ptr<TNetTables> Tables;
  TCapacityCuts Cuts;
};

// Reads the whole file, closes it and resolves the links, leaving the tables in use as they
// were. Raises what ReadNet raises; a delay that ResolveLinks cannot read names its ZEP's
// line.
TReadNet ReadNetAside(QIODevice& in);

// Puts a net read aside in place of the one in use, then warns about a capacity cut.
void TakeNet(const TReadNet& read, Prompts& prompts);

// A load after the file is open, all or nothing, as ReadNetAside and TakeNet do together
// (with one copy of the tables fewer, for the command-line tool); gives what was cut.
TCapacityCuts LoadNet(QIODevice& in, Prompts& prompts);
