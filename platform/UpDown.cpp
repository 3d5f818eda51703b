#include "platform/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/StrToInt.h"

UpDown::UpDown(QLineEdit* buddy, int min, int max, int position, QWidget* parent)
    : QWidget(parent), buddy_(buddy), min_(min), max_(max), position_(position) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  // The arrows keep the toolkit's dark text colour: a coloured dialog text (yellow on the
  // properties dialog) would leave them nearly invisible on the light button face.
  QPalette arrows = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText})
      arrows.setColor(group, role, QPalette().color(group, role));
  for (QToolButton* b : {up_, down_}) {
    b->setPalette(arrows);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, [this] { StepUp(); });
  connect(down_, &QToolButton::clicked, this, [this] { StepDown(); });
  SetPosition(position);
}

void UpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
}

int UpDown::Position() const {
  int value = 0;
  if (buddy_ && TryStrToInt(buddy_->text(), value) && value >= min_ && value <= max_)
    position_ = value;
  return position_;
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, std::max(min_, max_));
  if (buddy_) buddy_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  // The step starts from the number the user sees, even one outside the range (an Output
  // line of 150 steps to the range's end, not from a value left over from earlier).
  int shown = 0;
  const int before = buddy_ && TryStrToInt(buddy_->text(), shown) ? shown : Position();
  SetPosition(before + delta);
}
