#pragma once
// A double-click on an element opens its properties dialog. Its first click has picked the
// element (Select mode) or its press has taken it up (Drag mode); the dialog then opens at
// the second press, and the second release, which would place the element, finds the
// dialog showing and leaves the element where it stands.

// True when a double-click at (x, y), paint-box pixels, opens the dialog: a current ZEP,
// Input, Output or Comment lies under the pointer (picked, in Select mode), and the dialog
// is not showing.
bool DoubleClickOpens(int x, int y);
