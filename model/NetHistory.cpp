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
  connect(&NetEvents::Instance(), &NetEvents::Changed, this, &TNetHistory::NetChangedOn);
  connect(&NetEvents::Instance(), &NetEvents::Saved, this, [this] {
    stack_.setClean();
    emit StateChanged();
  });
}

TNetHistory::~TNetHistory() = default;

qsizetype TNetHistory::Bytes() const {
  qsizetype bytes = 0;
  for (int i = 0; i < stack_.count(); ++i) bytes += static_cast<const TNetStep*>(stack_.command(i))->Bytes();
  return bytes;
}

void TNetHistory::NetChangedOn(const NetChange& change) {
  if (change.Kind == NetChangeKind::History) return;
  if (ReplacesNet(change.Kind)) StartAfresh();
  else Record(change.Caption);
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

bool TNetHistory::Undo() {
  if (EditDialogOpen || !stack_.canUndo()) return false;
  const QString caption = QStringLiteral("Undo ") + stack_.undoText();
  stack_.undo();
  Edited = !stack_.isClean();
  NetChanged(NetChangeKind::History, caption);
  emit StateChanged();
  return true;
}

bool TNetHistory::Redo() {
  if (EditDialogOpen || !stack_.canRedo()) return false;
  const QString caption = QStringLiteral("Redo ") + stack_.redoText();
  stack_.redo();
  Edited = !stack_.isClean();
  NetChanged(NetChangeKind::History, caption);
  emit StateChanged();
  return true;
}
