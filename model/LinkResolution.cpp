#include "model/LinkResolution.h"

#include "model/NetDef.h"
#include "platform/LatinText.h"
#include "platform/StrToInt.h"

QByteArray UpperAscii(QByteArray text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

void NameIndex::Add(const QByteArray& name, int number) {
  const QByteArray key = UpperAscii(name);
  if (!index_.contains(key)) index_.insert(key, number);
}

int NameIndex::Find(const QByteArray& name) const { return index_.value(UpperAscii(name), 0); }

namespace {

struct TSourceLink {
  int Kind = KindNone;
  int Delay = 0;
  int Index = 0;
};

// The user list is searched first, so a name in both lists is the user's function.
void ResolveFunctions() {
  NameIndex user;
  user.AddAll(UserFuncName, UserFuncCount);
  NameIndex library;
  library.AddAll(LibFuncName, LibFuncCount);
  for (int i = 1; i <= ZEPCount; ++i) {
    const QByteArray name = ZEPText[i].FuncName.Bytes();
    int code = user.Find(name);
    if (code > 0) code += 100;
    else code = library.Find(name);
    ZEPLink[i].FuncCode = code;
  }
}

// An Input wins over a ZEP of the same name, and a ZEP's exact name wins over reading a
// delay suffix, so a ZEP whose name holds "-" can still be named as a source. A suffix is
// taken off the stored name even when no ZEP bears the rest.
TSourceLink ResolveSource(TName& source, const NameIndex& inputs, const NameIndex& zeps) {
  const QByteArray name = source.Bytes();
  if (const int k = inputs.Find(name)) return {KindInput, 0, k};
  if (const int m = zeps.Find(name)) return {KindZEPNoDelay, 0, m};
  const qsizetype dash = name.indexOf('-');
  if (dash < 0) return {};
  // No name ends in a blank (the file's keys are read trimmed), so "Mix -3" can only mean
  // Mix through 3 scans; kept, the blank would be lost by the next save and reload.
  QByteArray bare = name.left(dash);
  while (!bare.isEmpty() && static_cast<unsigned char>(bare.back()) <= 32) bare.chop(1);
  source = bare;
  const int delay = StrToInt(FromLatin(name.mid(dash + 1)));
  if (const int m = zeps.Find(bare)) return {KindZEP, delay, m};
  return {};
}

void ResolveSources() {
  NameIndex inputs;
  inputs.AddAll(InputName, InputCount);
  NameIndex zeps;
  for (int i = 1; i <= ZEPCount; ++i) zeps.Add(ZEPText[i].Name.Bytes(), i);
  for (int i = 1; i <= ZEPCount; ++i) {
    TZEPLink& link = ZEPLink[i];
    const TSourceLink a = ResolveSource(ZEPText[i].SourceA, inputs, zeps);
    link.AKind = a.Kind;
    link.ADelay = a.Delay;
    link.AIndex = a.Index;
    const TSourceLink b = ResolveSource(ZEPText[i].SourceB, inputs, zeps);
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
  ResolveSources();
  ResolveOutputs();
}
