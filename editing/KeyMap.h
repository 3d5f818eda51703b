#pragma once
// The key code the main window's key map acts on.
#include <QKeyEvent>

// The key of a key press. The cancel key (Ctrl+Break) arrives from X11 as the Break keysym,
// for which Qt has no key code; it is read as Qt::Key_Cancel, as other platforms send it.
int KeyCodeOf(const QKeyEvent& event);
