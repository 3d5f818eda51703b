#pragma once
// Small byte-text helpers shared by the ".net" reader and writer. File texts are single
// bytes; they are handled as bytes and turned into QString only where a message needs one.
#include <QByteArray>
#include <QByteArrayView>

// The text without blanks and control characters (codes up to 32) at either end.
QByteArrayView TrimBlanks(QByteArrayView text);

// The text to store in a field of at most `limit` bytes. A longer text keeps its first
// `limit` bytes, and blanks that the cut leaves at its end are dropped, since the file
// could never give them back (every key and last value is read trimmed).
QByteArray FieldText(QByteArrayView text, int limit);

// An integer item of a line; raises EConvertError naming the text.
int ItemToInt(QByteArrayView text);

// The bytes between two positions, exclusive; empty when they are not in order. A missing
// opening position (-1) counts from the start.
QByteArrayView Between(QByteArrayView text, qsizetype open, qsizetype close);
