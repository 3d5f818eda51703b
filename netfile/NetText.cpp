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

int ItemToInt(QByteArrayView text) { return StrToInt(QString::fromLatin1(text)); }

QByteArrayView Between(QByteArrayView text, qsizetype open, qsizetype close) {
  const qsizetype begin = open + 1;
  if (close <= begin) return {};
  return text.sliced(begin, close - begin);
}
