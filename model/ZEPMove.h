#pragma once
// Moving a ZEP to another place in the scan order.

// Moves ZEP `from` to number `to`; the ZEPs between shift by one place. Every input fed
// from a ZEP keeps its source ZEP (now under its new number) and its delay, every input fed
// from an Input keeps that Input, and the names are resolved again for the rest. Numbers
// outside 1..ZEPCount change nothing.
void MoveZEP(int from, int to);
