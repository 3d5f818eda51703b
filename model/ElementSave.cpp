#include "model/ElementSave.h"

#include "model/ElementEdit.h"
#include "model/NetDef.h"
#include "model/NetRules.h"
#include "model/ZEPMove.h"

namespace {

int FindZEPName(const QString& text) {
  for (int m = 1; m <= ZEPCount; ++m)
    if (ZEPText[m].Name.Str() == text) return m;
  return 0;
}

int FindInputName(const QString& text) {
  for (int k = 1; k <= InputCount; ++k)
    if (InputName[k].Str() == text) return k;
  return 0;
}

bool Within(int index, int count) { return index >= 1 && index <= count; }

// Names need not be unique: an input already fed from an element of the chosen name keeps
// that element rather than the first of the name.
int SourceZEP(const QString& text, int kind, int index) {
  if (FedFromZEP(kind) && Within(index, ZEPCount) && ZEPText[index].Name.Str() == text) return index;
  return FindZEPName(text);
}

int SourceInput(const QString& text, int kind, int index) {
  if (kind == KindInput && Within(index, InputCount) && InputName[index].Str() == text) return index;
  return FindInputName(text);
}

// An unmatched text or no "Data from" choice leaves the input as it was.
void ApplySource(const TSourceEdit& edit, TName& source, int& kind, int& delay, int& index) {
  if (edit.Text.isEmpty()) return;
  if (edit.From == FromZEP) {
    const int m = SourceZEP(edit.Text, kind, index);
    if (m == 0) return;
    source = edit.Text;
    kind = KindZEP;
    delay = edit.Delay;
    index = m;
  } else if (edit.From == FromInput) {
    const int k = SourceInput(edit.Text, kind, index);
    if (k == 0) return;
    source = edit.Text;
    kind = KindInput;
    delay = 0;
    index = k;
  }
}

bool MeansNoFunction(const QString& text) { return text.compare(QLatin1String("Non"), Qt::CaseInsensitive) == 0; }

// The first name of the library list, then of the user list, equal to the text; letter case
// counts unless `anyCase`.
QString ListedName(const QString& text, bool anyCase) {
  const Qt::CaseSensitivity sensitivity = anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  for (int j = 1; j <= LibFuncCount; ++j)
    if (LibFuncName[j].Str().compare(text, sensitivity) == 0) return LibFuncName[j].Str();
  for (int u = 1; u <= UserFuncCount; ++u)
    if (UserFuncName[u].Str().compare(text, sensitivity) == 0) return UserFuncName[u].Str();
  return {};
}

void ChooseFunction(int z, const QString& text) {
  if (text.isEmpty()) return;
  if (MeansNoFunction(text) && ZEPText[z].FuncName.Str() != text) {
    ZEPText[z].FuncName = text;
    ZEPLink[z].FuncCode = 0;
    return;
  }
  for (int j = 1; j <= LibFuncCount; ++j) {
    if (LibFuncName[j].Str() != text) continue;
    ZEPText[z].FuncName = LibFuncName[j];
    ZEPLink[z].FuncCode = j;
    return;
  }
  for (int u = 1; u <= UserFuncCount; ++u) {
    if (UserFuncName[u].Str() != text) continue;
    ZEPText[z].FuncName = UserFuncName[u];
    ZEPLink[z].FuncCode = UserFuncBase + u;
    return;
  }
}

// Renames the ZEP sources equal to the old name whose link does not name another element.
template <typename LinkedElsewhere>
void RenameSources(const TName& old, const TName& now, LinkedElsewhere linkedElsewhere) {
  if (old == now) return;
  for (int k = 1; k <= ZEPCount; ++k) {
    TZEPText& text = ZEPText[k];
    const TZEPLink& link = ZEPLink[k];
    if (text.SourceA == old && !linkedElsewhere(link.AKind, link.AIndex)) text.SourceA = now;
    if (text.SourceB == old && !linkedElsewhere(link.BKind, link.BIndex)) text.SourceB = now;
  }
}

bool ShowsAnotherZEP(int o, int z) {
  for (int k = 1; k <= ZEPCount; ++k)
    if (k != z && ZEPLink[k].OutIndex == o) return true;
  return false;
}

// The first Output bearing a ZEP's name shows it; an earlier one keeps doing so.
bool ShowsEarlierOutput(int z, int o) {
  const int shown = ZEPLink[z].OutIndex;
  return shown >= 1 && shown < o && shown <= OutputCount && OutputName[shown] == ZEPText[z].Name;
}

}  // namespace

TEditTarget EditTargetOfSelection() {
  TEditTarget target;
  if (Within(CurZEP, ZEPCount)) target.ZEP = CurZEP;
  if (Within(CurComment, CommentCount)) target = {target.ZEP, TermKind::Comment, CurComment};
  else if (Within(CurOutput, OutputCount)) target = {target.ZEP, TermKind::Output, CurOutput};
  else if (Within(CurInput, InputCount)) target = {target.ZEP, TermKind::Input, CurInput};
  return target;
}

TEditTarget StillCurrent(const TEditTarget& target) {
  TEditTarget still;
  if (target.ZEP > 0 && CurZEP == target.ZEP && Within(target.ZEP, ZEPCount)) still.ZEP = target.ZEP;
  bool current = false;
  switch (target.Term) {
    case TermKind::Input: current = CurInput == target.Index && Within(target.Index, InputCount); break;
    case TermKind::Output: current = CurOutput == target.Index && Within(target.Index, OutputCount); break;
    case TermKind::Comment: current = CurComment == target.Index && Within(target.Index, CommentCount); break;
    case TermKind::None: break;
  }
  if (current) {
    still.Term = target.Term;
    still.Index = target.Index;
  }
  return still;
}

