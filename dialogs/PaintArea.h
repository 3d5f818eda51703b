#pragma once
// A transparent area whose picture is drawn by a function through the drawing surface.
#include <QWidget>
#include <functional>

#include "platform/DrawSurface.h"

class PaintArea : public QWidget {
  Q_OBJECT
public:
  PaintArea(std::function<void(DrawSurface&)> paint, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::function<void(DrawSurface&)> paint_;
};
