#include "model/ElementEdit.h"

#include <QStringList>

#include "model/NetChange.h"

namespace {

template <typename T, int N>
void CloseGap(Table<T, N>& table, int k, int count) {
  for (int i = k; i < count; ++i) table[i] = table[i + 1];
}

// A reference to element k of a deleted kind is dropped, one to a later element follows
// it one place down.
void FixReference(int& kind, int& index, bool kindMatches, int k) {
  if (!kindMatches) return;
  if (index == k) {
    kind = KindNone;
    index = 0;
  } else if (index > k) {
    --index;
  }
}

bool IsZEPKind(int kind) { return kind == KindZEP || kind == KindZEPNoDelay; }

void FixReferencesToZEP(int k) {
  for (int i = 1; i <= ZEPCount; ++i) {
    if (i == k) continue;
    TZEPLink& link = ZEPLink[i];
    FixReference(link.AKind, link.AIndex, IsZEPKind(link.AKind), k);
    FixReference(link.BKind, link.BIndex, IsZEPKind(link.BKind), k);
  }
}

void FixReferencesToInput(int k) {
  for (int i = 1; i <= ZEPCount; ++i) {
    TZEPLink& link = ZEPLink[i];
    FixReference(link.AKind, link.AIndex, link.AKind == KindInput, k);
    FixReference(link.BKind, link.BIndex, link.BKind == KindInput, k);
  }
}

// The Output a ZEP feeds is kept by number too; left alone, it would point at the next
// Output, or at a record beyond the count, and that wrong connection would be saved.
void FixReferencesToOutput(int k) {
  for (int i = 1; i <= ZEPCount; ++i) {
    int& out = ZEPLink[i].OutIndex;
    if (out == k) out = 0;
    else if (out > k) --out;
  }
}

int& CountRef(ElementKind kind) {
  switch (kind) {
    case ElementKind::ZEP: return ZEPCount;
    case ElementKind::Input: return InputCount;
    case ElementKind::Output: return OutputCount;
    case ElementKind::Comment: return CommentCount;
    case ElementKind::Dot: break;
  }
  return DotCount;
}

// A label box that nothing hits until the painter records the real one.
constexpr TLabelBox UndrawnBox{0, 0, -1, -1};

void FillDefaults(ElementKind kind, int n) {
  switch (kind) {
    case ElementKind::ZEP:
      ZEPText[n] = {"New", "Non", "Non", "Non"};
      ZEPLink[n] = {};
      ZEPLink[n].FuncCode = 101;
      ZEPPos[n] = {30, 5, 3};
      SourceRest[n] = {};
      break;
    case ElementKind::Input:
      InputName[n] = "New_Input";
      InputPos[n] = {25, 5, 5};
      InputBox[n] = UndrawnBox;
      break;
    case ElementKind::Output:
      OutputName[n] = "New_Output";
      OutputPos[n] = {25, 5, 1};
      OutputBox[n] = UndrawnBox;
      break;
    case ElementKind::Comment:
      CommentText[n] = "New Comment";
      CommentPos[n] = {25, 2};
      CommentBox[n] = UndrawnBox;
      break;
    case ElementKind::Dot:
      DotPos[n] = {25, 2};
      DotBox[n] = UndrawnBox;
      break;
  }
}

void RemoveRecords(ElementKind kind, int k) {
  const int count = CountOf(kind);
  switch (kind) {
    case ElementKind::ZEP:
      CloseGap(ZEPText, k, count);
      CloseGap(ZEPLink, k, count);
      CloseGap(ZEPPos, k, count);
      CloseGap(SourceRest, k, count);
      break;
    case ElementKind::Input:
      CloseGap(InputName, k, count);
      CloseGap(InputBox, k, count);
      CloseGap(InputPos, k, count);
      break;
    case ElementKind::Output:
      CloseGap(OutputName, k, count);
      CloseGap(OutputBox, k, count);
      CloseGap(OutputPos, k, count);
      break;
    case ElementKind::Comment:
      CloseGap(CommentText, k, count);
      CloseGap(CommentBox, k, count);
      CloseGap(CommentPos, k, count);
      break;
    case ElementKind::Dot:
      CloseGap(DotBox, k, count);
      CloseGap(DotPos, k, count);
      break;
  }
}

}  // namespace

QString ElementCaption(ElementKind kind, int index) {
  switch (kind) {
    case ElementKind::ZEP: return QStringLiteral("ZEP ") + ZEPText[index].Name.Str();
    case ElementKind::Input: return QStringLiteral("Input ") + InputName[index].Str();
    case ElementKind::Output: return QStringLiteral("Output ") + OutputName[index].Str();
    case ElementKind::Comment: return QStringLiteral("Comment ") + CommentText[index].Str().left(20);
    case ElementKind::Dot: break;
  }
  return QStringLiteral("Dot %1").arg(index);
}

QString KindWord(ElementKind kind) {
  switch (kind) {
    case ElementKind::ZEP: return QStringLiteral("ZEP");
    case ElementKind::Input: return QStringLiteral("Input");
    case ElementKind::Output: return QStringLiteral("Output");
    case ElementKind::Comment: return QStringLiteral("Comment");
    case ElementKind::Dot: break;
  }
  return QStringLiteral("Dot");
}

int& CurrentOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::ZEP: return CurZEP;
    case ElementKind::Input: return CurInput;
    case ElementKind::Output: return CurOutput;
    case ElementKind::Comment: return CurComment;
    case ElementKind::Dot: break;
  }
  return CurDot;
}

int CountOf(ElementKind kind) { return CountRef(kind); }

int CapacityOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::ZEP: return MaxZEP;
    case ElementKind::Input: return MaxInput;
    case ElementKind::Output: return MaxOutput;
    case ElementKind::Comment: return MaxComment;
    case ElementKind::Dot: break;
  }
  return MaxDot;
}

TGridPoint ElementPoint(ElementKind kind, int index) {
  switch (kind) {
    case ElementKind::ZEP: return {ZEPPos[index].X, ZEPPos[index].Y};
    case ElementKind::Input: return {InputPos[index].X, InputPos[index].Y};
    case ElementKind::Output: return {OutputPos[index].X, OutputPos[index].Y};
    case ElementKind::Comment: return CommentPos[index];
    case ElementKind::Dot: break;
  }
  return DotPos[index];
}

void SetElementPoint(ElementKind kind, int index, TGridPoint point) {
  switch (kind) {
    case ElementKind::ZEP: ZEPPos[index].X = point.X; ZEPPos[index].Y = point.Y; return;
    case ElementKind::Input: InputPos[index].X = point.X; InputPos[index].Y = point.Y; return;
    case ElementKind::Output: OutputPos[index].X = point.X; OutputPos[index].Y = point.Y; return;
    case ElementKind::Comment: CommentPos[index] = point; return;
    case ElementKind::Dot: DotPos[index] = point; return;
  }
}

void DropStaleCurrents() {
  for (ElementKind kind : ElementKinds) {
    int& current = CurrentOf(kind);
    if (current < 0 || current > CountOf(kind)) current = 0;
  }
}

bool AppendRefused(ElementKind kind) {
  switch (kind) {
    case ElementKind::ZEP: return ZEPCount >= MaxZEP;
    case ElementKind::Input: return InputCount >= 2 * ZEPCount || InputCount >= MaxInput;
    case ElementKind::Output: return OutputCount >= ZEPCount + 1 || OutputCount >= MaxOutput;
    case ElementKind::Comment: return CommentCount >= MaxComment;
    case ElementKind::Dot: break;
  }
  return DotCount >= MaxDot;
}

namespace {

// The new element's number, or 0 when its table is full (the warning shown).
int AppendDefaults(ElementKind kind, Prompts& prompts) {
  if (AppendRefused(kind)) {
    prompts.Warning(QStringLiteral("Sorry! The system cannot append any more %1 !").arg(KindWord(kind)));
    return 0;
  }
  const int n = ++CountRef(kind);
  FillDefaults(kind, n);
  return n;
}

}  // namespace

bool AppendElement(ElementKind kind, Prompts& prompts) {
  const int n = AppendDefaults(kind, prompts);
  if (n == 0) return false;
  CurrentOf(kind) = n;
  NetChanged(NetChangeKind::Append, QStringLiteral("Append ") + ElementCaption(kind, n));
  return true;
}

bool AppendElementAt(ElementKind kind, TGridPoint at, Prompts& prompts) {
  const int n = AppendDefaults(kind, prompts);
  if (n == 0) return false;
  SetElementPoint(kind, n, at);
  NetChanged(NetChangeKind::Append, QStringLiteral("Append ") + ElementCaption(kind, n));
  return true;
}

void DeleteElement(ElementKind kind, int k) {
  if (k < 1 || k > CountOf(kind)) return;
  switch (kind) {
    case ElementKind::ZEP: FixReferencesToZEP(k); break;
    case ElementKind::Input: FixReferencesToInput(k); break;
    case ElementKind::Output: FixReferencesToOutput(k); break;
    case ElementKind::Comment:
    case ElementKind::Dot: break;
  }
  RemoveRecords(kind, k);
  --CountRef(kind);
  CurrentOf(kind) = 0;
  Picked = false;
}

void DeleteCurrentElements(Prompts& prompts, const std::function<void(ElementKind)>& afterDelete) {
  DropStaleCurrents();
  QStringList deleted;
  for (ElementKind kind : ElementKinds) {
    const int k = CurrentOf(kind);
    if (k == 0) continue;
    const QString question = QStringLiteral("Do you DELETE the directed %1 ?").arg(KindWord(kind));
    if (prompts.AskOkCancel(question) != Answer::Ok) continue;
    deleted << ElementCaption(kind, k);
    DeleteElement(kind, k);
    if (afterDelete) afterDelete(kind);
  }
  EditDialogOpen = false;
  if (!deleted.isEmpty())
    NetChanged(NetChangeKind::Delete, QStringLiteral("Delete ") + deleted.join(QStringLiteral(", ")));
}
