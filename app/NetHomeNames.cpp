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

}  // namespace

void TNetForm::AddLibClick() {
  if (EditDialogOpen) return;
  if (LibFuncCount >= MaxLibFunc) {
    Ask().Warning(LibraryFullMessage);
    return;
  }
  const auto file = Ask().OpenFile(QStringLiteral("*.lib"), NetworkDataPath.Str());
  if (!file) return;
  const TName name = FuncNameOfFile(*file);
  if (AddLibFuncName(name) == NameAdd::Added)
    NetChanged(NetChangeKind::NameAdd, QStringLiteral("Add Library Name ") + name.Str());
}

void TNetForm::AddUserClick() {
  if (EditDialogOpen) return;
  if (UserFuncCount >= MaxUserFunc) {
    Ask().Warning(FunctionFullMessage);
    return;
  }
  const auto file = Ask().OpenFile(QStringLiteral("*.zep"), NetworkDataPath.Str());
  if (!file) return;
  const TName name = FuncNameOfFile(*file);
  if (AddUserFuncName(name) == NameAdd::Added)
    NetChanged(NetChangeKind::NameAdd, QStringLiteral("Add User Function Name ") + name.Str());
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
