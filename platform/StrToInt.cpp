#include "platform/StrToInt.h"

#include "platform/Errors.h"

QString NotAnIntegerMessage(const QString& text) {
  return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

bool TryStrToInt(const QString& text, int& value) {
  const int n = static_cast<int>(text.size());
  int i = 0;
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < n && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  if (i >= n) return false;
  long long magnitude = 0;
  for (; i < n; ++i) {
    int d = -1;
    const char16_t c = text[i].unicode();
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F') d = c - u'A' + 10;
    if (d < 0) return false;
    magnitude = magnitude * base + d;
    // Hexadecimal may spell the full 32-bit pattern ($FFFFFFFF is -1); decimal may not.
    if (magnitude > (base == 16 ? 0xFFFFFFFFLL : 2147483648LL)) return false;
  }
  long long result = negative ? -magnitude : magnitude;
  if (base == 16 && !negative && result > 2147483647LL) result -= 0x100000000LL;
  if (base == 16 && negative && magnitude > 2147483648LL) return false;
  if (result < -2147483648LL || result > 2147483647LL) return false;
  value = static_cast<int>(result);
  return true;
}

int StrToInt(const QString& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(NotAnIntegerMessage(text));
  return value;
}
