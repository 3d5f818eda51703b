#include "app/CanvasFeedback.h"

#include <QScrollArea>

#include "app/NetHome.h"
#include "app/PaintBox.h"

void CanvasFeedback::ShowMark(const TMark& mark) { canvas_->ShowMark(mark); }

void CanvasFeedback::ShowGhost(const TGhost& ghost) { canvas_->ShowGhost(ghost); }

void CanvasFeedback::HideGhost() { canvas_->HideGhost(); }

// The placement announces its change of the net, which repaints the canvas; only the
// feedback is left to drop.
void CanvasFeedback::RepaintAll() { canvas_->ClearFeedback(); }

void CanvasFeedback::ShowPickState(bool picked) {
  form_.UpdateActions();
  if (picked) scroll_->setFocus();
}

void CanvasFeedback::ShowSelection(const TElementSet& changed) {
  canvas_->ShowSelection(changed);
  form_.UpdateActions();
}

void CanvasFeedback::ShowOverlay(const TOverlay& overlay) { canvas_->ShowOverlay(overlay); }

void CanvasFeedback::HideOverlay() { canvas_->HideOverlay(); }
