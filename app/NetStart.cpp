#include "app/NetStart.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "drawing/ViewScale.h"
#include "model/NetDef.h"
#include "platform/WidgetLooks.h"
#include "platform/FocusButtons.h"

namespace {

QFont ScreenFont(int pixels, bool italic) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

QLabel* MakeScreenLabel(QWidget* parent, const QString& text, int x, int y, const QColor& color,
                        int pixels, bool italic) {
  const QFont font = ScreenFont(pixels, italic);
  QLabel* label = MakeLabel(parent, text, x, y, 0, 0, &font);
  SetTextColor(label, color, DisabledText::Coloured);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, int x, const QColor& color) {
  auto* button = new QPushButton(text, parent);
  button->setFont(ScreenFont(18, false));
  SetTextColor(button, color, DisabledText::Coloured);
  button->setGeometry(x, 210, 101, 25);
  return button;
}

}  // namespace

TNetStartUp::TNetStartUp(TNetForm* mainForm)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      mainForm_(mainForm) {
  setWindowTitle(QStringLiteral("Starting the Plexor[*]"));
  setFixedSize(427, 268);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0, 128, 128));
  setPalette(palette);

  WelcomeLabel = MakeScreenLabel(this, QStringLiteral("Welcome to"), 28, 15, QColor(0, 255, 0), 23, true);
  Label1 = MakeScreenLabel(this, QStringLiteral("Plexor for Korvane"), 87, 52, QColor(255, 255, 0), 32, true);
  Label2 = new QLabel(QStringLiteral("Plexor %1\nnet editor for the Korvane processing system")
                          .arg(QApplication::applicationVersion()),
                      this);
  Label2->setFont(ScreenFont(18, false));
  SetTextColor(Label2, QColor(0, 255, 255), DisabledText::Coloured);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setWordWrap(true);
  Label2->setGeometry(122, 104, 202, 60);

  StartBtn = MakeButton(this, QStringLiteral("Start"), 45, QColor(0, 0, 255));
  ExitBtn = MakeButton(this, QStringLiteral("End"), 287, QColor(128, 0, 0));
  StartBtn->setDefault(true);
  // Enter runs the focused button, so the default look goes where the focus goes.
  new DefaultFollowsFocus(StartBtn, {StartBtn, ExitBtn});
  connect(StartBtn, &QPushButton::clicked, this, &TNetStartUp::StartBtnClick);
  connect(ExitBtn, &QPushButton::clicked, this, &TNetStartUp::ExitBtnClick);

  // Key preview: the screen sees every key before its buttons.
  StartBtn->installEventFilter(this);
  ExitBtn->installEventFilter(this);
  FormCreate();
}

void TNetStartUp::FormCreate() { FirstShow = true; }

void TNetStartUp::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TNetStartUp::FormShow() {
  const QRect main = mainForm_->geometry();
  move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
  activateWindow();
  setFocus();
  mainForm_->setEnabled(false);
  // "End" drops what the net holds unsaved without asking again: the caption carries the
  // main window's mark of unsaved changes. Nothing edits the net while this screen shows.
  setWindowModified(Edited);
  if (FirstShow) {
    StartBtn->setFocus();
  } else {
    WelcomeLabel->setText(QStringLiteral("Thank you for your using"));
    SetTextColor(WelcomeLabel, QColor(255, 0, 0), DisabledText::Coloured);
    WelcomeLabel->adjustSize();
    StartBtn->setText(QStringLiteral("Restart"));
    ExitBtn->setFocus();
  }
}

void TNetStartUp::StartBtnClick() {
  FirstShow = false;
  FontName = StartFontName;
  mainForm_->setEnabled(true);
  mainForm_->activateWindow();
  mainForm_->setFocus();
  hide();
  mainForm_->Files().OpenNetNamedAtStart();
}

void TNetStartUp::ExitBtnClick() {
  ExitChosen = true;
  closing_ = true;
  close();
  mainForm_->close();
}

bool TNetStartUp::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  const bool ctrlBreak = (key == Qt::Key_Pause || key == Qt::Key_Cancel) &&
                         (shift & Qt::ControlModifier);
  if (ctrlBreak || key == Qt::Key_Escape) {
    ExitBtnClick();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (focusWidget() == ExitBtn) ExitBtnClick();
    else if (focusWidget() == StartBtn) StartBtnClick();
    return true;
  }
  return false;
}

bool TNetStartUp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key->key(), key->modifiers())) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TNetStartUp::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
}

void TNetStartUp::closeEvent(QCloseEvent* event) {
  // "End" is the only way out of the program; the window system's close is refused.
  if (closing_) event->accept();
  else event->ignore();
}
