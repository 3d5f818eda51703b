// The main window's function name commands and the deletion panel.
#include <QListWidget>
#include <QPushButton>

#include "app/NetHome.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"

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
  if (file) AddLibFuncName(FuncNameOfFile(*file));
}

void TNetForm::AddUserClick() {
  if (EditDialogOpen) return;
  if (UserFuncCount >= MaxUserFunc) {
    Ask().Warning(FunctionFullMessage);
    return;
  }
  const auto file = Ask().OpenFile(QStringLiteral("*.zep"), NetworkDataPath.Str());
  if (file) AddUserFuncName(FuncNameOfFile(*file));
}

void TNetForm::AddBuiltinClick() {
  const auto file = Ask().OpenFile(QStringLiteral("*.lst"), BuiltDataPath.Str());
  if (!file) return;
  if (ImportLibFuncList(*file).StoppedFull) Ask().Warning(LibraryFullMessage);
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
  NetChanged(NetChangeKind::NameDelete, QStringLiteral("Delete Name ") + name.Str());
  // ZEPs that lost their function show it at once.
  PaintBoxPaint();
}

void TNetForm::CancelDelClick() {
  DelPnl->hide();
  PaintBoxPaint();
}
