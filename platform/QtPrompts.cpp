#include "platform/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString Title() { return QApplication::applicationName(); }

// The window a box or dialog belongs to: the one in front, so that none opens behind
// another window of the program (the start-up screen stays on top of the main window, and
// a box that belongs to the main window would open under it, out of reach).
QWidget* FrontWindow(QWidget* fallback) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const bool framed = window->windowType() == Qt::Window || window->windowType() == Qt::Dialog;
    if (framed && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return window;
  }
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallback;
}

// The program's texts break lines with a line feed and a carriage return side by side, as
// one break; the toolkit would draw each of them as a break of its own.
QString ShownLines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

Answer Ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton) {
  QMessageBox box(QMessageBox::Warning, Title(), ShownLines(text), buttons, FrontWindow(parent));
  box.setDefaultButton(defaultButton);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
  }
}

std::optional<QString> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& fileName, const QString& folder) {
  QFileDialog dialog(FrontWindow(parent));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setDirectory(DialogFolder(folder));
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(QFileDialog::ExistingFile);
    // A pattern such as "*.net" lists only those files; a plain name is proposed.
    if (fileName.contains(QLatin1Char('*'))) dialog.setNameFilter(fileName);
    else dialog.selectFile(fileName);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(fileName);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::cleanPath(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

}  // namespace

void QtPrompts::Warning(const QString& text) {
  QMessageBox box(QMessageBox::Warning, Title(), ShownLines(text), QMessageBox::Ok, FrontWindow(parent_));
  box.exec();
}

Answer QtPrompts::AskYesNoCancel(const QString& text) {
  return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Yes);
}

Answer QtPrompts::AskOkCancel(const QString& text) {
  return Ask(parent_, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

Answer QtPrompts::AskYesNo(const QString& text) {
  return Ask(parent_, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

void QtPrompts::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, Title(), ShownLines(text), QMessageBox::Ok, FrontWindow(parent_));
  box.exec();
}

std::optional<QString> QtPrompts::OpenFile(const QString& fileName, const QString& folder) {
  return RunFileDialog(parent_, QFileDialog::AcceptOpen, fileName, folder);
}

std::optional<QString> QtPrompts::SaveFile(const QString& fileName, const QString& folder) {
  return RunFileDialog(parent_, QFileDialog::AcceptSave, fileName, folder);
}
