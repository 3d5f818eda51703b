#pragma once
// Push buttons whose looks say what Enter does. The button that has the window's focus
// wears the default-button look; with the focus on any other control, the window's own
// default button wears it again. The focused button also carries a dotted mark on its
// face, which shows on any window colour.
#include <QList>
#include <QObject>

class QPushButton;
class QWidget;

class DefaultFollowsFocus : public QObject {
  Q_OBJECT
public:
  // fallback: the window's default button, one of buttons. The object lives with the
  // fallback's window.
  DefaultFollowsFocus(QPushButton* fallback, const QList<QPushButton*>& buttons);

  // The button that Enter runs with the window's focus where it is now.
  QPushButton* EnterButton() const;

private:
  void FocusMoved();

  QPushButton* fallback_;
  QList<QPushButton*> buttons_;
};
