// A Plexor that loads the net named on its command line, appends a Dot and then runs until
// it is killed: the recovery tests' program that crashes.
#include <QApplication>

#include "app/FileCommands.h"
#include "app/ElementCommands.h"
#include "app/NetHome.h"
#include "platform/Guard.h"
#include "support/ScriptedPrompts.h"
#include "support/StartedForm.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plexor"));
  if (argc < 3) return 2;
  ScriptedPrompts prompts;
  const auto created = CreatedForm(QString::fromLocal8Bit(argv[2]), &prompts);
  TNetForm& form = *created;
  prompts.Files = {QString::fromLocal8Bit(argv[1])};
  Guard(form.Ask(), [&] {
    form.Files().LoadClick();
    form.Elements().AddDotClick();
  });
  return QApplication::exec();
}
