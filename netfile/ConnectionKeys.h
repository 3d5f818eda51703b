#pragma once
// The keys of the "[Connection]" lines as last read. A loaded net keeps the polylines of its
// file until the routes are rebuilt, and until then its route requests do not describe
// them; the writer then names each connection as its file did, so a loaded net saves back
// to the same lines. Both are part of the net's tables, so an undo brings them back too.
#include "model/NetDef.h"

using TConnKey = ShortString<255>;

inline Table<TConnKey, MaxConn>& ConnKeyRead = NetTables.ConnKeyRead;
// Set by the reader, cleared by RebuildRoutes: the connections are those of the file.
inline bool& ConnKeysFromFile = NetTables.ConnKeysFromFile;
