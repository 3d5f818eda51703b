#include "editing/KeyMap.h"

namespace {
constexpr quint32 X11BreakKeysym = 0xff6b;
}

int KeyCodeOf(const QKeyEvent& event) {
  if (event.key() == 0 && event.nativeVirtualKey() == X11BreakKeysym) return Qt::Key_Cancel;
  return event.key();
}
