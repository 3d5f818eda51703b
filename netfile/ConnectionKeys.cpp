#include "netfile/ConnectionKeys.h"

Table<TConnKey, MaxConn> ConnKeyRead;
bool ConnKeysFromFile = false;
