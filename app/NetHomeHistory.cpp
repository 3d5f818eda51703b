// The main window's Edit menu, Undo and Redo, shown from the document's history.
#include <QAction>
#include <QListWidget>

#include "app/NetHome.h"
#include "document/NetDocument.h"
#include "model/FuncNames.h"
#include "model/NetDef.h"
#include "model/NetHistory.h"

namespace {

// A step's caption names elements, whose names may hold "&": the menu shows it as is.
QString MenuText(const QString& verb, const QString& step) {
  if (step.isEmpty()) return verb;
  return verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void TNetForm::UpdateEditItems() {
  const TNetHistory& history = document_->History();
  Undo->setEnabled(history.CanUndo());
  Undo->setText(MenuText(QStringLiteral("Undo"), history.CanUndo() ? history.UndoCaption() : QString()));
  Redo->setEnabled(history.CanRedo());
  Redo->setText(MenuText(QStringLiteral("Redo"), history.CanRedo() ? history.RedoCaption() : QString()));
}

void TNetForm::UndoClick() {
  if (document_->Undo()) AfterHistoryStep();
}

void TNetForm::RedoClick() {
  if (document_->Redo()) AfterHistoryStep();
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

void TNetForm::OfferRecoveryCopies() { document_->OfferRecoveryCopies(); }
