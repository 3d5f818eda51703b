// The main window's view commands: scale steps, fitting the net, monochrome, canvas size,
// the net checks and the find bar.
#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "app/CheckPanel.h"
#include "app/ComparePanel.h"
#include "app/FindBar.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/NetExtent.h"
#include "drawing/NetPainter.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "platform/PainterSurface.h"

void TNetForm::ApplyScale() {
  ComputeViewMetrics();
  PaintBox->resize(PaintAreaWidth(), PaintAreaHeight());
}

void TNetForm::PaintBoxPaint() {
  // A canvas that is not on screen paints nothing, yet the pointer editing tests against
  // the label boxes that a paint records; they are measured in the canvas's resolution.
  if (PaintBox->isVisible())
    PaintBox->repaint();
  else
    MeasureOffScreen(PaintBox->logicalDpiY(), PaintBox->devicePixelRatioF(),
                     [](DrawSurface& surface) { RecordLabelBoxes(surface); });
}

void TNetForm::RepaintCanvas() {
  PaintBox->ClearFeedback();
  PaintBoxPaint();
}

// The scale items: a click at the limit stops its own item; a step the other way, or
// "100%", offers it again.
void TNetForm::MultClick() {
  if (Scale > 1) {
    --Scale;
    ApplyScale();
    commands_.ReduceStopped = false;
    PaintBoxPaint();
  }
  if (Scale == 1) commands_.MagnifyStopped = true;
  UpdateActions();
}

void TNetForm::OriginalClick() {
  Scale = 2;
  ApplyScale();
  commands_.ReduceStopped = false;
  commands_.MagnifyStopped = false;
  PaintBoxPaint();
  UpdateActions();
}

void TNetForm::DivideClick() {
  if (Scale < 6) {
    ++Scale;
    ApplyScale();
    commands_.MagnifyStopped = false;
    PaintBoxPaint();
  }
  if (Scale == 6) commands_.ReduceStopped = true;
  UpdateActions();
}

void TNetForm::BWModeClick() {
  BWMode = !BWMode;
  UpdateActions();
  PaintBoxPaint();
}

// The part of the net on the canvas is what can be shown; an empty net, or one wholly off
// the canvas, leaves the view as it is.
void TNetForm::FitNetClick() {
  const auto extent = MeasureOffScreen(PaintBox->logicalDpiY(), PaintBox->devicePixelRatioF(),
                                       [](DrawSurface& metrics) { return NetExtent(metrics); });
  if (!extent) return;
  const TGridRect shown{std::max(extent->Left, 0), std::max(extent->Top, 0), std::min(extent->Right, CanvasWidth),
                        std::min(extent->Bottom, CanvasHeight)};
  if (shown.Width() <= 0 || shown.Height() <= 0) return;
  Scale = FitScale(shown, ScrollBox->viewport()->size());
  ApplyScale();
  commands_.MagnifyStopped = Scale == 1;
  commands_.ReduceStopped = Scale == 6;
  PaintBoxPaint();
  UpdateActions();
  const QPoint centre((shown.Left + shown.Right) * Pitch / 2, (shown.Top + shown.Bottom) * Pitch / 2);
  ScrollBox->horizontalScrollBar()->setValue(centre.x() - ScrollBox->viewport()->width() / 2);
  ScrollBox->verticalScrollBar()->setValue(centre.y() - ScrollBox->viewport()->height() / 2);
}

// The size items keep their states: their guards keep the size within 100..1000.
void TNetForm::AdjustSizeClick() {
  AdjustCanvasSizeToData();
  CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::DefaultSizeClick() {
  CanvasWidth = 200;
  CanvasHeight = 200;
  commands_.WidthUpStopped = commands_.WidthDownStopped = false;
  commands_.HeightUpStopped = commands_.HeightDownStopped = false;
  CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  UpdateActions();
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

void TNetForm::StepCanvas(int& side, int step, bool& selfStopped, bool& oppositeStopped) {
  if (StepCanvasSide(side, step, selfStopped, oppositeStopped)) CanvasSize->setTitle(CanvasSizeCaption());
  UpdateActions();
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::HIncreaseClick() {
  StepCanvas(CanvasWidth, 50, commands_.WidthUpStopped, commands_.WidthDownStopped);
}

void TNetForm::VIncreaseClick() {
  StepCanvas(CanvasHeight, 50, commands_.HeightUpStopped, commands_.HeightDownStopped);
}

void TNetForm::HDecreaseClick() {
  StepCanvas(CanvasWidth, -50, commands_.WidthDownStopped, commands_.WidthUpStopped);
}

void TNetForm::VDecreaseClick() {
  StepCanvas(CanvasHeight, -50, commands_.HeightDownStopped, commands_.HeightUpStopped);
}

void TNetForm::CheckNetClick() {
  if (Checks->isVisible()) Checks->close();
  else Checks->Open();
}

void TNetForm::FindClick() { find_->Open(); }

void TNetForm::CompareWithClick() { Compare->CompareWithFile(); }
