#include "dialogs/PaintArea.h"

#include <QPainter>

#include "platform/PainterSurface.h"

PaintArea::PaintArea(std::function<void(DrawSurface&)> paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterSurface surface(painter, logicalDpiY());
  paint_(surface);
}
