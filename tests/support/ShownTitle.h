#pragma once
// The caption as the window system shows it in the title bar: Qt's "[*]" placeholder
// dropped, or shown as "*" while the window is marked modified.
#include <QString>
#include <QWidget>
#include <QWindow>

inline QString ShownTitle(QWidget& window) {
  window.winId();  // a window never shown gets its window system window now
  return window.windowHandle()->title();
}
