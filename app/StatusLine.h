#pragma once
// The status line below the canvas: the grid point under the pointer, the scale, the mode,
// how many elements are picked and how full the tables are. It follows the pointer over
// the canvas on its own; the rest follows every command.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <optional>

class QLabel;
class QScrollArea;
class QStatusBar;
struct TStatusTexts;

class StatusLine : public QObject {
  Q_OBJECT
public:
  // `canvas`: the paint area inside `area`, whose pointer moves it watches.
  StatusLine(QStatusBar* bar, QWidget* canvas, QScrollArea* area);

  // Shows the texts for the state as it is now.
  void ShowState();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Show(const TStatusTexts& texts);

  QPointer<QWidget> canvas_;  // the window takes it down before the status bar
  // Where the pointer stands in the scroll area's view, which stays put while the canvas
  // scrolls beneath it; none while it is elsewhere.
  std::optional<QPoint> pointerInView_;
  QLabel* pointer_;
  QLabel* scale_;
  QLabel* mode_;
  QLabel* picked_;
  QLabel* counts_;
};
