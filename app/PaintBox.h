#pragma once
// The canvas inside the scroll box: it paints the net and reports the pointer's presses,
// moves and releases in canvas pixels. The pointer stays captured while a button is held,
// so a release outside the canvas still arrives (negative left of and above it).
//
// Over the painted net it keeps the editing feedback: pick highlights, deselected looks
// and the drag ghost, the selected elements and the overlay of a drag (rubber line,
// selection box, group ghosts). Showing or moving one repaints only the few pixels it
// touches, and the net beneath comes back unmarked.
//
// Resting over a ZEP or an Input, the pointer shows what the element is and what it joins.
#include <QList>
#include <QWidget>
#include <memory>
#include <optional>

#include "editing/DirectFeedback.h"

struct TChangeMarks;


class PaintBoxWidget : public QWidget {
  Q_OBJECT
public:
  explicit PaintBoxWidget(QWidget* parent);

  void ShowMark(const TMark& mark);
  void ShowGhost(const TGhost& ghost);
  void HideGhost();
  void ShowSelection(const TElementSet& changed);
  void ShowOverlay(const TOverlay& overlay);
  void HideOverlay();
  // Drops every mark, the ghost and the overlay; the whole canvas is about to be repainted.
  void ClearFeedback();
  // The changes from another net marked on the net; none draws it as it is.
  void SetChangeMarks(std::shared_ptr<const TChangeMarks> changes);
  // The keys held at the last press (Shift extends a selection).
  Qt::KeyboardModifiers PressModifiers() const { return pressModifiers_; }

  const QList<TMark>& Marks() const { return marks_; }
  const std::optional<TGhost>& Ghost() const { return ghost_; }

signals:
  void Pressed(Qt::MouseButton button, int x, int y);
  void Moved(int x, int y);
  void Released(Qt::MouseButton button, int x, int y);
  // The second press of a double-click, after its Pressed.
  void DoubleClicked(Qt::MouseButton button, int x, int y);

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  QRect MeasureMark(const TMark& mark) const;
  QRect MeasureGhost(const TGhost& ghost) const;

  QList<TMark> marks_;
  std::optional<TGhost> ghost_;
  QRect ghostArea_;
  std::shared_ptr<const TChangeMarks> changes_;
  std::optional<TOverlay> overlay_;
  QRegion overlayRegion_;
  Qt::KeyboardModifiers pressModifiers_;
};
