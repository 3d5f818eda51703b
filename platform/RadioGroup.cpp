#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(2);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_->addButton(button, i);
    layout->addWidget(button, i / columns, i % columns);
    items_.append(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < items_.size()) {
    items_[index]->setChecked(true);
    return;
  }
  // No item chosen: an exclusive group cannot uncheck its last button otherwise.
  group_->setExclusive(false);
  for (QRadioButton* b : items_) b->setChecked(false);
  group_->setExclusive(true);
}
