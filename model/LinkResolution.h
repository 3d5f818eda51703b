#pragma once
// Turns the names stored in the ZEPs into function codes, source kinds, delays, element
// numbers and Output numbers.
#include <QByteArray>
#include <QHash>

#include "model/NetDef.h"

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

  // A name of up to 15 bytes in upper case, packed with its length into 16 bytes, so that
  // keys cost no allocation. Longer texts are no names of the net.
  struct Key {
    quint64 Low = 0;
    quint64 High = 0;
    friend bool operator==(const Key&, const Key&) = default;
  };

private:
  QHash<Key, int> index_;
};

size_t qHash(const NameIndex::Key& key, size_t seed = 0);

// The link a source text stands for.
struct TSourceLink {
  int Kind = KindNone;
  int Delay = 0;
  int Index = 0;
  // Kind 3 is kind 2 without delay.
  bool SameAs(int kind, int delay, int index) const;
};

// Resolves source texts against the Input and ZEP names in the tables.
class SourceResolver {
public:
  SourceResolver();
  // The link of `text`; `bare` receives the name that is stored when a delay suffix is
  // taken off. Raises EConvertError on a delay that is no integer.
  TSourceLink Resolve(const QByteArray& text, TName* bare = nullptr) const;
  // True when `text` reads back as that link; a text that would not load never does.
  bool ReadsBackAs(const QByteArray& text, int kind, int delay, int index) const;
  // The text a file stores for a source so that it reads back to the link it has: its
  // name, with "-" and the delay when the delay is not 0. When the bare name would read as
  // another element (a ZEP fed without delay while an Input bears the same name), "-0" is
  // added, and the link survives. Names several elements bear may still read back as
  // another element.
  QByteArray SourceText(const TName& name, int kind, int delay, int index) const;

private:
  NameIndex inputs_;
  NameIndex zeps_;
};
