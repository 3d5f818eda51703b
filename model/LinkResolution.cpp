#include "model/LinkResolution.h"

#include <cstring>

#include "model/FuncNames.h"
#include "model/NetRules.h"
#include "platform/Errors.h"
#include "platform/LatinText.h"
#include "platform/StrToInt.h"

QByteArray UpperAscii(QByteArray text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

namespace {

bool PackName(const QByteArray& name, NameIndex::Key& key) {
  if (name.size() > TName::MaxLength) return false;
  unsigned char bytes[16] = {};
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char c = name[i];
    bytes[i] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  bytes[15] = static_cast<unsigned char>(name.size());
  std::memcpy(&key.Low, bytes, 8);
  std::memcpy(&key.High, bytes + 8, 8);
  return true;
}

}  // namespace

size_t qHash(const NameIndex::Key& key, size_t seed) { return qHashMulti(seed, key.Low, key.High); }

void NameIndex::Add(const QByteArray& name, int number) {
  Key key;
  if (PackName(name, key) && !index_.contains(key)) index_.insert(key, number);
}

int NameIndex::Find(const QByteArray& name) const {
  Key key;
  return PackName(name, key) ? index_.value(key, 0) : 0;
}

bool TSourceLink::SameAs(int kind, int delay, int index) const {
  if (FedFromZEP(Kind) || FedFromZEP(kind)) return FedFromZEP(Kind) && FedFromZEP(kind) && Delay == delay && Index == index;
  if (Kind == KindInput || kind == KindInput) return Kind == kind && Index == index;
  return Kind == kind;
}

namespace {

// The name before a delay suffix as a field holds it: at most 15 bytes, without blanks at
// its end (no name ends in a blank, since the file's keys are read trimmed; "Mix -3" can
// only mean Mix through 3 scans, and a kept blank would be lost by the next save).
TName BareName(QByteArray name) {
  name.truncate(TName::MaxLength);
  while (!name.isEmpty() && static_cast<unsigned char>(name.back()) <= 32) name.chop(1);
  return name;
}

}  // namespace

SourceResolver::SourceResolver() {
  inputs_.AddAll(InputName, InputCount);
  for (int i = 1; i <= ZEPCount; ++i) zeps_.Add(ZEPText[i].Name.Bytes(), i);
}

// An Input wins over a ZEP of the same name, and a ZEP's exact name wins over reading a
// delay suffix, so a ZEP whose name holds "-" can still be named as a source. A suffix is
// taken off the stored name even when no ZEP bears the rest.
TSourceLink SourceResolver::Resolve(const QByteArray& text, TName* bare) const {
  if (const int k = inputs_.Find(text)) return {KindInput, 0, k};
  if (const int m = zeps_.Find(text)) return {KindZEPNoDelay, 0, m};
  const qsizetype dash = text.indexOf('-');
  if (dash < 0) return {};
  const TName name = BareName(text.left(dash));
  if (bare) *bare = name;
  const int delay = StrToInt(FromLatin(text.mid(dash + 1)));
  if (const int m = zeps_.Find(name.Bytes())) return {KindZEP, delay, m};
  return {};
}

bool SourceResolver::ReadsBackAs(const QByteArray& text, int kind, int delay, int index) const {
  try {
    return Resolve(text).SameAs(kind, delay, index);
  } catch (const RuntimeError&) {
    return false;
  }
}

QByteArray SourceResolver::SourceText(const TName& name, int kind, int delay, int index) const {
  QByteArray bare = name.Bytes();
  if (delay == 0 && (kind == KindInput || ReadsBackAs(bare, kind, delay, index))) return bare;
  QByteArray suffixed = bare + '-' + QByteArray::number(delay);
  if (delay != 0 || ReadsBackAs(suffixed, kind, delay, index)) return suffixed;
  return bare;
}

namespace {

// The user list is searched first, so a name in both lists is the user's function.
void ResolveFunctions() {
  const FuncCodeIndex functions;
  for (int i = 1; i <= ZEPCount; ++i) ZEPLink[i].FuncCode = functions.CodeOf(ZEPText[i].FuncName.Bytes());
}

TSourceLink ResolveSource(const SourceResolver& resolver, TName& source, ShortString<255>& rest) {
  const QByteArray text = source.Bytes() + rest.Bytes();
  rest = ShortString<255>();
  return resolver.Resolve(text, &source);
}

void ResolveSources() {
  const SourceResolver resolver;
  for (int i = 1; i <= ZEPCount; ++i) {
    TZEPLink& link = ZEPLink[i];
    const TSourceLink a = ResolveSource(resolver, ZEPText[i].SourceA, SourceRest[i].A);
    link.AKind = a.Kind;
    link.ADelay = a.Delay;
    link.AIndex = a.Index;
    const TSourceLink b = ResolveSource(resolver, ZEPText[i].SourceB, SourceRest[i].B);
    link.BKind = b.Kind;
    link.BDelay = b.Delay;
    link.BIndex = b.Index;
  }
}

void ResolveOutputs() {
  NameIndex outputs;
  outputs.AddAll(OutputName, OutputCount);
  for (int i = 1; i <= ZEPCount; ++i) ZEPLink[i].OutIndex = outputs.Find(ZEPText[i].Name.Bytes());
}

}  // namespace

void ResolveLinks() {
  ResolveFunctions();
  try {
    ResolveSources();
  } catch (const RuntimeError&) {
    // The rests belong to the file just read; a later resolution must not pin them to
    // names typed since.
    SourceRest.Fill({});
    throw;
  }
  ResolveOutputs();
}
