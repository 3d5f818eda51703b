#pragma once
// The find bar over the canvas's top right corner (Ctrl+F): typing filters the elements by
// the texts they show, Enter picks the next match as a click on it would and scrolls it
// into view, Shift+Enter the one before, Escape closes the bar. The keyboard stays in the
// bar while it picks, so Enter goes on through the matches.
#include <QFrame>
#include <optional>

#include "model/ElementFind.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class TNetForm;

class FindBar : public QFrame {
  Q_OBJECT
public:
  FindBar(TNetForm* form, QWidget* viewport);

  // Shows the bar with its text selected, the keyboard in its field.
  void Open();
  // Hides the bar and gives the keyboard back to the canvas.
  void Close();
  // Picks the match after the last one picked (before it when `backwards`).
  void PickNext(bool backwards);

  // True for a key that edits the text in the field (Del, undo, ...), which the field then
  // takes before the menu's shortcuts.
  static bool EditsText(const QKeyEvent& key);

  QLineEdit* Field() const { return field_; }
  QString CountText() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Refresh();
  void ShowCount();
  void PlaceInCorner();

  TNetForm* form_;
  QWidget* viewport_;
  QLineEdit* field_;
  QLabel* count_;
  QList<TFound> matches_;
  std::optional<TFound> last_;  // the match picked last
};
