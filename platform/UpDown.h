#pragma once
// An up-down spinner beside a buddy edit: it steps from the value shown in the edit,
// within its range, and writes the new value back into the edit.
#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
  Q_OBJECT
public:
  UpDown(QLineEdit* buddy, int min, int max, int position, QWidget* parent);

  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  // The position follows the edit: a text that is no integer in range keeps the last one.
  int Position() const;
  void SetPosition(int position);
  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

private:
  void Step(int delta);

  QLineEdit* buddy_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  int min_ = 0;
  int max_ = 0;
  mutable int position_ = 0;
};
