#include "app/StatusLine.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "editing/StatusTexts.h"

namespace {

// A field as wide as its widest usual text, so the fields do not jump as the texts change.
QLabel* Field(QStatusBar* bar, const QString& widest) {
  auto* label = new QLabel(bar);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 8);
  bar->addWidget(label);
  return label;
}

}  // namespace

StatusLine::StatusLine(QStatusBar* bar, QWidget* canvas, QScrollArea* area)
    : QObject(bar),
      canvas_(canvas),
      pointer_(Field(bar, QStringLiteral("-8888, -8888"))),
      scale_(Field(bar, QStringLiteral("125%"))),
      mode_(Field(bar, QStringLiteral("Select"))),
      picked_(Field(bar, QStringLiteral("5 picked"))),
      counts_(new QLabel(bar)) {
  bar->setObjectName(QStringLiteral("StatusLine"));
  bar->addPermanentWidget(counts_);
  canvas_->setMouseTracking(true);
  canvas_->installEventFilter(this);
  for (QScrollBar* scroll : {area->horizontalScrollBar(), area->verticalScrollBar()})
    connect(scroll, &QScrollBar::valueChanged, this, [this] { ShowState(); });
  ShowState();
}

void StatusLine::ShowState() {
  if (!canvas_) return;
  std::optional<QPoint> pointer;
  if (pointerInView_) pointer = *pointerInView_ - canvas_->pos();
  Show(StatusTexts(pointer));
}

void StatusLine::Show(const TStatusTexts& texts) {
  pointer_->setText(texts.Pointer);
  scale_->setText(texts.Scale);
  mode_->setText(texts.Mode);
  picked_->setText(texts.Picked);
  counts_->setText(texts.Counts);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
  if (watched == canvas_) {
    if (event->type() == QEvent::MouseMove) {
      pointerInView_ = canvas_->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint());
      ShowState();
    } else if (event->type() == QEvent::Leave) {
      pointerInView_.reset();
      ShowState();
    }
  }
  return QObject::eventFilter(watched, event);
}
