#pragma once
// The start-up screen: the way into the program ("Start", later "Restart") and the only
// way out ("End"). While it shows, the main window is disabled.
#include <QWidget>

class QLabel;
class QPushButton;
class TNetForm;

class TNetStartUp : public QWidget {
  Q_OBJECT
public:
  explicit TNetStartUp(TNetForm* mainForm);

  void FormCreate();
  void FormShow();
  void StartBtnClick();
  void ExitBtnClick();
  // Keys seen before the buttons; true when the key was taken.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

  QLabel* WelcomeLabel = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* StartBtn = nullptr;
  QPushButton* ExitBtn = nullptr;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  TNetForm* mainForm_ = nullptr;
  bool closing_ = false;
};
