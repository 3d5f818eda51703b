#pragma once
// The undo history of the net. Every change of the net becomes one step named by its
// caption; Load and New start a fresh history; a save marks the state that Edited compares
// against. A step keeps only the records the change touched (TNetDiff), measured against a
// copy of the tables as last recorded.
#include <QObject>
#include <QUndoStack>
#include <memory>

#include "model/NetChange.h"
#include "model/NetDef.h"

class TNetHistory : public QObject {
  Q_OBJECT
public:
  // Beyond this many steps the oldest go.
  static constexpr int StepLimit = 1000;

  // Starts with the tables as they are now. Its owner hands it every change of the net.
  explicit TNetHistory(QObject* parent = nullptr);

  // A change of the net: recorded as a step, or, for Load and New, a fresh start.
  void Take(const NetChange& change);
  // The net was saved: the state now shown is the one Edited compares against.
  void MarkSaved();
  // For a history of its own (a benchmark, a test): takes every change announced.
  void FollowNetEvents();
  ~TNetHistory() override;

  bool CanUndo() const { return stack_.canUndo(); }
  bool CanRedo() const { return stack_.canRedo(); }
  // The caption of the step an undo or a redo would take back or do again.
  QString UndoCaption() const { return stack_.undoText(); }
  QString RedoCaption() const { return stack_.redoText(); }
  int StepCount() const { return stack_.count(); }
  // The memory the steps hold.
  qsizetype Bytes() const;

  // Puts the tables back to the state before the last step, or forward again; Edited
  // follows the saved state; the change is announced as "Undo <step>" or "Redo <step>".
  // Nothing happens while the properties dialog shows or when there is no step: false.
  bool Undo();
  bool Redo();

  // No state of the history is the saved one any more (a net brought back after a crash).
  void ForgetSavedState() { stack_.resetClean(); }

  // The tables differ from the state the history recorded last: a change of the net was
  // not announced, and an undo would fold it into the step it takes back. Debug builds
  // stop the program at an undo or redo in that state.
  bool HoldsUnannouncedChange() const;

signals:
  // A step was recorded, undone or redone, or the history started afresh.
  void StateChanged();

private:
  void Record(const QString& caption);
  void Absorb();
  // An undo (forward false) or a redo.
  bool Step(bool forward);
  void StartAfresh();
  void CheckEveryChangeAnnounced() const;

  QUndoStack stack_;
  // The tables as the last recorded step left them.
  std::unique_ptr<TNetTables> recorded_;
};
