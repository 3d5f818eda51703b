#pragma once
// The canvas inside the scroll box: its paint and pointer events go to the main window's
// handlers. The pointer stays captured while a button is held, so a release outside the
// canvas still arrives, in canvas pixels.
#include <QWidget>

class TNetForm;

class PaintBoxWidget : public QWidget {
  Q_OBJECT
public:
  PaintBoxWidget(TNetForm* form, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  TNetForm* form_;
};
