#include "app/ViewCommands.h"

#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/NetExtent.h"
#include "drawing/NetPainter.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "platform/PainterSurface.h"

TViewCommands::TViewCommands(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll)
    : form_(form), canvas_(canvas), scroll_(scroll) {}

void TViewCommands::ApplyScale() {
  ComputeViewMetrics();
  canvas_->resize(PaintAreaWidth(), PaintAreaHeight());
}

void TViewCommands::PaintBoxPaint() {
  // A canvas that is not on screen paints nothing, yet the pointer editing tests against
  // the label boxes that a paint records; they are measured in the canvas's resolution.
  if (canvas_->isVisible())
    canvas_->repaint();
  else
    MeasureOffScreen(canvas_->logicalDpiY(), canvas_->devicePixelRatioF(),
                     [](DrawSurface& surface) { RecordLabelBoxes(surface); });
}

void TViewCommands::RepaintCanvas() {
  canvas_->ClearFeedback();
  PaintBoxPaint();
}

// The scale items: a click at the limit stops its own item; a step the other way, or
// "100%", offers it again. Scale 1 shows the net largest, 6 smallest.
void TViewCommands::StepScale(int step, int limit, bool& selfStopped, bool& oppositeStopped) {
  if (step < 0 ? Scale > limit : Scale < limit) {
    Scale += step;
    ApplyScale();
    oppositeStopped = false;
    PaintBoxPaint();
  }
  if (Scale == limit) selfStopped = true;
  form_.UpdateActions();
}

void TViewCommands::MultClick() { StepScale(-1, 1, limits_.MagnifyStopped, limits_.ReduceStopped); }

void TViewCommands::OriginalClick() {
  Scale = 2;
  ApplyScale();
  limits_.ReduceStopped = false;
  limits_.MagnifyStopped = false;
  PaintBoxPaint();
  form_.UpdateActions();
}

void TViewCommands::DivideClick() { StepScale(1, 6, limits_.ReduceStopped, limits_.MagnifyStopped); }

void TViewCommands::BWModeClick() {
  BWMode = !BWMode;
  form_.UpdateActions();
  PaintBoxPaint();
}

// The part of the net on the canvas is what can be shown; an empty net, or one wholly off
// the canvas, leaves the view as it is.
void TViewCommands::FitNetClick() {
  const auto extent = MeasureOffScreen(canvas_->logicalDpiY(), canvas_->devicePixelRatioF(),
                                       [](DrawSurface& metrics) { return NetExtent(metrics); });
  if (!extent) return;
  const TGridRect shown{std::max(extent->Left, 0), std::max(extent->Top, 0), std::min(extent->Right, CanvasWidth),
                        std::min(extent->Bottom, CanvasHeight)};
  if (shown.Width() <= 0 || shown.Height() <= 0) return;
  Scale = FitScale(shown, scroll_->viewport()->size());
  ApplyScale();
  limits_.MagnifyStopped = Scale == 1;
  limits_.ReduceStopped = Scale == 6;
  PaintBoxPaint();
  form_.UpdateActions();
  const QPoint centre((shown.Left + shown.Right) * Pitch / 2, (shown.Top + shown.Bottom) * Pitch / 2);
  scroll_->horizontalScrollBar()->setValue(centre.x() - scroll_->viewport()->width() / 2);
  scroll_->verticalScrollBar()->setValue(centre.y() - scroll_->viewport()->height() / 2);
}

void TViewCommands::ShowSize() {
  if (sizeMenu_) sizeMenu_->setTitle(CanvasSizeCaption());
}

// The size items keep their states: their guards keep the size within 100..1000.
void TViewCommands::AdjustSizeClick() {
  AdjustCanvasSizeToData();
  ShowSize();
  ApplyScale();
  PaintBoxPaint();
}

void TViewCommands::DefaultSizeClick() {
  CanvasWidth = 200;
  CanvasHeight = 200;
  limits_.WidthUpStopped = limits_.WidthDownStopped = false;
  limits_.HeightUpStopped = limits_.HeightDownStopped = false;
  ShowSize();
  ApplyScale();
  form_.UpdateActions();
  PaintBoxPaint();
}

namespace {

// One step of 50 units up or down within 100..1000: the item that reached the limit is
// stopped and its opposite offered again. False when the size was already at the limit.
bool StepCanvasSide(int& side, int step, bool& selfStopped, bool& oppositeStopped) {
  if (step > 0 ? side > 950 : side < 150) return false;
  side += step;
  if (step > 0 ? side >= 1000 : side <= 100) selfStopped = true;
  oppositeStopped = false;
  return true;
}

}  // namespace

void TViewCommands::StepCanvas(int& side, int step, bool& selfStopped, bool& oppositeStopped) {
  if (StepCanvasSide(side, step, selfStopped, oppositeStopped)) ShowSize();
  form_.UpdateActions();
  ApplyScale();
  PaintBoxPaint();
}

void TViewCommands::HIncreaseClick() {
  StepCanvas(CanvasWidth, 50, limits_.WidthUpStopped, limits_.WidthDownStopped);
}

void TViewCommands::VIncreaseClick() {
  StepCanvas(CanvasHeight, 50, limits_.HeightUpStopped, limits_.HeightDownStopped);
}

void TViewCommands::HDecreaseClick() {
  StepCanvas(CanvasWidth, -50, limits_.WidthDownStopped, limits_.WidthUpStopped);
}

void TViewCommands::VDecreaseClick() {
  StepCanvas(CanvasHeight, -50, limits_.HeightDownStopped, limits_.HeightUpStopped);
}
