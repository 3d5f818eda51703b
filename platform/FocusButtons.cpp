#include "platform/FocusButtons.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The toolkit's button, with the default look on the button Enter runs and a dotted focus
// rectangle inside the face of the focused one. The face is light whatever the window's
// colour, so the mark never melts into a teal or silver background.
class FocusMarkStyle : public QProxyStyle {
public:
  explicit FocusMarkStyle(DefaultFollowsFocus* owner)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), owner_(owner) {
    setParent(owner);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !widget) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    QStyleOptionButton look(*button);
    look.features.setFlag(QStyleOptionButton::DefaultButton, owner_->EnterButton() == widget);
    QProxyStyle::drawControl(element, &look, painter, widget);
    if (widget->window()->focusWidget() != widget) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
    painter->restore();
  }

private:
  DefaultFollowsFocus* owner_;
};

}  // namespace

DefaultFollowsFocus::DefaultFollowsFocus(QPushButton* fallback, const QList<QPushButton*>& buttons)
    : QObject(fallback->window()), fallback_(fallback), buttons_(buttons) {
  auto* style = new FocusMarkStyle(this);
  for (QPushButton* button : buttons_) button->setStyle(style);
  connect(qApp, &QApplication::focusChanged, this, [this] { FocusMoved(); });
}

QPushButton* DefaultFollowsFocus::EnterButton() const {
  auto* focused = qobject_cast<QPushButton*>(fallback_->window()->focusWidget());
  return buttons_.contains(focused) ? focused : fallback_;
}

void DefaultFollowsFocus::FocusMoved() {
  // The looks are drawn from the focus; the buttons only need to be drawn again.
  for (QPushButton* button : buttons_) button->update();
}
