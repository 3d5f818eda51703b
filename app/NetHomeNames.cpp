// The main window's function name commands and the deletion panel.
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

#include "app/NetHome.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/Errors.h"

namespace {

const QString NoNameChosenMessage =
    QStringLiteral("No name is chosen. Click a name in the list first, then press Delete.");

void FillDelList(QListWidget* list) {
  list->clear();
  list->addItems(DeletableFuncNames());
}

// One of the two lists that take the name of a chosen file: the library names ("*.lib")
// and the user function names ("*.zep").
struct TNameList {
  QString Pattern;
  QString StepCaption;
  QString FullMessage;
  bool Full = false;
  NameAdd (*Add)(const TName&) = nullptr;
};

// The name of a file chosen in the network folder joins its list, unless the list is full
// or holds it already.
void AddNameOfChosenFile(Prompts& prompts, const TNameList& list) {
  if (EditDialogOpen) return;
  if (list.Full) {
    prompts.Warning(list.FullMessage);
    return;
  }
  const auto file = prompts.OpenFile(list.Pattern, NetworkDataPath.Str());
  if (!file) return;
  const TName name = FuncNameOfFile(*file);
  if (list.Add(name) == NameAdd::Added) NetChanged(NetChangeKind::NameAdd, list.StepCaption + name.Str());
}

}  // namespace

void TNetForm::AddLibClick() {
  AddNameOfChosenFile(Ask(), {QStringLiteral("*.lib"), QStringLiteral("Add Library Name "), LibraryFullMessage,
                              LibFuncCount >= MaxLibFunc, AddLibFuncName});
}

void TNetForm::AddUserClick() {
  AddNameOfChosenFile(Ask(), {QStringLiteral("*.zep"), QStringLiteral("Add User Function Name "),
                              FunctionFullMessage, UserFuncCount >= MaxUserFunc, AddUserFuncName});
}

void TNetForm::AddBuiltinClick() {
  const auto file = Ask().OpenFile(QStringLiteral("*.lst"), BuiltDataPath.Str());
  if (!file) return;
  const int countBefore = LibFuncCount;
  // Names read before a read error stay listed, and are announced like a whole list.
  const auto announce = [&] {
    if (LibFuncCount != countBefore)
      NetChanged(NetChangeKind::NameAdd, QStringLiteral("Import Library Names ") + QFileInfo(*file).fileName());
  };
  try {
    const TListImport import = ImportLibFuncList(*file);
    announce();
    if (import.StoppedFull) Ask().Warning(LibraryFullMessage);
  } catch (const RuntimeError&) {
    announce();
    throw;
  }
}

void TNetForm::DeleteNameClick() {
  DelPnl->show();
  DelPnl->raise();
  FillDelList(DelList);
}

void TNetForm::NameDelClick() {
  const QList<QListWidgetItem*> chosen = DelList->selectedItems();
  if (chosen.isEmpty()) {
    Ask().Warning(NoNameChosenMessage);
    return;
  }
  const TName name = chosen.first()->text();
  if (FuncNameInUse(name)) {
    if (Ask().AskYesNo(NameInUseQuestion) != Answer::Yes) return;
    ReleaseFuncName(name);
  }
  RemoveFuncName(name);
  FillDelList(DelList);
  // The canvas repaints on the change: ZEPs that lost their function show it at once.
  NetChanged(NetChangeKind::NameDelete, QStringLiteral("Delete Name ") + name.Str());
}

void TNetForm::CancelDelClick() {
  // Left to itself the keyboard would go on to the next control, a printer offset field.
  FocusCanvas();
  DelPnl->hide();
  PaintBoxPaint();
}
