// The main window's view commands: scale steps, monochrome and canvas size.
#include "app/NetHome.h"
#include "app/PaintBox.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"

void TNetForm::ApplyScale() {
  ComputeViewMetrics();
  PaintBox->resize(PaintAreaWidth(), PaintAreaHeight());
}

void TNetForm::PaintBoxPaint() { PaintBox->update(); }

void TNetForm::MultClick() {}
void TNetForm::OriginalClick() {}
void TNetForm::DivideClick() {}
void TNetForm::BWModeClick() {}
void TNetForm::AdjustSizeClick() {}
void TNetForm::DefaultSizeClick() {}
void TNetForm::HIncreaseClick() {}
void TNetForm::VIncreaseClick() {}
void TNetForm::HDecreaseClick() {}
void TNetForm::VDecreaseClick() {}
