#pragma once
// The wheel and the trackpad over the canvas: plain turns scroll vertically, Shift turns
// horizontally, and Ctrl turns step the scale as "Magnify" and "Reduce" do, keeping the
// grid point under the pointer where it is.
#include <QObject>
#include <QPointF>

class QScrollArea;
class QScrollBar;
class QWheelEvent;
class TNetForm;

class CanvasWheel : public QObject {
  Q_OBJECT
public:
  // Watches the wheel events that reach the canvas's scroll box.
  CanvasWheel(TNetForm* form, QScrollArea* scroll);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Scroll(QWheelEvent& wheel, bool sideways);
  void StepScale(int angle, QPointF pointer);

  TNetForm* form_;
  QScrollArea* scroll_;
  int pendingAngle_ = 0;  // Ctrl turns smaller than one notch, gathered until they make one
  // The exact grid point of the last Ctrl step, kept while neither the pointer nor the view
  // moved since, so that rounding to whole pixels does not creep over many steps.
  QPointF anchorPointer_;
  QPoint anchorScroll_;
  QPointF anchorGrid_;
};
