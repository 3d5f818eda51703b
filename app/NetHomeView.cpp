// The main window's view commands: scale steps, monochrome, canvas size and the net checks.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>

#include "app/CheckPanel.h"
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/NetPainter.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "platform/PainterSurface.h"

namespace {

// A canvas that is not on screen paints nothing, yet the pointer editing tests against the
// label boxes that a paint records; they are measured in the canvas's font resolution.
void RecordLabelBoxesOffScreen(const QWidget* canvas) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  PainterSurface surface(painter, canvas->logicalDpiY());
  RecordLabelBoxes(surface);
}

}  // namespace

void TNetForm::ApplyScale() {
  ComputeViewMetrics();
  PaintBox->resize(PaintAreaWidth(), PaintAreaHeight());
}

void TNetForm::PaintBoxPaint() {
  if (PaintBox->isVisible())
    PaintBox->repaint();
  else
    RecordLabelBoxesOffScreen(PaintBox);
}

void TNetForm::MultClick() {
  if (Scale > 1) {
    --Scale;
    ApplyScale();
    Divide->setEnabled(true);
    PaintBoxPaint();
  }
  if (Scale == 1) Mult->setEnabled(false);
}

void TNetForm::OriginalClick() {
  Scale = 2;
  ApplyScale();
  Divide->setEnabled(true);
  Mult->setEnabled(true);
  PaintBoxPaint();
}

void TNetForm::DivideClick() {
  if (Scale < 6) {
    ++Scale;
    ApplyScale();
    Mult->setEnabled(true);
    PaintBoxPaint();
  }
  if (Scale == 6) Divide->setEnabled(false);
}

void TNetForm::BWModeClick() {
  BWMode = !BWMode;
  BWModeItem->setChecked(BWMode);
  PaintBoxPaint();
}

void TNetForm::AdjustSizeClick() {
  AdjustCanvasSizeToData();
  CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::DefaultSizeClick() {
  CanvasWidth = 200;
  CanvasHeight = 200;
  for (QAction* item : {HIncrease, VIncrease, HDecrease, VDecrease}) item->setEnabled(true);
  CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

namespace {

// One step of 50 units up or down within 100..1000: the item that reached the limit is
// disabled and its opposite enabled. False when the size was already at the limit.
bool StepCanvasSide(int& side, int step, QAction* self, QAction* opposite) {
  if (step > 0 ? side > 950 : side < 150) return false;
  side += step;
  if (step > 0 ? side >= 1000 : side <= 100) self->setEnabled(false);
  opposite->setEnabled(true);
  return true;
}

}  // namespace

void TNetForm::HIncreaseClick() {
  if (StepCanvasSide(CanvasWidth, 50, HIncrease, HDecrease)) CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::VIncreaseClick() {
  if (StepCanvasSide(CanvasHeight, 50, VIncrease, VDecrease)) CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::HDecreaseClick() {
  if (StepCanvasSide(CanvasWidth, -50, HDecrease, HIncrease)) CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::VDecreaseClick() {
  if (StepCanvasSide(CanvasHeight, -50, VDecrease, VIncrease)) CanvasSize->setTitle(CanvasSizeCaption());
  ApplyScale();
  PaintBoxPaint();
}

void TNetForm::CheckNetClick() { Checks->Open(); }
