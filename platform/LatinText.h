#pragma once
// Texts are single bytes: file bytes and QString convert as Latin-1 so every byte
// round-trips, and lengths count bytes.
#include <QByteArray>
#include <QString>

inline QString FromLatin(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

// True for the control characters of Latin-1: C0, DEL and C1. A terminal may take them as
// commands, and a message box shows them as nothing or as boxes.
inline bool IsControlCharacter(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

// The text with every control character written as "\x" and two hexadecimal digits
// ("\x1B"), so that a name from a file can be printed or shown as it is. Line breaks stay
// when `keepLineBreaks` is set, for messages of several lines.
inline QString ControlsEscaped(const QString& text, bool keepLineBreaks = false) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (!IsControlCharacter(c) || (keepLineBreaks && c == QLatin1Char('\n'))) out += c;
    else out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
  }
  return out;
}
