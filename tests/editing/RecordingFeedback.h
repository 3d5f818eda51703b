#pragma once
// An editing feedback that writes down what the window would show, as lines such as
// "Mark ZEP 2 picked-by-release", "Ghost ZEPCircle 3,4", "HideGhost", "RepaintAll",
// "PickState on".
#include <QStringList>

#include "editing/EditFeedback.h"

class RecordingFeedback : public EditFeedback {
public:
  QStringList Calls;

  void ShowMark(const TMark& mark) override {
    static const char* looks[] = {"picked-by-press", "picked-by-release", "deselected"};
    Calls << QStringLiteral("Mark %1 %2 %3")
                 .arg(KindWord(mark.Kind))
                 .arg(mark.Index)
                 .arg(looks[static_cast<int>(mark.Look)]);
  }
  void ShowGhost(const TGhost& ghost) override {
    static const char* shapes[] = {"ZEPCircle", "DotCircle", "LabelFrame"};
    Calls << QStringLiteral("Ghost %1 %2 %3 %4,%5")
                 .arg(shapes[static_cast<int>(ghost.Shape)], KindWord(ghost.Kind))
                 .arg(ghost.Index)
                 .arg(ghost.At.X)
                 .arg(ghost.At.Y);
  }
  void HideGhost() override { Calls << QStringLiteral("HideGhost"); }
  void RepaintAll() override { Calls << QStringLiteral("RepaintAll"); }
  void ShowPickState(bool picked) override { Calls << (picked ? "PickState on" : "PickState off"); }

  QStringList Take() {
    QStringList taken = Calls;
    Calls.clear();
    return taken;
  }
};