QString PropertiesCaption(const TEditTarget& target) {
  QStringList elements;
  if (target.ZEP > 0) elements << ElementCaption(ElementKind::ZEP, target.ZEP);
  switch (target.Term) {
    case TermKind::Input: elements << ElementCaption(ElementKind::Input, target.Index); break;
    case TermKind::Output: elements << ElementCaption(ElementKind::Output, target.Index); break;
    case TermKind::Comment: elements << ElementCaption(ElementKind::Comment, target.Index); break;
    case TermKind::None: break;
  }
  return QStringLiteral("Properties of ") + elements.join(QStringLiteral(", "));
}

bool SourceNamesNothing(int z, char port, const TSourceEdit& edit) {
  if (edit.Text.isEmpty() || edit.From == FromNone) return false;
  const TZEPLink& link = ZEPLink[z];
  const TName& source = port == 'A' ? ZEPText[z].SourceA : ZEPText[z].SourceB;
  const int kind = port == 'A' ? link.AKind : link.BKind;
  const int index = port == 'A' ? link.AIndex : link.BIndex;
  if (edit.From == FromZEP) return SourceZEP(edit.Text, kind, index) == 0 && !(FedFromZEP(kind) && source == edit.Text);
  return SourceInput(edit.Text, kind, index) == 0 && !(kind == KindInput && source == edit.Text);
}

TypedFunction ClassifyTypedFunction(int z, const QString& text) {
  if (text.isEmpty() || text == ZEPText[z].FuncName.Str() || MeansNoFunction(text)) return TypedFunction::Kept;
  if (!ListedName(text, false).isEmpty()) return TypedFunction::Listed;
  if (!ListedName(text, true).isEmpty()) return TypedFunction::OtherCase;
  return TypedFunction::Unlisted;
}

QString ListedSpelling(const QString& text) { return ListedName(text, true); }

void SaveZEPEdit(int z, const TZEPEdit& edit) {
  TZEPText& text = ZEPText[z];
  TZEPLink& link = ZEPLink[z];
  ApplySource(edit.A, text.SourceA, link.AKind, link.ADelay, link.AIndex);
  ApplySource(edit.B, text.SourceB, link.BKind, link.BDelay, link.BIndex);
  ZEPPos[z].OutLength = edit.OutLine + 2;
  RenameZEP(z, edit.Name);
  ChooseFunction(z, edit.Function);
  if (edit.Number != z) MoveZEP(z, edit.Number);
}

void RenameZEP(int z, const QString& name) {
  if (name.isEmpty()) return;
  const TName old = ZEPText[z].Name;
  const TName now = name;
  ZEPText[z].Name = now;
  RenameSources(old, now, [z](int kind, int index) {
    return kind == KindInput || (FedFromZEP(kind) && index != z);
  });
  for (int o = 1; o <= OutputCount; ++o)
    if (OutputName[o] == old && !ShowsAnotherZEP(o, z)) OutputName[o] = now;
}

void RenameInput(int i, const QString& name) {
  const TName old = InputName[i];
  const TName now = name;
  InputName[i] = now;
  RenameSources(old, now, [i](int kind, int index) {
    return FedFromZEP(kind) || (kind == KindInput && index != i);
  });
}

void SaveInputEdit(int i, const QString& name, int length) {
  InputPos[i].Length = length;
  RenameInput(i, name);
}

void SaveOutputEdit(int o, const QString& name, int length) {
  OutputPos[o].Length = length;
  const TName old = OutputName[o];
  // Only the ZEP this Output showed loses it; another Output of that name keeps its ZEP.
  for (int z = 1; z <= ZEPCount; ++z)
    if (ZEPText[z].Name == old && ZEPLink[z].OutIndex == o) ZEPLink[z].OutIndex = 0;
  OutputName[o] = name;
  for (int z = 1; z <= ZEPCount; ++z)
    if (ZEPText[z].Name.Str() == name && !ShowsEarlierOutput(z, o)) ZEPLink[z].OutIndex = o;
}

void SaveCommentEdit(int c, const QString& text) { CommentText[c] = text; }

void ConnectInput(int z, int port, bool fromZEP, int source) {
  const TSourceEdit edit{fromZEP ? ZEPText[source].Name.Str() : InputName[source].Str(), fromZEP ? FromZEP : FromInput, 0};
  TZEPText& text = ZEPText[z];
  TZEPLink& link = ZEPLink[z];
  if (port == 1) ApplySource(edit, text.SourceA, link.AKind, link.ADelay, link.AIndex);
  else ApplySource(edit, text.SourceB, link.BKind, link.BDelay, link.BIndex);
}

void ClearEditSelection() {
  CurZEP = 0;
  CurInput = 0;
  CurOutput = 0;
  CurComment = 0;
  EditDialogOpen = false;
  Picked = false;
}

QStringList ZEPNames() {
  QStringList names;
  for (int m = 1; m <= ZEPCount; ++m) names.append(ZEPText[m].Name.Str());
  return names;
}

QStringList InputNames() {
  QStringList names;
  for (int k = 1; k <= InputCount; ++k) names.append(InputName[k].Str());
  return names;
}
