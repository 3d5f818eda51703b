#include "app/FindBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

#include "app/CanvasPointer.h"
#include "app/NetHome.h"
#include "model/NetChange.h"
#include "platform/Guard.h"

namespace {

constexpr int CornerGap = 8;  // pixels between the bar and the viewport's edges

}  // namespace

FindBar::FindBar(TNetForm* form, QWidget* viewport)
    : QFrame(viewport), form_(form), viewport_(viewport), field_(new QLineEdit(this)), count_(new QLabel(this)) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameShape(QFrame::StyledPanel);
  // Its own Window role: a child of the viewport would otherwise fill with the Base white.
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 2, 2);
  row->setSpacing(4);
  field_->setPlaceholderText(QStringLiteral("Find"));
  field_->setClearButtonEnabled(true);
  field_->setMinimumWidth(160);
  count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("888 of 888")));
  auto* close = new QToolButton(this);
  close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setToolTip(QStringLiteral("Close (Esc)"));
  close->setAutoRaise(true);
  close->setFocusPolicy(Qt::NoFocus);
  row->addWidget(field_);
  row->addWidget(count_);
  row->addWidget(close);
  hide();
  field_->installEventFilter(this);
  viewport_->installEventFilter(this);
  connect(field_, &QLineEdit::textChanged, this, [this] {
    last_.reset();
    Refresh();
  });
  connect(close, &QToolButton::clicked, this, [this] { Close(); });
  connect(&NetEvents::Instance(), &NetEvents::Changed, this, [this] {
    if (isVisible()) Refresh();
  });
}

void FindBar::Open() {
  Refresh();
  adjustSize();
  PlaceInCorner();
  show();
  raise();
  field_->setFocus();
  field_->selectAll();
}

void FindBar::Close() {
  form_->Pointer().FocusCanvas();
  hide();
}

void FindBar::PickNext(bool backwards) {
  const std::optional<TFound> next = NextMatch(matches_, last_, backwards);
  if (!next) return;
  last_ = next;
  Guard(form_->Ask(), [&] { form_->Pointer().PickFoundElement(next->Kind, next->Index); });
  // A pick hands the keyboard to the canvas; it stays here for the next Enter.
  field_->setFocus();
  ShowCount();
}

bool FindBar::EditsText(const QKeyEvent& key) {
  return key.matches(QKeySequence::Delete) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Undo) ||
         key.matches(QKeySequence::Redo);
}

void FindBar::Refresh() {
  matches_ = FindElements(field_->text());
  ShowCount();
}

QString FindBar::CountText() const {
  if (field_->text().isEmpty()) return {};
  if (matches_.isEmpty()) return QStringLiteral("no match");
  const qsizetype at = last_ ? matches_.indexOf(*last_) : -1;
  if (at >= 0) return QStringLiteral("%1 of %2").arg(at + 1).arg(matches_.size());
  return matches_.size() == 1 ? QStringLiteral("1 match") : QStringLiteral("%1 matches").arg(matches_.size());
}

void FindBar::ShowCount() { count_->setText(CountText()); }

void FindBar::PlaceInCorner() { move(std::max(0, viewport_->width() - width() - CornerGap), CornerGap); }

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport_ && event->type() == QEvent::Resize) PlaceInCorner();
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: PickNext((key->modifiers() & Qt::ShiftModifier) != 0); return true;
      case Qt::Key_Escape: Close(); return true;
      default: break;
    }
  }
  return QFrame::eventFilter(watched, event);
}
