#include "app/PaintBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/NetHome.h"
#include "drawing/NetPainter.h"
#include "platform/PainterSurface.h"

PaintBoxWidget::PaintBoxWidget(TNetForm* form, QWidget* parent) : QWidget(parent), form_(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void PaintBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PainterSurface surface(painter, logicalDpiY());
  PaintNet(surface, width(), height(), event->rect());
}

void PaintBoxWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->Guard([&] { form_->PaintBoxMouseDown(event->button(), p.x(), p.y()); });
}

void PaintBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->Guard([&] { form_->PaintBoxMouseMove(p.x(), p.y()); });
}

void PaintBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->Guard([&] { form_->PaintBoxMouseUp(event->button(), p.x(), p.y()); });
}
