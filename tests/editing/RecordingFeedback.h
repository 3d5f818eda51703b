#pragma once
// An editing feedback that writes down what the window would show, as lines such as
// "Mark ZEP 2 picked-by-release", "Ghost ZEPCircle 3,4", "HideGhost", "RepaintAll",
// "PickState on", "Selection ZEP 1, Input 2", "Overlay RubberLine 40,80 100,90 InputA 1",
// "HideOverlay".
#include <QStringList>

#include "editing/DirectFeedback.h"

class RecordingFeedback : public DirectFeedback {
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
  void ShowSelection(const TElementSet& changed) override {
    QStringList elements;
    for (const TElementRef& e : changed.Elements()) elements << QStringLiteral("%1 %2").arg(KindWord(e.Kind)).arg(e.Index);
    Calls << "Selection " + elements.join(", ");
  }
  void ShowOverlay(const TOverlay& overlay) override {
    static const char* shapes[] = {"RubberLine", "SelectionBox", "GroupGhost"};
    static const char* ports[] = {"None", "InputA", "InputB", "Output"};
    Calls << QStringLiteral("Overlay %1 %2,%3 %4,%5 %6 %7 %8,%9")
                 .arg(shapes[static_cast<int>(overlay.Shape)])
                 .arg(overlay.From.x())
                 .arg(overlay.From.y())
                 .arg(overlay.To.x())
                 .arg(overlay.To.y())
                 .arg(ports[static_cast<int>(overlay.Target.Port)])
                 .arg(overlay.Target.Index)
                 .arg(overlay.Offset.X)
                 .arg(overlay.Offset.Y);
  }
  void HideOverlay() override { Calls << QStringLiteral("HideOverlay"); }

  QStringList Take() {
    QStringList taken = Calls;
    Calls.clear();
    return taken;
  }
};
