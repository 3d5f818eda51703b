#include <QApplication>

#include "app/NetHome.h"
#include "app/NetStart.h"
#include "dialogs/NetEdit.h"
#include "platform/Guard.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plexor"));
  QApplication::setApplicationVersion(QStringLiteral(PLEXOR_VERSION));
  QApplication::setQuitOnLastWindowClosed(false);

  // The windows come into being in this order; the net's tables are static and need none.
  TNetForm netForm;
  TNetStartUp startUp(&netForm);
  netForm.SetStartUp(&startUp);
  TNetEditForm editForm(&netForm);
  netForm.SetEditForm(&editForm);

  // Nets that a program which is gone left unsaved come back before the start-up screen.
  Guard(netForm.Ask(), [&] { netForm.OfferRecoveryCopies(); });
  netForm.show();
  return QApplication::exec();
}
