#include "app/PaintBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "drawing/NetPainter.h"
#include "editing/FeedbackDrawing.h"
#include "editing/HitTest.h"
#include "model/ElementTips.h"
#include "platform/PainterSurface.h"

PaintBoxWidget::PaintBoxWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void PaintBoxWidget::ShowMark(const TMark& mark) {
  // One mark per element: a new look replaces the former one.
  marks_.removeIf([&](const TMark& m) { return m.Kind == mark.Kind && m.Index == mark.Index; });
  marks_.append(mark);
  update(MeasureMark(mark));
}

void PaintBoxWidget::ShowGhost(const TGhost& ghost) {
  const QRect area = MeasureGhost(ghost);
  if (ghost_) update(ghostArea_);
  ghost_ = ghost;
  ghostArea_ = area;
  update(area);
}

void PaintBoxWidget::HideGhost() {
  if (!ghost_) return;
  update(ghostArea_);
  ghost_.reset();
}

void PaintBoxWidget::SetChangeMarks(std::shared_ptr<const TChangeMarks> changes) {
  changes_ = std::move(changes);
  update();
}

void PaintBoxWidget::ShowSelection(const TElementSet& changed) {
  for (const TElementRef& e : changed.Elements()) update(MeasureMark({e.Kind, e.Index, MarkLook::PickedByRelease}));
}

void PaintBoxWidget::ShowOverlay(const TOverlay& overlay) {
  const QRegion area = MeasureOffScreen(logicalDpiY(), devicePixelRatioF(),
                                        [&](DrawSurface& metrics) { return OverlayRegion(metrics, overlay); });
  update(RepaintRegion(overlayRegion_ + area));
  overlay_ = overlay;
  overlayRegion_ = area;
}

void PaintBoxWidget::HideOverlay() {
  if (!overlay_) return;
  update(overlayRegion_);
  overlay_.reset();
  overlayRegion_ = QRegion();
}

void PaintBoxWidget::ClearFeedback() {
  marks_.clear();
  ghost_.reset();
  overlay_.reset();
  overlayRegion_ = QRegion();
}

QRect PaintBoxWidget::MeasureMark(const TMark& mark) const {
  return MeasureOffScreen(logicalDpiY(), devicePixelRatioF(), [&](DrawSurface& metrics) { return MarkArea(metrics, mark); });
}

QRect PaintBoxWidget::MeasureGhost(const TGhost& ghost) const {
  return MeasureOffScreen(logicalDpiY(), devicePixelRatioF(), [&](DrawSurface& metrics) { return GhostArea(metrics, ghost); });
}

namespace {

// The tip of the element under the pointer and the area it holds for; a ZEP comes first.
// In the number view only ZEPs are shown by their label.
std::pair<QString, QRect> TipAt(QPoint p) {
  const THits hits = HitTest(p.x(), p.y());
  if (hits.ZEP) {
    const QPoint centre(ToPixels(ZEPPos[hits.ZEP].X), ToPixels(ZEPPos[hits.ZEP].Y));
    const QPoint reach(ZEPRadius, ZEPRadius);
    return {ElementTip(ElementKind::ZEP, hits.ZEP), QRect(centre - reach, centre + reach)};
  }
  if (hits.Input && !NumberView) {
    const TLabelBox& box = InputBox[hits.Input];
    return {ElementTip(ElementKind::Input, hits.Input), QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom))};
  }
  return {};
}

}  // namespace

bool PaintBoxWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const auto [tip, area] = TipAt(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this, area);
  }
  return true;
}

void PaintBoxWidget::paintEvent(QPaintEvent* event) {
  // Once everything in view is repainted the painter itself shows which elements are
  // current, and the marks of earlier picks and deselections have had their moment.
  if ((visibleRegion() - event->region()).isEmpty()) marks_.clear();
  // A mark the net has outgrown (its element deleted, or picked again) is dropped.
  marks_.removeIf([](const TMark& m) { return !MarkStillApplies(m); });
  QPainter painter(this);
  PainterSurface surface(painter, logicalDpiY());
  PaintCanvas(surface, width(), height(), event->rect(), marks_, ghost_, overlay_, changes_.get());
}

void PaintBoxWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  pressModifiers_ = event->modifiers();
  emit Pressed(event->button(), p.x(), p.y());
}

void PaintBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  // Without a button held the pointer only passes over: the status line follows it.
  if (event->buttons() == Qt::NoButton) return;
  const QPoint p = event->position().toPoint();
  emit Moved(p.x(), p.y());
}

void PaintBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit Released(event->button(), p.x(), p.y());
}

void PaintBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit DoubleClicked(event->button(), p.x(), p.y());
}
