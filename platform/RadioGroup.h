#pragma once
// A captioned group of radio buttons in columns, read and set by item index (-1: none).
#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
  Q_OBJECT
public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return items_.at(index); }

signals:
  // A click on an item (not a change made by SetItemIndex).
  void Clicked(int index);

private:
  QButtonGroup* group_ = nullptr;
  QList<QRadioButton*> items_;
};
