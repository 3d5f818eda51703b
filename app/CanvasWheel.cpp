#include "app/CanvasWheel.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/NetHome.h"
#include "app/ViewCommands.h"
#include "model/NetDef.h"
#include "platform/Guard.h"

namespace {

constexpr int NotchAngle = 120;  // one wheel notch, in eighths of a degree

// Pixels to scroll for a turn: a trackpad tells its own, a wheel moves the system's lines
// per notch.
int ScrollPixels(int angle, int pixels, const QScrollBar* bar) {
  if (pixels != 0) return pixels;
  return angle * QApplication::wheelScrollLines() * bar->singleStep() / NotchAngle;
}

}  // namespace

CanvasWheel::CanvasWheel(TNetForm* form, QScrollArea* scroll) : QObject(form), form_(form), scroll_(scroll) {
  scroll_->viewport()->installEventFilter(this);
}

bool CanvasWheel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
  auto& wheel = static_cast<QWheelEvent&>(*event);
  if (wheel.modifiers() & Qt::ControlModifier)
    StepScale(wheel.angleDelta().y() != 0 ? wheel.angleDelta().y() : wheel.angleDelta().x(), wheel.position());
  else
    Scroll(wheel, (wheel.modifiers() & Qt::ShiftModifier) != 0);
  wheel.accept();
  return true;
}

void CanvasWheel::Scroll(QWheelEvent& wheel, bool sideways) {
  QScrollBar* across = scroll_->horizontalScrollBar();
  QScrollBar* down = scroll_->verticalScrollBar();
  const QPoint angle = wheel.angleDelta();
  const QPoint pixels = wheel.pixelDelta();
  if (sideways) {
    // Shift turns the wheel's one axis sideways; some systems already report it as x.
    const bool onY = angle.y() != 0 || pixels.y() != 0;
    across->setValue(across->value() - ScrollPixels(onY ? angle.y() : angle.x(), onY ? pixels.y() : pixels.x(), across));
    return;
  }
  across->setValue(across->value() - ScrollPixels(angle.x(), pixels.x(), across));
  down->setValue(down->value() - ScrollPixels(angle.y(), pixels.y(), down));
}

void CanvasWheel::StepScale(int angle, QPointF pointer) {
  if ((angle > 0) != (pendingAngle_ > 0)) pendingAngle_ = 0;
  pendingAngle_ += angle;
  QScrollBar* across = scroll_->horizontalScrollBar();
  QScrollBar* down = scroll_->verticalScrollBar();
  while (pendingAngle_ >= NotchAngle || pendingAngle_ <= -NotchAngle) {
    const bool magnify = pendingAngle_ > 0;
    pendingAngle_ -= magnify ? NotchAngle : -NotchAngle;
    // The grid point under the pointer, in grid units, before the step.
    const int oldPitch = Pitch;
    const QPoint scroll(across->value(), down->value());
    const QPointF grid = pointer == anchorPointer_ && scroll == anchorScroll_
                             ? anchorGrid_
                             : (pointer + scroll) / static_cast<double>(oldPitch);
    Guard(form_->Ask(), [&] { magnify ? form_->View().MultClick() : form_->View().DivideClick(); });
    form_->UpdateActions();
    if (Pitch == oldPitch) continue;
    across->setValue(qRound(grid.x() * Pitch - pointer.x()));
    down->setValue(qRound(grid.y() * Pitch - pointer.y()));
    anchorPointer_ = pointer;
    anchorScroll_ = QPoint(across->value(), down->value());
    anchorGrid_ = grid;
  }
}
