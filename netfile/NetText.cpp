#include "netfile/NetText.h"

#include "platform/LatinText.h"
#include "platform/StrToInt.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

QByteArrayView TrimBlanks(QByteArrayView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.sliced(begin, end - begin);
}

QByteArray FieldText(QByteArrayView text, int limit) {
  if (text.size() <= limit) return text.toByteArray();
  qsizetype end = limit;
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.first(end).toByteArray();
}

// Plain decimals of up to nine digits, as the writer writes them, are read here directly;
// everything else (blanks, signs, hexadecimal, errors) goes through the full conversion.
int ItemToInt(QByteArrayView text) {
  const qsizetype sign = !text.isEmpty() && text[0] == '-' ? 1 : 0;
  const qsizetype digits = text.size() - sign;
  if (digits >= 1 && digits <= 9) {
    int value = 0;
    qsizetype i = sign;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    if (i == text.size()) return sign ? -value : value;
  }
  return StrToInt(QString::fromLatin1(text));
}

QByteArrayView Between(QByteArrayView text, qsizetype open, qsizetype close) {
  const qsizetype begin = open + 1;
  if (close <= begin) return {};
  return text.sliced(begin, close - begin);
}
