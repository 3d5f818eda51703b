#pragma once
// Turns the names stored in the ZEPs into function codes, source kinds, delays, element
// numbers and Output numbers.
#include <QByteArray>
#include <QHash>

// Recomputes the links of every ZEP. Raises EConvertError on a delay that is no integer;
// the links not yet recomputed then keep their values.
void ResolveLinks();

// ASCII letters turned to upper case; other bytes stay.
QByteArray UpperAscii(QByteArray text);

// Looks names up the way the net refers to elements: ASCII letters without regard to case,
// the first element in table order winning. Built once per pass, so resolving a full net
// costs one hash lookup per reference instead of a scan of a table.
class NameIndex {
public:
  template <typename Names>
  void AddAll(const Names& names, int count) {
    index_.reserve(count);
    for (int i = 1; i <= count; ++i) Add(names[i].Bytes(), i);
  }
  // A name already in the index keeps its earlier number.
  void Add(const QByteArray& name, int number);
  // The number of the first element of that name, 0 when there is none.
  int Find(const QByteArray& name) const;

private:
  QHash<QByteArray, int> index_;
};
