#pragma once
// Texts are single bytes: file bytes and QString convert as Latin-1 so every byte
// round-trips, and lengths count bytes.
#include <QByteArray>
#include <QString>

inline QString FromLatin(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
