#include "model/NetCopy.h"

#include "model/LinkResolution.h"
#include "model/NetRules.h"

namespace {

// Where each copied element of one kind lands in the copy.
using TNewNumbers = std::array<int, TElementSet::Capacity + 1>;

template <typename Names>
void ListOnce(Names& names, int& count, const TName& name) {
  for (int i = 1; i <= count; ++i)
    if (names[i] == name) return;
  if (count < Names::Capacity) names[++count] = name;
}

// The function a copied ZEP uses goes with it into the list that holds it.
void CopyFunctionName(TNetTables& part, int code) {
  if (code >= 1 && code <= LibFuncCount && code <= MaxLibFunc) {
    ListOnce(part.LibFuncName, part.LibFuncCount, LibFuncName[code]);
  } else if (code > UserFuncBase && code - UserFuncBase <= UserFuncCount && code - UserFuncBase <= MaxUserFunc) {
    ListOnce(part.UserFuncName, part.UserFuncCount, UserFuncName[code - UserFuncBase]);
  }
}

struct TCopiedSource {
  TName Text;
  int Kind = KindNone;
  int Delay = 0;
  int Index = 0;
};

TCopiedSource CopySource(const SourceResolver& net, const TName& text, int kind, int delay, int index,
                         const TNewNumbers& inputs, const TNewNumbers& zeps) {
  const bool inNet = (kind == KindInput && index >= 1 && index <= InputCount) ||
                     (FedFromZEP(kind) && index >= 1 && index <= ZEPCount);
  if (!inNet) return {text};
  const int copied = kind == KindInput ? inputs[static_cast<std::size_t>(index)] : zeps[static_cast<std::size_t>(index)];
  if (copied != 0) return {text, kind, delay, copied};
  return {TName(net.SourceText(text, kind, delay, index))};
}

}  // namespace

std::unique_ptr<TNetTables> CopyElements(const TElementSet& set) {
  auto part = std::make_unique<TNetTables>();
  TNewNumbers inputs{};
  TNewNumbers zeps{};
  for (const TElementRef& e : set.Elements()) {
    const int i = e.Index;
    if (i > CountOf(e.Kind)) continue;
    switch (e.Kind) {
      case ElementKind::ZEP:
        zeps[static_cast<std::size_t>(i)] = ++part->ZEPCount;
        part->ZEPText[part->ZEPCount] = ZEPText[i];
        part->ZEPPos[part->ZEPCount] = ZEPPos[i];
        break;
      case ElementKind::Input:
        inputs[static_cast<std::size_t>(i)] = ++part->InputCount;
        part->InputName[part->InputCount] = InputName[i];
        part->InputPos[part->InputCount] = InputPos[i];
        break;
      case ElementKind::Output:
        ++part->OutputCount;
        part->OutputName[part->OutputCount] = OutputName[i];
        part->OutputPos[part->OutputCount] = OutputPos[i];
        break;
      case ElementKind::Comment:
        ++part->CommentCount;
        part->CommentText[part->CommentCount] = CommentText[i];
        part->CommentPos[part->CommentCount] = CommentPos[i];
        break;
      case ElementKind::Dot:
        part->DotPos[++part->DotCount] = DotPos[i];
        break;
    }
  }
  const SourceResolver net;
  for (int i = 1; i <= ZEPCount; ++i) {
    const int z = zeps[static_cast<std::size_t>(i)];
    if (z == 0) continue;
    const TZEPLink& link = ZEPLink[i];
    CopyFunctionName(*part, link.FuncCode);
    const TCopiedSource a = CopySource(net, ZEPText[i].SourceA, link.AKind, link.ADelay, link.AIndex, inputs, zeps);
    const TCopiedSource b = CopySource(net, ZEPText[i].SourceB, link.BKind, link.BDelay, link.BIndex, inputs, zeps);
    part->ZEPText[z].SourceA = a.Text;
    part->ZEPText[z].SourceB = b.Text;
    part->ZEPLink[z] = {0, a.Kind, a.Delay, a.Index, b.Kind, b.Delay, b.Index, 0};
  }
  return part;
}
