#include <QApplication>
#include <QCommandLineParser>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "app/NetStart.h"
#include "dialogs/NetEdit.h"
#include "platform/Guard.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plexor"));
  QApplication::setApplicationVersion(QStringLiteral(PLEXOR_VERSION));
  QApplication::setQuitOnLastWindowClosed(false);

  // A net named on the command line (a double-click in the file manager) is loaded when
  // the user presses "Start".
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Net editor for the Korvane processing system"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE.net"), QStringLiteral("a net to load after Start"),
                               QStringLiteral("[FILE.net]"));
  parser.process(app);

  // The windows come into being in this order; the net's tables are static and need none.
  TNetForm netForm;
  TNetStartUp startUp(&netForm);
  netForm.SetStartUp(&startUp);
  TNetEditForm editForm(&netForm);
  netForm.SetEditForm(&editForm);
  if (!parser.positionalArguments().isEmpty()) netForm.Files().OpenNetAtStart(parser.positionalArguments().first());

  // Nets that a program which is gone left unsaved come back before the start-up screen.
  Guard(netForm.Ask(), [&] { netForm.Files().OfferRecoveryCopies(); });
  netForm.show();
  return QApplication::exec();
}
