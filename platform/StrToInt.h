#pragma once
#include <QString>

// Converts a text to a 32-bit integer: blanks in front, an optional sign, decimal digits or
// hexadecimal digits after "$" or "0x". Anything else (an empty text, a trailing blank, a
// value outside 32 bits) raises EConvertError "'text' is not a valid integer value".
int StrToInt(const QString& text);

// The same test without the exception.
bool TryStrToInt(const QString& text, int& value);

// The message of the conversion error for a text.
QString NotAnIntegerMessage(const QString& text);
