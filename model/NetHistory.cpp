#include "model/NetHistory.h"

#include "model/NetDiff.h"

namespace {

// One change of the net. It is done when it is recorded, so its first redo, which the
// stack calls on push, leaves the tables alone.
class TNetStep : public QUndoCommand {
public:
  TNetStep(const QString& caption, TNetDiff diff, TNetTables& recorded)
      : QUndoCommand(caption), diff_(std::move(diff)), recorded_(recorded) {}

  void undo() override { Toggle(); }
  void redo() override {
    if (done_) {
      done_ = false;
      return;
    }
    Toggle();
  }
  qsizetype Bytes() const { return qsizetype(sizeof *this) + diff_.Bytes(); }

private:
  // Puts the tables into the state the step holds, and keeps the one they were in.
  void Toggle() {
    diff_.SwapWith(NetTables);
    diff_.CopyPieces(NetTables, recorded_);
  }

  TNetDiff diff_;
  TNetTables& recorded_;
  bool done_ = true;
};

}  // namespace

TNetHistory::TNetHistory(QObject* parent)
    : QObject(parent), recorded_(std::make_unique<TNetTables>(NetTables)) {
  stack_.setUndoLimit(StepLimit);
}

void TNetHistory::FollowNetEvents() {
  connect(&NetEvents::Instance(), &NetEvents::Changed, this, &TNetHistory::Take);
  connect(&NetEvents::Instance(), &NetEvents::Saved, this, &TNetHistory::MarkSaved);
}

void TNetHistory::MarkSaved() {
  stack_.setClean();
  emit StateChanged();
}

TNetHistory::~TNetHistory() = default;

qsizetype TNetHistory::Bytes() const {
  qsizetype bytes = 0;
  for (int i = 0; i < stack_.count(); ++i) bytes += static_cast<const TNetStep*>(stack_.command(i))->Bytes();
  return bytes;
}

void TNetHistory::Take(const NetChange& change) {
  switch (change.Kind) {
    case NetChangeKind::History: return;
    case NetChangeKind::Routes: Absorb(); return;
    default:
      if (ReplacesNet(change.Kind)) StartAfresh();
      else Record(change.Caption);
  }
}

// Routes laid again follow from the net as it stands: they become part of the state now
// shown, with no step of their own, so Edited and the steps before stay as they were.
void TNetHistory::Absorb() { *recorded_ = NetTables; }

bool TNetHistory::HoldsUnannouncedChange() const { return !(NetTables == *recorded_); }

void TNetHistory::CheckEveryChangeAnnounced() const {
#ifndef NDEBUG
  if (HoldsUnannouncedChange())
    qFatal("The net changed without NetChanged: the undo or redo would fold that change in");
#endif
}

void TNetHistory::Record(const QString& caption) {
  TNetDiff diff = TNetDiff::Between(*recorded_, NetTables);
  if (diff.IsEmpty()) return;
  diff.CopyPieces(NetTables, *recorded_);
  stack_.push(new TNetStep(caption, std::move(diff), *recorded_));
  emit StateChanged();
}

void TNetHistory::StartAfresh() {
  stack_.clear();
  *recorded_ = NetTables;
  emit StateChanged();
}

bool TNetHistory::Undo() { return Step(false); }

bool TNetHistory::Redo() { return Step(true); }

bool TNetHistory::Step(bool forward) {
  if (EditDialogOpen || !(forward ? stack_.canRedo() : stack_.canUndo())) return false;
  CheckEveryChangeAnnounced();
  const QString caption = forward ? QStringLiteral("Redo ") + stack_.redoText() : QStringLiteral("Undo ") + stack_.undoText();
  if (forward) stack_.redo();
  else stack_.undo();
  Edited = !stack_.isClean();
  NetChanged(NetChangeKind::History, caption);
  emit StateChanged();
  return true;
}
