#pragma once
// The window's side of the pointer editing: the canvas draws the feedback, the tool panel
// and the menus follow the pick and the selection.
#include "editing/DirectFeedback.h"

class PaintBoxWidget;
class QScrollArea;
class TNetForm;

class CanvasFeedback : public DirectFeedback {
public:
  CanvasFeedback(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll)
      : form_(form), canvas_(canvas), scroll_(scroll) {}

  void ShowMark(const TMark& mark) override;
  void ShowGhost(const TGhost& ghost) override;
  void HideGhost() override;
  void RepaintAll() override;
  void ShowPickState(bool picked) override;
  void ShowSelection(const TElementSet& changed) override;
  void ShowOverlay(const TOverlay& overlay) override;
  void HideOverlay() override;

private:
  TNetForm& form_;
  PaintBoxWidget* canvas_;
  QScrollArea* scroll_;
};
