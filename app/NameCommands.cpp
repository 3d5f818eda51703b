#include "app/NameCommands.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

#include "app/CanvasPointer.h"
#include "app/NetHome.h"
#include "app/ViewCommands.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/Errors.h"
#include "platform/WidgetLooks.h"

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

QPushButton* PanelButton(const QString& caption, const QColor& color, int left, QWidget* panel) {
  auto* button = new QPushButton(caption, panel);
  button->setFont(BoldFontOf(button));
  SetTextColor(button, color);
  button->setGeometry(left, 4, 52, 22);
  return button;
}

}  // namespace

TNameCommands::TNameCommands(TNetForm& form, QWidget* viewport) : form_(form) {
  DelPnl = new QWidget(viewport);
  // Its own Window role: a child of the viewport would otherwise fill with the Base white.
  DelPnl->setBackgroundRole(QPalette::Window);
  SetBackground(DelPnl, QColor(0, 128, 0));
  DelPnl->setGeometry(8, 8, 116, 141);
  NameDel = PanelButton(QStringLiteral("Delete"), QColor(255, 0, 0), 4, DelPnl);
  CancelDel = PanelButton(QStringLiteral("Close"), QColor(0, 0, 255), 60, DelPnl);
  DelList = new QListWidget(DelPnl);
  DelList->setGeometry(4, 30, 108, 107);
  QPalette palette = DelList->palette();
  palette.setColor(QPalette::Base, QColor(0, 128, 128));
  palette.setColor(QPalette::Text, QColor(0, 255, 0));
  DelList->setPalette(palette);
  DelList->setFont(BoldFontOf(DelList));
  DelPnl->hide();
  QObject::connect(NameDel, &QPushButton::clicked, &form_, [this] { form_.RunCommand([this] { NameDelClick(); }); });
  QObject::connect(CancelDel, &QPushButton::clicked, &form_,
                   [this] { form_.RunCommand([this] { CancelDelClick(); }); });
}

void TNameCommands::AddLibClick() {
  AddNameOfChosenFile(form_.Ask(), {QStringLiteral("*.lib"), QStringLiteral("Add Library Name "),
                                    LibraryFullMessage, LibFuncCount >= MaxLibFunc, AddLibFuncName});
}

void TNameCommands::AddUserClick() {
  AddNameOfChosenFile(form_.Ask(), {QStringLiteral("*.zep"), QStringLiteral("Add User Function Name "),
                                    FunctionFullMessage, UserFuncCount >= MaxUserFunc, AddUserFuncName});
}

void TNameCommands::AddBuiltinClick() {
  const auto file = form_.Ask().OpenFile(QStringLiteral("*.lst"), BuiltDataPath.Str());
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
    if (import.StoppedFull) form_.Ask().Warning(LibraryFullMessage);
  } catch (const RuntimeError&) {
    announce();
    throw;
  }
}

void TNameCommands::DeleteNameClick() {
  DelPnl->show();
  DelPnl->raise();
  FillDelList(DelList);
}

void TNameCommands::NameDelClick() {
  const QList<QListWidgetItem*> chosen = DelList->selectedItems();
  if (chosen.isEmpty()) {
    form_.Ask().Warning(NoNameChosenMessage);
    return;
  }
  const TName name = chosen.first()->text();
  if (FuncNameInUse(name)) {
    if (form_.Ask().AskYesNo(NameInUseQuestion) != Answer::Yes) return;
    ReleaseFuncName(name);
  }
  RemoveFuncName(name);
  FillDelList(DelList);
  // The canvas repaints on the change: ZEPs that lost their function show it at once.
  NetChanged(NetChangeKind::NameDelete, QStringLiteral("Delete Name ") + name.Str());
}

void TNameCommands::CancelDelClick() {
  // Left to itself the keyboard would go on to the next control, a printer offset field.
  form_.Pointer().FocusCanvas();
  DelPnl->hide();
  form_.View().PaintBoxPaint();
}

void TNameCommands::RefreshDeletable() {
  if (DelPnl->isVisible()) FillDelList(DelList);
}
