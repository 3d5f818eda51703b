// The main window's Edit menu, Undo and Redo, and the recovery copy with its offer at start.
#include <QAction>
#include <QFile>
#include <QListWidget>

#include "app/NetHome.h"
#include "model/FuncNames.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"
#include "netfile/NetFileCommands.h"
#include "netfile/NetReader.h"
#include "netfile/RecoveryCopy.h"
#include "netfile/RecoveryOffer.h"

namespace {

constexpr const char* CaptionPrefix = "Plexor -- ";

// A step's caption names elements, whose names may hold "&": the menu shows it as is.
QString MenuText(const QString& verb, const QString& step) {
  if (step.isEmpty()) return verb;
  return verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void TNetForm::SetUpHistory() {
  history_ = std::make_unique<TNetHistory>();
  connect(history_.get(), &TNetHistory::StateChanged, this, &TNetForm::UpdateEditItems);
  recovery_ = std::make_unique<TRecoveryCopy>([this] {
    const QString caption = windowTitle();
    return caption.startsWith(QLatin1String(CaptionPrefix)) ? caption.mid(qstrlen(CaptionPrefix)) : QString();
  });
  connect(recovery_.get(), &TRecoveryCopy::CannotKeepCopy, this, [this](const QString& message) { Ask().Warning(message); });
  UpdateEditItems();
}

void TNetForm::UpdateEditItems() {
  Undo->setEnabled(history_->CanUndo());
  Undo->setText(MenuText(QStringLiteral("Undo"), history_->CanUndo() ? history_->UndoCaption() : QString()));
  Redo->setEnabled(history_->CanRedo());
  Redo->setText(MenuText(QStringLiteral("Redo"), history_->CanRedo() ? history_->RedoCaption() : QString()));
}

void TNetForm::UndoClick() {
  if (history_->Undo()) AfterHistoryStep();
}

void TNetForm::RedoClick() {
  if (history_->Redo()) AfterHistoryStep();
}

void TNetForm::AfterHistoryStep() {
  // The tables came back as they were recorded, routes included, so a loaded net keeps
  // the routes of its file. Element numbers may name other elements now: nothing stays
  // picked or waiting to be placed.
  CurZEP = CurInput = CurOutput = CurComment = CurDot = 0;
  Picked = false;
  Dragging = false;
  RepaintCanvas();
  UpdateActions();
  if (DelPnl->isVisible()) {
    DelList->clear();
    DelList->addItems(DeletableFuncNames());
  }
}

void TNetForm::OfferRecoveryCopies() {
  std::vector<TStaleCopy> copies = ClaimStaleCopies();
  const TRecoveryOffer offer = PlanRecoveryOffer(copies);
  if (!offer.SetAside.isEmpty()) Ask().Warning(offer.SetAside);
  if (!offer.Copy) return;
  switch (AskRecoveryOffer(Ask(), offer)) {
    case TRecoveryChoice::Restore:
      RestoreCopy(*offer.Copy);
      DiscardStaleCopy(*offer.Copy);
      break;  // the older copies wait for the next start
    case TRecoveryChoice::DiscardAll: DiscardStaleCopies(copies); break;
    case TRecoveryChoice::KeepAll: break;
  }
}

void TNetForm::RestoreCopy(const TStaleCopy& copy) {
  const std::unique_ptr<QFile> file = OpenNetFile(copy.CopyPath);
  NetFileName = copy.FileName;
  if (!copy.Origin.isEmpty()) setWindowTitle(NetCaption(copy.Origin));
  NetAboutToBeReplaced(NetChangeKind::Load);
  LoadNet(*file, Ask());
  ApplyScale();
  NetChanged(NetChangeKind::Load);
  // The net holds changes that no file has: it stays edited, even when undone to here,
  // and this program keeps its own copy of it before the old one goes.
  Edited = true;
  history_->ForgetSavedState();
  Recovery().WriteNow();
  Recovery().Flush();
  UpdateActions();
}
