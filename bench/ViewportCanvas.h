#pragma once
// The canvas as the window shows it: a 1920 × 1080 window of the paint area scrolled to a
// centre, repainting only the pixels the feedback touches, as the paint event does.
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>

#include "editing/FeedbackDrawing.h"
#include "editing/Selection.h"
#include "drawing/ViewScale.h"
#include "platform/PainterSurface.h"

class ViewportCanvas : public DirectFeedback {
public:
  explicit ViewportCanvas(QPoint centre)
      : image_(1920, 1080, QImage::Format_RGB32),
        window_(QRect(QPoint(std::max(0, centre.x() - 960), std::max(0, centre.y() - 540)), image_.size())) {}

  void ShowMark(const TMark&) override {}
  void ShowGhost(const TGhost& ghost) override {
    QRegion dirty(Measure([&](DrawSurface& m) { return GhostArea(m, ghost); }));
    if (ghost_) dirty += Measure([&](DrawSurface& m) { return GhostArea(m, *ghost_); });
    ghost_ = ghost;
    Paint(dirty);
  }
  void HideGhost() override {
    if (ghost_) Paint(QRegion(Measure([&](DrawSurface& m) { return GhostArea(m, *ghost_); })));
    ghost_.reset();
  }
  void RepaintAll() override {
    ghost_.reset();
    overlay_.reset();
    Paint(QRegion(window_));
  }
  void ShowPickState(bool) override {}
  void ShowSelection(const TElementSet& changed) override {
    QRegion dirty;
    for (const TElementRef& e : changed.Elements())
      dirty += Measure([&](DrawSurface& m) { return MarkArea(m, {e.Kind, e.Index, MarkLook::PickedByRelease}); });
    Paint(dirty);
  }
  void ShowOverlay(const TOverlay& overlay) override {
    QRegion dirty = overlayRegion_;
    overlay_ = overlay;
    overlayRegion_ = Measure([&](DrawSurface& m) { return OverlayRegion(m, overlay); });
    Paint(RepaintRegion(dirty + overlayRegion_));
  }
  void HideOverlay() override {
    overlay_.reset();
    Paint(overlayRegion_);
    overlayRegion_ = {};
  }

  qint64 PaintedPixels = 0;
  int Paints = 0;

private:
  template <typename Area>
  QRegion Measure(Area&& area) {
    QPainter painter(&image_);
    PainterSurface metrics(painter, 96);
    return area(metrics);
  }

  void Paint(const QRegion& dirty) {
    QPainter painter(&image_);
    painter.translate(-window_.topLeft());
    painter.setClipRegion(dirty);
    PainterSurface surface(painter, 96);
    PaintCanvas(surface, PaintAreaWidth(), PaintAreaHeight(), dirty.boundingRect(), {}, ghost_, overlay_);
    for (const QRect& r : dirty) PaintedPixels += qint64(r.width()) * r.height();
    ++Paints;
  }

  QImage image_;
  QRect window_;
  std::optional<TGhost> ghost_;
  std::optional<TOverlay> overlay_;
  QRegion overlayRegion_;
};
