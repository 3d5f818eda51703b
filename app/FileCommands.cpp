#include "app/FileCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/NameCommands.h"
#include "app/NetHome.h"
#include "app/ViewCommands.h"
#include "document/NetDocument.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"

void TFileCommands::NewClick() { form_.Document().New(); }

void TFileCommands::LoadClick() { form_.Document().Load(); }

void TFileCommands::LoadBtnClick() { LoadClick(); }

void TFileCommands::SaveClick() { form_.Document().Save(); }

void TFileCommands::SaveBtnClick() { SaveClick(); }

void TFileCommands::SaveInPlaceClick() { form_.Document().SaveInPlace(); }

void TFileCommands::UndoClick() {
  if (form_.Document().Undo()) AfterHistoryStep();
}

void TFileCommands::RedoClick() {
  if (form_.Document().Redo()) AfterHistoryStep();
}

void TFileCommands::AfterHistoryStep() {
  // The tables came back as they were recorded, routes included, so a loaded net keeps
  // the routes of its file. Element numbers may name other elements now: nothing stays
  // picked or waiting to be placed.
  CurZEP = CurInput = CurOutput = CurComment = CurDot = 0;
  Picked = false;
  Dragging = false;
  form_.View().RepaintCanvas();
  form_.UpdateActions();
  form_.Names().RefreshDeletable();
}

void TFileCommands::OfferRecoveryCopies() { form_.Document().OfferRecoveryCopies(); }

void TFileCommands::OpenNet(const QString& path) { form_.Document().Load(QFileInfo(path).absoluteFilePath()); }

void TFileCommands::OpenNetNamedAtStart() {
  if (netAtStart_.isEmpty()) return;
  const QString path = std::exchange(netAtStart_, QString());
  form_.RunCommand([&] { OpenNet(path); });
}

void TFileCommands::BuildRecentNets(QMenu* fileMenu, QAction* before) {
  RecentNets = new QMenu(QStringLiteral("Recent Nets"), fileMenu);
  fileMenu->insertMenu(before, RecentNets);
  QObject::connect(fileMenu, &QMenu::aboutToShow, &form_, [this] { RefreshRecentNets(); });
  RefreshRecentNets();
}

void TFileCommands::RefreshRecentNets() {
  RecentNets->clear();
  const QStringList paths = form_.Document().RecentNets();
  for (const QString& path : paths) {
    QAction* item = RecentNets->addAction(path);
    item->setEnabled(QFileInfo::exists(path));
    QObject::connect(item, &QAction::triggered, &form_, [this, path] { form_.RunCommand([&] { OpenNet(path); }); });
  }
  RecentNets->setEnabled(!paths.isEmpty());
}

namespace {

// A step's caption names elements, whose names may hold "&": the menu shows it as is.
QString MenuText(const QString& verb, const QString& step) {
  if (step.isEmpty()) return verb;
  return verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void ShowHistorySteps(const TNetHistory& history, QAction* undo, QAction* redo) {
  undo->setEnabled(history.CanUndo());
  undo->setText(MenuText(QStringLiteral("Undo"), history.CanUndo() ? history.UndoCaption() : QString()));
  redo->setEnabled(history.CanRedo());
  redo->setText(MenuText(QStringLiteral("Redo"), history.CanRedo() ? history.RedoCaption() : QString()));
}
