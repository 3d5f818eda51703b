#pragma once
// The view commands of the main window: the scale steps, "Fit Net", "Monochrome" and the
// canvas size, with the repaints they ask for. The scale and size live in the painter's
// shared view state; this keeps which items a click of their own stopped at their limit.
class PaintBoxWidget;
class QMenu;
class QScrollArea;
class TNetForm;

// What the enabled states follow beyond the net and the pick: the scale and canvas-size
// items that a click of their own stopped at their limit (at start every one of them is
// enabled, whatever the scale and size).
struct TViewLimits {
  bool MagnifyStopped = false;
  bool ReduceStopped = false;
  bool WidthUpStopped = false;
  bool WidthDownStopped = false;
  bool HeightUpStopped = false;
  bool HeightDownStopped = false;
};

class TViewCommands {
public:
  TViewCommands(TNetForm& form, PaintBoxWidget* canvas, QScrollArea* scroll);
  // The "Canvas Size" submenu, whose title shows the size.
  void SetSizeMenu(QMenu* sizeMenu) { sizeMenu_ = sizeMenu; }
  const TViewLimits& Limits() const { return limits_; }

  // The canvas takes the size of the net at the current scale.
  void ApplyScale();
  void PaintBoxPaint();
  // The whole canvas again, without the picking and dragging feedback.
  void RepaintCanvas();

  void MultClick();
  void OriginalClick();
  void DivideClick();
  void BWModeClick();
  // "Fit Net": the largest view that shows the whole net, centred.
  void FitNetClick();
  void AdjustSizeClick();
  void DefaultSizeClick();
  void HIncreaseClick();
  void VIncreaseClick();
  void HDecreaseClick();
  void VDecreaseClick();

private:
  void StepScale(int step, int limit, bool& selfStopped, bool& oppositeStopped);
  void StepCanvas(int& side, int step, bool& selfStopped, bool& oppositeStopped);
  void ShowSize();

  TNetForm& form_;
  PaintBoxWidget* canvas_;
  QScrollArea* scroll_;
  QMenu* sizeMenu_ = nullptr;
  TViewLimits limits_;
};
