// A Plexor that loads the net named on its command line and then, as a user would with
// Ctrl+A and Ctrl+C, copies all of it and runs until it is killed ("copy NET APPDIR"), or
// pastes what the clipboard holds with Ctrl+V and saves the net ("paste NET APPDIR OUT"):
// the two programs of the clipboard test.
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <cstdio>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "platform/Guard.h"
#include "support/ScriptedPrompts.h"
#include "support/StartedForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plexor"));
  if (argc < 4) return 2;
  const QString mode = QString::fromLocal8Bit(argv[1]);
  ScriptedPrompts prompts;
  auto form = StartedForm(QString::fromLocal8Bit(argv[3]), prompts);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) return 3;
  prompts.Files = {QString::fromLocal8Bit(argv[2])};
  Guard(form->Ask(), [&] { form->Files().LoadClick(); });
  QCursor::setPos(form->mapToGlobal(QPoint(-50, -50)));  // off the canvas
  if (mode == QLatin1String("copy")) {
    QTest::keyClick(form.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    std::puts("copied");
    std::fflush(stdout);
    return QApplication::exec();
  }
  if (argc < 5) return 2;
  QTest::qWait(200);
  QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
  prompts.Files = {QString::fromLocal8Bit(argv[4])};
  Guard(form->Ask(), [&] { form->Files().SaveClick(); });
  return prompts.Shown.filter(QStringLiteral("Error")).isEmpty() ? 0 : 4;
}
